#include "converter/swob_we.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace ostrew {

namespace {

constexpr std::uint64_t bajty(unsigned b) { return 0x0101010101010101u * b; }
constexpr std::uint64_t gorne = bajty(0x80);

// The eight bytes at p, the first in the lowest byte.
std::uint64_t slowo(const char* p) {
  std::uint64_t w = 0;
  for (int i = 0; i < 8; ++i) w |= std::uint64_t{static_cast<unsigned char>(p[i])} << (8 * i);
  return w;
}

// Bit 7 of each zero byte of w. A byte above a zero byte may be marked too,
// by the borrow; the lowest mark is always right.
std::uint64_t zera(std::uint64_t w) { return (w - bajty(1)) & ~w & gorne; }

// The first LF or CR from p on (one stands after the data); the top bits of
// the bytes before it are added to wysokie.
const char* koniec_linii(const char* p, std::uint64_t& wysokie) {
  for (;;) {
    const std::uint64_t w = slowo(p);
    const std::uint64_t m = zera(w ^ bajty('\n')) | zera(w ^ bajty('\r'));
    if (m != 0) {
      const unsigned n = static_cast<unsigned>(std::countr_zero(m)) / 8;
      if (n > 0) wysokie |= w & (~std::uint64_t{0} >> (64 - 8 * n));
      return p + n;
    }
    wysokie |= w;
    p += 8;
  }
}

}  // namespace

Swob_We::Swob_We(std::size_t rozmiar_bloku)
    : pojemnosc_(std::max<std::size_t>(rozmiar_bloku, 8)), bufor_(new char[pojemnosc_ + zapas]()) {
  bufor_[0] = '\n';
}

void Swob_We::otworz(const std::string& nazwa) {
  nazwa_ = nazwa;
  wspolne::Deskryptor plik = wspolne::otworz_do_odczytu(nazwa);
  struct stat st;
  if (::fstat(plik.fd(), &st) == 0 && S_ISDIR(st.st_mode))
    throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, nazwa, EISDIR);
  plik_ = std::move(plik);
}

// Moves the bytes not yet delivered to the front, grows the block when they
// fill it, and reads once after them.
void Swob_We::doczytaj() {
  char* b = bufor_.get();
  if (pocz_ > 0) {
    std::memmove(b, b + pocz_, kon_ - pocz_);
    kon_ -= pocz_;
    pocz_ = 0;
  }
  if (kon_ == pojemnosc_) {
    std::unique_ptr<char[]> wiekszy(new char[2 * pojemnosc_ + zapas]());
    std::memcpy(wiekszy.get(), b, kon_);
    bufor_ = std::move(wiekszy);
    pojemnosc_ *= 2;
    b = bufor_.get();
  }
  const std::size_t ile = wspolne::czytaj(plik_.fd(), b + kon_, pojemnosc_ - kon_, nazwa_);
  kon_ += ile;
  if (ile == 0) koniec_pliku_ = true;
  b[kon_] = '\n';  // stops the search at the end of the data
}

bool Swob_We::nastepna(std::string_view& linia, bool& ascii) {
  if (pierwsza_) {
    while (kon_ < 3 && !koniec_pliku_) doczytaj();
    if (kon_ >= 3 && std::memcmp(bufor_.get(), "\xEF\xBB\xBF", 3) == 0) pocz_ = 3;
    pierwsza_ = false;
  }
  for (;;) {
    const char* b = bufor_.get();
    std::uint64_t wysokie = wysokie_;
    const char* t = koniec_linii(b + pocz_ + przeszukane_, wysokie);
    wysokie_ = wysokie;
    const std::size_t i = static_cast<std::size_t>(t - b);
    // A CR last in the data may be the first half of a CR LF.
    if (i < kon_ && !(*t == '\r' && i + 1 == kon_ && !koniec_pliku_)) {
      linia = {b + pocz_, i - pocz_};
      pocz_ = i + 1 + (*t == '\r' && i + 1 < kon_ && t[1] == '\n');
      break;
    }
    przeszukane_ = i - pocz_;
    if (koniec_pliku_) {
      if (pocz_ == kon_) return false;
      linia = {b + pocz_, kon_ - pocz_};
      pocz_ = kon_;
      break;
    }
    doczytaj();
  }
  ascii = (wysokie_ & gorne) == 0;
  wysokie_ = 0;
  przeszukane_ = 0;
  ++nr_;
  return true;
}

}  // namespace ostrew
