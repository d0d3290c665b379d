#include "converter/osw_skan.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

#include "wspolne/blad_pliku.h"

namespace ostrew {

namespace {

// The digits denote a value above the largest integer, 2147483647.
bool poza_zakresem(std::string_view cyfry) {
  constexpr std::string_view max_int = "2147483647";
  if (cyfry.size() < max_int.size()) return false;
  std::size_t zera = cyfry.find_first_not_of('0');
  if (zera == std::string_view::npos) return false;
  cyfry.remove_prefix(zera);
  return cyfry.size() > max_int.size() || (cyfry.size() == max_int.size() && cyfry > max_int);
}

}  // namespace

osw_skan::osw_skan(std::ostream& konsola, std::size_t rozmiar_bloku)
    : konsola_(konsola),
      rozmiar_bloku_(std::max<std::size_t>(rozmiar_bloku, 2)),
      blok_(new unsigned char[zachowaj + 2 + rozmiar_bloku_ + zapas]()) {
  // Before the first line the reader stands on a line end of its own; the
  // scanner takes it for white space.
  blok_[0] = '\n';
  p_ = blok_.get();
  kon_ = blok_.get() + dane_;
}

osw_skan::~osw_skan() {
  if (fd_ >= 0) ::close(fd_);
}

void osw_skan::otworz_plik_we(const std::string& nazwa) {
  nazwa_we_ = nazwa;
  int fd;
  try {
    fd = wspolne::otworz_do_odczytu(nazwa);
  } catch (const wspolne::Blad_Pliku& e) {
    // The message names a.ini whatever the file is called: it is the
    // converter's one input.
    if (e.brak_pliku()) konsola_ << '\n' << "*** Brak pliku we o nazwie 'a.ini' " << '\n';
    throw;
  }
  // A directory opens for reading; refuse it before any output is created.
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, nazwa, EISDIR);
  }
  fd_ = fd;
}

void osw_skan::zamknij_plik_we() {
  if (fd_ < 0) return;
  ::close(fd_);  // nothing was written, so nothing can be lost here
  fd_ = -1;
}

