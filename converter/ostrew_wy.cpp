#include "ostrew_wy.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

#include "blad_pliku.h"

namespace ostrew {

ostrew_wy::ostrew_wy(std::size_t rozmiar_bufora)
    : rozmiar_(std::max<std::size_t>(rozmiar_bufora, 2)), bufor_(new char[rozmiar_]) {}

ostrew_wy::~ostrew_wy() {
  // The run closes the file itself; this only guards an early end.
  if (fd_ >= 0) ::close(fd_);
}

void ostrew_wy::otworz_plik_wy(const std::string& nazwa) {
  zamknij_plik_wy();
  nazwa_ = nazwa;
  int fd = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, nazwa, errno);
  fd_ = fd;
  uzyte_ = 0;
}

namespace {

// Copies the ISO 8859-1 text to d as UTF-8; returns the end of what it wrote,
// at most two bytes per character.
char* koduj(char* d, std::string_view t) {
  unsigned char wszystkie = 0;
  for (char c : t) wszystkie = static_cast<unsigned char>(wszystkie | static_cast<unsigned char>(c));
  // Plain ASCII, the usual case, goes at once. An empty view may carry no
  // pointer at all, which memcpy must never be given.
  if (wszystkie < 0x80) return std::copy(t.begin(), t.end(), d);
  for (char z : t) {
    auto c = static_cast<unsigned char>(z);
    if (c < 0x80) {
      *d++ = z;
    } else {
      *d++ = static_cast<char>(0xC0 | (c >> 6));
      *d++ = static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return d;
}

}  // namespace

void ostrew_wy::pisz_plik_wy(std::string_view przed, std::string_view x, std::string_view po) {
  std::size_t najwiecej = 2 * (przed.size() + x.size() + po.size()) + 1;
  if (najwiecej > rozmiar_) {  // a line longer than the whole buffer
    dopisz(przed);
    dopisz(x);
    dopisz(po);
    dopisz("\n");
    return;
  }
  if (rozmiar_ - uzyte_ < najwiecej) oproznij();
  char* d = bufor_.get() + uzyte_;
  d = koduj(d, przed);
  d = koduj(d, x);
  d = koduj(d, po);
  *d++ = '\n';
  uzyte_ = static_cast<std::size_t>(d - bufor_.get());
}

void ostrew_wy::dopisz(std::string_view tekst) {
  while (!tekst.empty()) {
    if (rozmiar_ - uzyte_ < 2) oproznij();
    std::size_t ile = std::min(tekst.size(), (rozmiar_ - uzyte_) / 2);
    char* d = koduj(bufor_.get() + uzyte_, tekst.substr(0, ile));
    uzyte_ = static_cast<std::size_t>(d - bufor_.get());
    tekst.remove_prefix(ile);
  }
}

void ostrew_wy::oproznij() {
  std::size_t zapisane = 0;
  while (zapisane < uzyte_) {
    ssize_t n = ::write(fd_, bufor_.get() + zapisane, uzyte_ - zapisane);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      int e = n < 0 ? errno : EIO;  // a write that takes nothing would loop for ever
      // Nothing more can reach this file; the failure is reported once.
      ::close(fd_);
      fd_ = -1;
      uzyte_ = 0;
      throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa_, e);
    }
    zapisane += static_cast<std::size_t>(n);
  }
  uzyte_ = 0;
}

void ostrew_wy::zamknij_plik_wy() {
  if (fd_ < 0) return;
  oproznij();
  int fd = fd_;
  fd_ = -1;
  if (::close(fd) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zamkniecie, nazwa_, errno);
}

std::string_view us(std::string_view tekst) {
  std::size_t a = tekst.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  std::size_t b = tekst.find_last_not_of(' ');
  return tekst.substr(a, b - a + 1);
}

}  // namespace ostrew
