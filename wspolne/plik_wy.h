// A checked, buffered output text file.
#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

#include "wspolne/blad_pliku.h"

namespace wspolne {

// An output text file. Text goes to a buffer that is written out in large
// blocks; every write and the close are checked and throw Blad_Pliku. Text
// written to a file that is not open is a write failure, never kept silently.
class Plik_Wy {
public:
  static constexpr std::size_t domyslny_blok = std::size_t{1} << 16;

  // The buffer is written out in blocks of rozmiar_bloku bytes: a file of
  // hundreds of megabytes is written faster in larger ones.
  explicit Plik_Wy(std::size_t rozmiar_bloku = domyslny_blok) : rozmiar_bloku_(rozmiar_bloku) {}
  Plik_Wy(const Plik_Wy&) = delete;
  Plik_Wy& operator=(const Plik_Wy&) = delete;

  // Creates the file, replacing an existing one.
  void utworz(const std::string& nazwa);
  // Writes to a file opened elsewhere; `nazwa` names it in the messages.
  void otworz(Deskryptor plik, const std::string& nazwa);
  // The common case, a piece that fits into the buffer, is one copy.
  void pisz(std::string_view tekst) {
    if (tekst.size() <= pojemnosc_ - zajete_) {
      std::copy(tekst.begin(), tekst.end(), bufor_.get() + zajete_);
      zajete_ += tekst.size();
    } else {
      pisz_z_oproznieniem(tekst);
    }
  }
  // `ile` copies of the character `znak` (an indentation, say).
  void pisz_znaki(std::size_t ile, char znak);
  void pisz_linie(std::string_view tekst) {
    pisz(tekst);
    nowa_linia();
  }
  void nowa_linia() {
    if (zajete_ == pojemnosc_) oproznij();
    bufor_[zajete_++] = '\n';
  }
  // Writes out the buffer and closes; throws when either fails.
  void zamknij();
  bool otwarty() const { return plik_.otwarty(); }
  const std::string& nazwa() const { return nazwa_; }

private:
  void pisz_z_oproznieniem(std::string_view tekst);
  void oproznij();

  Deskryptor plik_;
  std::string nazwa_;
  // Allocated by the first utworz. While no file is open the capacity is 0,
  // so any text reaches oproznij, which reports the file as not open.
  std::size_t rozmiar_bloku_;
  std::unique_ptr<char[]> bufor_;
  std::size_t pojemnosc_ = 0;
  std::size_t zajete_ = 0;
};

}  // namespace wspolne
