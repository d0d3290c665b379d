#include "czytnik_linii.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "plik.h"

namespace bryzas {

namespace {

constexpr std::size_t rozmiar_bloku = 1 << 16;

}  // namespace

Czytnik_Linii::~Czytnik_Linii() {
  if (fd_ >= 0) ::close(fd_);
}

void Czytnik_Linii::otworz(const std::string& nazwa) {
  zamknij();
  nazwa_ = nazwa;
  int fd = ::open(nazwa.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::otwarcie, nazwa, errno);
  fd_ = fd;
  bufor_.resize(rozmiar_bloku);
  pocz_ = kon_ = 0;
  koniec_pliku_ = false;
  zapewnij(1);
}

void Czytnik_Linii::zamknij() {
  if (fd_ < 0) return;
  // Nothing was written to the file, so a failing close loses nothing.
  ::close(fd_);
  fd_ = -1;
  pocz_ = kon_ = 0;
  koniec_pliku_ = true;
}

std::size_t Czytnik_Linii::zapewnij(std::size_t ile) {
  while (kon_ - pocz_ < ile && fd_ >= 0 && !koniec_pliku_) {
    // Keep the unread tail at the front, then fill the rest of the buffer.
    if (pocz_ > 0) {
      std::memmove(bufor_.data(), bufor_.data() + pocz_, kon_ - pocz_);
      kon_ -= pocz_;
      pocz_ = 0;
    }
    ssize_t n = ::read(fd_, bufor_.data() + kon_, bufor_.size() - kon_);
    if (n < 0) {
      if (errno == EINTR) continue;
      throw Blad_Pliku(Blad_Pliku::Rodzaj::odczyt, nazwa_, errno);
    }
    if (n == 0)
      koniec_pliku_ = true;
    else
      kon_ += static_cast<std::size_t>(n);
  }
  return kon_ - pocz_;
}

bool Czytnik_Linii::koniec() { return zapewnij(1) == 0; }

std::size_t Czytnik_Linii::czytaj(Linia& linia) {
  std::size_t dlug = 0;
  while (zapewnij(1) > 0) {
    char c = bufor_[pocz_];
    // The line end is checked before the length, so that a terminator right
    // after a full piece belongs to that piece.
    if (c == '\n') {
      ++pocz_;
      break;
    }
    if (c == '\r' && zapewnij(2) >= 2 && bufor_[pocz_ + 1] == '\n') {
      pocz_ += 2;
      break;
    }
    if (dlug == dl_linii) break;
    linia[dlug++] = c;
    ++pocz_;
  }
  return dlug;
}

}  // namespace bryzas
