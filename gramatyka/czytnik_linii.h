// Line reader of the grammar scanner: reads the grammar file in large blocks
// and hands it out one line at a time, each line cut into pieces of at most
// dl_linii characters.
#pragma once

#include <array>
#include <cstddef>
#include <memory>
#include <string>

#include "wspolne/blad_pliku.h"

namespace bryzas {

// Longest piece of a line that the scanner holds at once.
constexpr std::size_t dl_linii = 1000;

class Czytnik_Linii {
public:
  using Linia = std::array<char, dl_linii>;

  Czytnik_Linii() = default;
  Czytnik_Linii(const Czytnik_Linii&) = delete;
  Czytnik_Linii& operator=(const Czytnik_Linii&) = delete;

  // Opens the file and reads its first block, so that a file that exists but
  // cannot be read is reported here. Throws Blad_Pliku.
  void otworz(const std::string& nazwa);
  // Closes the file; harmless when nothing is open.
  void zamknij();

  // True when no line is left (a final line end starts no further line).
  // A file that was never opened has no lines.
  bool koniec();
  // Reads the next line, or the next piece of a long one, into `linia` and
  // returns its length. A line ends at LF or CR LF, which are not part of it;
  // a lone CR is an ordinary character. A line of exactly k * dl_linii
  // characters gives k pieces and no empty one after them.
  std::size_t czytaj(Linia& linia);
  // Where in the file the next line (or piece) begins, in bytes.
  std::size_t polozenie() const { return przed_buforem_ + pocz_; }

private:
  // Makes sure that at least `ile` unread bytes are in the buffer unless the
  // file ends first; returns the number of unread bytes there.
  std::size_t zapewnij(std::size_t ile);

  wspolne::Deskryptor plik_;
  std::string nazwa_;
  std::unique_ptr<char[]> bufor_;  // one block, allocated by the first otworz
  std::size_t przed_buforem_ = 0;  // bytes of the file before the buffer's first
  std::size_t pocz_ = 0;  // first unread byte
  std::size_t kon_ = 0;   // one past the last byte read
  bool koniec_pliku_ = false;
};

}  // namespace bryzas
