// Runs the grammar phase alone in a directory, as the generator does.
#pragma once

#include <filesystem>
#include <string>

namespace testy {

struct Wynik_Fazy {
  bool blad;            // what the phase returned: an error was reported
  std::string konsola;  // everything the phase wrote to standard output
};

// Runs the phase for project `projekt` with its current directory set to
// `katalog` and the header instant fixed at 5 Dec 2026 09:05:07 UTC, then
// closes what it left open, as the driver does at the end of a run.
Wynik_Fazy uruchom_faze(const std::filesystem::path& katalog, const std::string& projekt);

}  // namespace testy
