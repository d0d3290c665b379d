// The free dialect's input: its lines as Python reads a text file, read in
// large blocks. A line ends at LF, CR LF or a lone CR (the last one may have
// none); a UTF-8 byte order mark before the first line is skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "wspolne/blad_pliku.h"

namespace ostrew {

class Swob_We {
public:
  static constexpr std::size_t domyslny_blok = std::size_t{1} << 18;

  // The block size is the amount asked of each read; a longer line grows
  // the block to hold it.
  explicit Swob_We(std::size_t rozmiar_bloku = domyslny_blok);
  Swob_We(const Swob_We&) = delete;
  Swob_We& operator=(const Swob_We&) = delete;

  // Opens the input; throws Blad_Pliku (a directory: EISDIR).
  void otworz(const std::string& nazwa);

  // The next line without its end, valid until the next call; ascii tells
  // that no byte of it is above 127. False at the end of the input. Throws
  // Blad_Pliku when the file cannot be read.
  bool nastepna(std::string_view& linia, bool& ascii);
  // The number of the line last delivered, from 1.
  long long nr_linii() const { return nr_; }

private:
  // Bytes after the data that a search may read: its stop byte, then the
  // rest of a word.
  static constexpr std::size_t zapas = 16;

  void doczytaj();

  std::string nazwa_;
  wspolne::Deskryptor plik_;
  std::size_t pojemnosc_;
  std::unique_ptr<char[]> bufor_;
  std::size_t pocz_ = 0;  // [pocz_, kon_) read and not yet delivered
  std::size_t kon_ = 0;
  std::size_t przeszukane_ = 0;  // bytes after pocz_ already searched for a line end
  std::uint64_t wysokie_ = 0;    // their top bits
  bool koniec_pliku_ = false;
  bool pierwsza_ = true;  // the byte order mark is still to be looked for
  long long nr_ = 0;
};

}  // namespace ostrew
