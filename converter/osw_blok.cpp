// The converter's input read in blocks, and the count of its lines (pieces
// of at most dl_linii characters) as the scanner moves through it.
#include "converter/osw_skan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

#include "wspolne/blad_pliku.h"

namespace ostrew {

Osw_Skan::Osw_Skan(std::ostream& konsola, std::size_t rozmiar_bloku)
    : konsola_(konsola),
      rozmiar_bloku_(std::max<std::size_t>(rozmiar_bloku, 2)),
      blok_(new unsigned char[zachowaj + 2 + rozmiar_bloku_ + zapas]()) {
  // Before the first line the reader stands on a line end of its own; the
  // scanner takes it for white space.
  blok_[0] = '\n';
  p_ = blok_.get();
  kon_ = blok_.get() + dane_;
}

void Osw_Skan::otworz_plik_we(const std::string& nazwa) {
  nazwa_we_ = nazwa;
  wspolne::Deskryptor plik;
  try {
    plik = wspolne::otworz_do_odczytu(nazwa);
  } catch (const wspolne::Blad_Pliku& e) {
    if (e.brak_pliku()) konsola_ << '\n' << "*** Brak pliku we o nazwie '" << nazwa << "' " << '\n';
    throw;
  }
  // A directory opens for reading; refuse it before any output is created.
  struct stat st;
  if (::fstat(plik.fd(), &st) == 0 && S_ISDIR(st.st_mode))
    throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, nazwa, EISDIR);
  plik_ = std::move(plik);
}

void Osw_Skan::zamknij_plik_we() {
  plik_.porzuc();  // nothing was written, so nothing can be lost here
}

// Reads more of the file after p, until the byte after p is there or the
// file has ended. The block keeps the zachowaj bytes before p and all after
// it; returns p moved with them. A NUL ends the data where it stands; after
// the last byte of a file whose last line has no terminator a line feed is
// written, so that the line ends like any other.
Osw_Skan::Wsk Osw_Skan::doladuj(Wsk p) {
  unsigned char* b = blok();
  std::size_t i = static_cast<std::size_t>(p - b);
  if (w_linii_) {
    // The pieces that p has entered are counted before their ends move.
    while (kaw_kon_ < static_cast<std::ptrdiff_t>(i)) {
      ++nr_linii_;
      kaw_kon_ += static_cast<std::ptrdiff_t>(dl_linii);
    }
  }
  if (i > zachowaj) {
    std::size_t od = i - zachowaj;
    std::memmove(b, b + od, dane_ - od);
    dane_ -= od;
    i -= od;
    kaw_kon_ -= static_cast<std::ptrdiff_t>(od);
  }
  const std::size_t pojemnosc = zachowaj + 2 + rozmiar_bloku_;
  while (moze_wiecej_ && dane_ < i + 2) {
    if (!plik_.otwarty()) {
      moze_wiecej_ = false;
      break;
    }
    std::size_t ile = wspolne::czytaj(plik_.fd(), reinterpret_cast<char*>(b + dane_),
                                      std::min(rozmiar_bloku_, pojemnosc - dane_), nazwa_we_);
    if (ile == 0) {
      moze_wiecej_ = false;
      break;
    }
    if (const void* z = std::memchr(b + dane_, '\0', ile)) {
      ile = static_cast<std::size_t>(static_cast<const unsigned char*>(z) - (b + dane_));
      nul_ = true;
      moze_wiecej_ = false;
    }
    if (ile > 0) ostatni_ = b[dane_ + ile - 1];
    dane_ += ile;
  }
  kon_ = b + dane_;
  b[dane_] = '\0';
  if (!moze_wiecej_ && !nul_ && ostatni_ != '\n') {
    b[dane_] = '\n';
    b[dane_ + 1] = '\0';
  }
  return b + i;
}

// Lines counted when the current character is at p: the pieces of the
// current line that p has entered count too. A piece boundary at p counts
// unless p holds the line's terminator.
int Osw_Skan::linie_do(Wsk p) const {
  std::ptrdiff_t i = p - blok();
  if (!w_linii_ || i < kaw_kon_) return nr_linii_;
  const auto dl = static_cast<std::ptrdiff_t>(dl_linii);
  std::ptrdiff_t d = i - kaw_kon_;
  std::ptrdiff_t k = d / dl + 1;
  if (d % dl == 0 && konczy_linie(p)) --k;
  return nr_linii_ + static_cast<int>(k);
}

int Osw_Skan::nr_linii() const { return koniec_ ? nr_linii_ : linie_do(p_); }

// Drops the rest of the piece that holds p (a character of a line). Returns
// the terminator that ends the line, the first character of the next piece,
// or the end of the input.
Osw_Skan::Wsk Osw_Skan::koniec_kawalka(Wsk p) {
  const auto dl = static_cast<std::ptrdiff_t>(dl_linii);
  while (kaw_kon_ <= p - blok()) {
    ++nr_linii_;
    kaw_kon_ += dl;
  }
  for (;;) {
    const unsigned char* b = blok();
    auto i = static_cast<std::size_t>(p - b);
    auto gr = std::min(static_cast<std::size_t>(kaw_kon_), dane_);
    if (const void* z = std::memchr(b + i, '\n', gr - i)) return static_cast<Wsk>(z);
    if (static_cast<std::size_t>(kaw_kon_) < dane_) return b + kaw_kon_;
    if (!moze_wiecej_) return kon();
    p = doladuj(kon());
  }
}

// p is at the NUL after the data: reads on, beginning the line that starts
// at p if a terminator came before it, or ends the input.
Osw_Skan::Wsk Osw_Skan::do_danych(Wsk p) {
  if (moze_wiecej_ && p == kon()) p = doladuj(p);
  if (*p != '\0') {
    if (!w_linii_) za_koncem_linii(p, p);
    return p;
  }
  zakoncz(p);
  return p;
}

// The input has ended at p. A NUL that stands first in a line still makes
// that line count.
void Osw_Skan::zakoncz(Wsk p) {
  if (koniec_) return;
  if (w_linii_) {
    nr_linii_ = linie_do(p);
  } else if (nul_) {
    ++nr_linii_;
  }
  koniec_ = true;
  p_ = p;
}

}  // namespace ostrew
