// The project name of the command line: which characters it may hold, how
// long it may be, and the blanks around it, which never reach a file name.
#pragma once

#include <string>
#include <string_view>

namespace bryzas {

// Longest project name that fits every name field (260 characters less the
// longest suffix, "_skan_t.ads"); counted in bytes.
constexpr std::size_t max_dl_nazwy_proj = 249;

struct Nazwa_Projektu {
  std::string nazwa;         // trimmed of blanks on both sides
  std::string_view odrzucenie;  // the rejection line, empty when accepted
};

// Checks the characters first, then trims, then checks the length.
Nazwa_Projektu sprawdz_nazwe_projektu(const std::string& argument);

// True when the name can name an Ada unit and a GNAT project: letters and
// digits of ASCII with single underscores between them, a letter first, no
// reserved word of Ada or of the project files.
bool identyfikator_ady(std::string_view nazwa);

// An Ada reserved word, in any letter case.
bool slowo_zastrzezone_ady(std::string_view nazwa);

}  // namespace bryzas
