#include "wspolne/plik_wy.h"

#include <cerrno>
#include <unistd.h>

#include "wspolne/blad_pliku.h"

namespace wspolne {

namespace {

constexpr std::size_t rozmiar_bloku = 1 << 16;

}  // namespace

Plik_Wy::~Plik_Wy() {
  // The run closes every file it opened; this only guards an early exit.
  if (fd_ >= 0) ::close(fd_);
}

void Plik_Wy::utworz(const std::string& nazwa) {
  if (fd_ >= 0) zamknij();
  nazwa_ = nazwa;
  fd_ = wspolne::utworz(nazwa);
  if (!bufor_) bufor_ = std::make_unique_for_overwrite<char[]>(rozmiar_bloku);
  pojemnosc_ = rozmiar_bloku;
  zajete_ = 0;
}

void Plik_Wy::pisz_znaki(std::size_t ile, char znak) {
  while (ile > pojemnosc_ - zajete_) {
    const std::size_t czesc = pojemnosc_ - zajete_;
    std::fill_n(bufor_.get() + zajete_, czesc, znak);
    zajete_ += czesc;
    ile -= czesc;
    oproznij();
  }
  std::fill_n(bufor_.get() + zajete_, ile, znak);
  zajete_ += ile;
}

// A piece larger than the room left: the buffer is filled, written out and
// filled again until the piece is all in.
void Plik_Wy::pisz_z_oproznieniem(std::string_view tekst) {
  for (;;) {
    const std::size_t czesc = std::min(tekst.size(), pojemnosc_ - zajete_);
    std::copy_n(tekst.data(), czesc, bufor_.get() + zajete_);
    zajete_ += czesc;
    tekst.remove_prefix(czesc);
    if (tekst.empty()) return;
    oproznij();
  }
}

void Plik_Wy::oproznij() {
  if (fd_ < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa_, EBADF);
  const std::size_t ile = zajete_;
  // Whatever happens, these bytes are done with: a failure is reported once.
  zajete_ = 0;
  zapisz(fd_, bufor_.get(), ile, nazwa_);
}

void Plik_Wy::zamknij() {
  if (fd_ < 0) return;
  int fd = fd_;
  try {
    oproznij();
  } catch (...) {
    fd_ = -1;
    pojemnosc_ = 0;
    ::close(fd);
    throw;
  }
  fd_ = -1;
  pojemnosc_ = 0;
  wspolne::zamknij(fd, nazwa_);
}

}  // namespace wspolne
