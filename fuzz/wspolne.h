// What every fuzz target needs: a private working directory, bounded in
// size, that each input starts from empty; whole-file reads and writes; the
// lines a reader of either program must see; and the report of a broken
// promise.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// LLVMFuzzerInitialize, defined here for every target, makes a private
// temporary directory the current one (removed at exit) and limits every
// file the process writes to a few megabytes, so that a fault that writes
// without end is reported instead of filling the disk or, in /dev/shm, the
// memory.
// Empties the directory and writes the input as the file `nazwa`.
void wejscie(const std::string& nazwa, std::string_view dane);
// The whole file; `jest` tells whether it could be read at all.
std::string czytaj(const std::string& nazwa, bool& jest);

// A promise of the program does not hold for this input: says which on
// standard error and aborts, so that the fuzzer keeps the input.
[[noreturn]] void naruszenie(std::string_view co, std::string_view szczegoly = {});
inline void sprawdz(bool warunek, std::string_view co, std::string_view szczegoly = {}) {
  if (!warunek) naruszenie(co, szczegoly);
}

// The lines of a text file as either program reads them: a line ends at LF
// or CR LF, a lone CR is an ordinary character, a final line end starts no
// further line, a line longer than 1000 characters is cut into pieces of
// 1000, and the piece holding the first NUL byte is the last one.
std::vector<std::string_view> linie(std::string_view dane);
// The text split at line feeds; a final line feed adds no empty element.
std::vector<std::string_view> wiersze(std::string_view tekst);

}  // namespace fuzz