// Reads more of the file after p, until the byte after p is there or the
// file has ended. The block keeps the zachowaj bytes before p and all after
// it; returns p moved with them. A NUL ends the data where it stands; after
// the last byte of a file whose last line has no terminator a line feed is
// written, so that the line ends like any other.
osw_skan::Wsk osw_skan::doladuj(Wsk p) {
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
    if (fd_ < 0) {
      moze_wiecej_ = false;
      break;
    }
    std::size_t ile = wspolne::czytaj(fd_, reinterpret_cast<char*>(b + dane_),
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
int osw_skan::linie_do(Wsk p) const {
  std::ptrdiff_t i = p - blok();
  if (!w_linii_ || i < kaw_kon_) return nr_linii_;
  const auto dl = static_cast<std::ptrdiff_t>(dl_linii);
  std::ptrdiff_t d = i - kaw_kon_;
  std::ptrdiff_t k = d / dl + 1;
  if (d % dl == 0 && konczy_linie(p)) --k;
  return nr_linii_ + static_cast<int>(k);
}

int osw_skan::nr_linii() const { return koniec_ ? nr_linii_ : linie_do(p_); }

// Drops the rest of the piece that holds p (a character of a line). Returns
// the terminator that ends the line, the first character of the next piece,
// or the end of the input.
osw_skan::Wsk osw_skan::koniec_kawalka(Wsk p) {
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
osw_skan::Wsk osw_skan::do_danych(Wsk p) {
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
void osw_skan::zakoncz(Wsk p) {
  if (koniec_) return;
  if (w_linii_) {
    nr_linii_ = linie_do(p);
  } else if (nul_) {
    ++nr_linii_;
  }
  koniec_ = true;
  p_ = p;
}

void osw_skan::blad(int nr, Wsk p) {
  p_ = p;
  nr_bledu_skan_ = nr;
  throw Blad_Skanera{nr};
}

// The general way, from the current character on: every case of the
// input, comments, the ends of the block, errors.
Token_Typ osw_skan::skanuj_dalej() {
  Wsk p = p_;
  // White space and comments; a tab is not white space. A comment drops the
  // rest of its piece.
  for (;;) {
    switch (klasa(*p)) {
      case blank:
        ++p;
        continue;
      case lf:
        p = za_koncem_linii(p, p + 1);
        continue;
      case srednik:
        p = koniec_kawalka(p);
        continue;
      case cr:
        p = podglad(p);
        if (cr_lf(p)) {
          p = za_koncem_linii(p, p + 2);
          continue;
        }
        break;
      case nul:
        if (koniec_) break;
        p = do_danych(p);
        continue;
      default:
        break;
    }
    break;
  }
  Token_Typ tok;
  switch (klasa(*p)) {
    case litera:
    case litera_8:
      p = nazwa(p, tok);
      break;
    case cyfra:
      p = liczba(p, tok);
      break;
    case cudzyslow:
      p = napis(p, tok);
      break;
    case rowne:
      tok.Kod = Token_Kod::ROWNE;
      ++p;
      break;
    case przecinek:
      tok.Kod = Token_Kod::PRZECINEK;
      ++p;
      break;
    case lewy:
      tok.Kod = Token_Kod::LEWYNAWIASKW;
      ++p;
      break;
    case prawy:
      tok.Kod = Token_Kod::PRAWYNAWIASKW;
      ++p;
      break;
    case nul:
      tok.Kod = Token_Kod::KONIECPL;  // the end is the lookahead for good
      return tok;
    default:
      blad(9, p);  // the character is not taken
  }
  // The lookahead and the byte after it stay at hand, so that its line can
  // be told; the text moves with the block.
  if (p + 1 >= kon() && moze_wiecej_) {
    Wsk q = doladuj(p);
    if (tok.dl > 0) tok.Wart -= p - q;
    p = q;
  }
  p_ = p;
  return tok;
}

// name = (letter | "_") { letter | digit | "_" }
osw_skan::Wsk osw_skan::nazwa(Wsk p, Token_Typ& tok) {
  Wsk pocz = p;
  unsigned wysokie = 0;
  for (;;) {
    unsigned k;
    while ((k = klasy[*p]) <= cyfra) {
      wysokie |= k;
      ++p;
    }
    // The NUL after the data: the name may go on in the next block.
    if (p != kon() || !moze_wiecej_ || static_cast<std::size_t>(p - pocz) > Dl_Tok) break;
    Wsk q = doladuj(p);
    pocz -= p - q;
    p = q;
  }
  if (static_cast<std::size_t>(p - pocz) > Dl_Tok) blad(2, pocz + Dl_Tok);
  tok.Kod = Token_Kod::NAZWA;
  tok.Wart = reinterpret_cast<const char*>(pocz);
  tok.dl = static_cast<std::uint16_t>(p - pocz);
  tok.wysokie = (wysokie & litera_8) != 0;
  return p;
}

// number = digit { digit }, at most 2147483647
osw_skan::Wsk osw_skan::liczba(Wsk p, Token_Typ& tok) {
  Wsk pocz = p;
  for (;;) {
    while (klasy[*p] == cyfra) ++p;
    if (p != kon() || !moze_wiecej_ || static_cast<std::size_t>(p - pocz) > Dl_Tok) break;
    Wsk q = doladuj(p);
    pocz -= p - q;
    p = q;
  }
  if (static_cast<std::size_t>(p - pocz) > Dl_Tok) blad(3, pocz + Dl_Tok);
  tok.Kod = Token_Kod::LICZBA;
  tok.Wart = reinterpret_cast<const char*>(pocz);
  tok.dl = static_cast<std::uint16_t>(p - pocz);
  // The value is only checked, never kept: the text goes out as written.
  if (poza_zakresem(tok.tekst())) throw Blad_Zakresu{};
  return p;
}

// string = '"' (letter | "_") { letter | digit | "_" } '"'
osw_skan::Wsk osw_skan::napis(Wsk p, Token_Typ& tok) {
  p = podglad(p + 1);
  Klasa k = klasa(*p);
  if (k == nul) blad(0, p);
  if (k > litera_8) blad(4, p);
  Wsk pocz = p;
  unsigned wysokie = 0;
  for (;;) {
    unsigned c;
    while ((c = klasy[*p]) <= cyfra) {
      wysokie |= c;
      ++p;
    }
    if (p != kon() || !moze_wiecej_ || static_cast<std::size_t>(p - pocz) > Dl_Tok) break;
    Wsk q = doladuj(p);
    pocz -= p - q;
    p = q;
  }
  // Every character has passed the test; a 101st does not fit.
  if (static_cast<std::size_t>(p - pocz) > Dl_Tok) throw Blad_Zakresu{};
  const auto dl = static_cast<std::uint16_t>(p - pocz);
  Wsk q = podglad(p);
  pocz -= p - q;
  p = q;
  if (*p == '"') {
    q = podglad(p + 1);
    pocz -= p + 1 - q;
    p = q;
    if (*p == '"') blad(5, p);  // a doubled quote is no character of a string
  } else if (*p == '\0') {
    blad(0, p);
  } else {
    blad(5, p);
  }
  tok.Kod = Token_Kod::NAPIS;
  tok.Wart = reinterpret_cast<const char*>(pocz);
  tok.dl = dl;
  tok.wysokie = (wysokie & litera_8) != 0;
  return p;
}

}  // namespace ostrew
