// What every fuzz target needs: a private working directory that each input
// starts from empty, whole-file reads and writes, the line structure that a
// reader of either program must see, and the way a broken promise is reported.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// Creates a private temporary directory, makes it the current directory and
// removes it when the process ends. Called once, before the first input.
void przygotuj_katalog();
// Removes everything in the current directory (the previous run's files).
void wyczysc_katalog();

void zapisz(const std::string& nazwa, std::string_view dane);
// The whole file; `jest` tells whether it could be read at all.
std::string czytaj(const std::string& nazwa, bool& jest);

// A promise of the program does not hold for this input: says which one on
// standard error and aborts, so that the fuzzer keeps the input.
[[noreturn]] void naruszenie(std::string_view co, std::string_view szczegoly = {});
inline void sprawdz(bool warunek, std::string_view co, std::string_view szczegoly = {}) {
  if (!warunek) naruszenie(co, szczegoly);
}

// The lines of a text file as either program reads them: a line ends at LF
// or CR LF (the terminator is not part of it), a lone CR is an ordinary
// character, a final line end starts no further line, and a line longer
// than 1000 characters is cut into pieces of 1000 (exactly k * 1000 gives k
// pieces). The piece holding the first NUL byte is the last one: a NUL ends
// the input.
std::vector<std::string_view> linie(std::string_view dane);

// The text split at line feeds; a final line feed adds no empty element.
std::vector<std::string_view> wiersze(std::string_view tekst);

bool zaczyna_sie(std::string_view s, std::string_view p);
bool konczy_sie(std::string_view s, std::string_view k);

}  // namespace fuzz
