#include "osw_skan.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <ostream>
#include <sys/stat.h>
#include <unistd.h>

#include "blad_pliku.h"

namespace ostrew {

namespace {

// Character classes of ISO 8859-1.
enum Klasa : std::uint8_t { inny = 0, litera = 1, cyfra = 2 };

constexpr std::array<std::uint8_t, 256> klasy = [] {
  std::array<std::uint8_t, 256> k{};
  for (int c = 'A'; c <= 'Z'; ++c) k[c] = litera;
  for (int c = 'a'; c <= 'z'; ++c) k[c] = litera;
  for (int c = 192; c <= 255; ++c) k[c] = litera;
  k[215] = inny;  // multiplication sign
  k[247] = inny;  // division sign
  k['_'] = litera;  // "_" may stand wherever a letter may
  for (int c = '0'; c <= '9'; ++c) k[c] = cyfra;
  return k;
}();

inline bool litera_lub_podkreslnik(char c) { return klasy[static_cast<unsigned char>(c)] == litera; }
inline bool cyfra_dz(char c) { return klasy[static_cast<unsigned char>(c)] == cyfra; }
inline bool alfanum(char c) { return klasy[static_cast<unsigned char>(c)] != inny; }

// The digits denote a value above the largest integer, 2147483647.
bool poza_zakresem(std::string_view cyfry) {
  constexpr std::string_view max_int = "2147483647";
  std::size_t zera = cyfry.find_first_not_of('0');
  if (zera == std::string_view::npos) return false;
  cyfry.remove_prefix(zera);
  return cyfry.size() > max_int.size() || (cyfry.size() == max_int.size() && cyfry > max_int);
}

}  // namespace

osw_skan::osw_skan(std::ostream& konsola, std::size_t rozmiar_bloku)
    : konsola_(konsola),
      rozmiar_bloku_(std::max<std::size_t>(rozmiar_bloku, 2)),
      blok_(new char[rozmiar_bloku_]) {}

osw_skan::~osw_skan() {
  if (fd_ >= 0) ::close(fd_);
}

void osw_skan::otworz_plik_we(const std::string& nazwa) {
  nazwa_we_ = nazwa;
  int fd = ::open(nazwa.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    int e = errno;
    if (e == ENOENT) {
      // The message names a.ini whatever the file is called: it is the
      // converter's one input.
      konsola_ << '\n' << "*** Brak pliku we o nazwie 'a.ini' " << '\n';
    }
    throw Blad_Pliku(Blad_Pliku::Rodzaj::otwarcie, nazwa, e);
  }
  // A directory opens for reading; refuse it before any output is created.
  struct stat st;
  if (::fstat(fd, &st) == 0 && S_ISDIR(st.st_mode)) {
    ::close(fd);
    throw Blad_Pliku(Blad_Pliku::Rodzaj::otwarcie, nazwa, EISDIR);
  }
  fd_ = fd;
}

void osw_skan::zamknij_plik_we() {
  if (fd_ < 0) return;
  ::close(fd_);  // nothing was written, so nothing can be lost here
  fd_ = -1;
}

// Moves the bytes not yet taken to the front of the block and reads more
// after them. Returns false when nothing more could be read.
bool osw_skan::doladuj() {
  if (eof_ || fd_ < 0) return false;
  if (pocz_ > 0) {
    std::memmove(blok_.get(), blok_.get() + pocz_, kon_ - pocz_);
    kon_ -= pocz_;
    pocz_ = 0;
  }
  for (;;) {
    ssize_t n = ::read(fd_, blok_.get() + kon_, rozmiar_bloku_ - kon_);
    if (n > 0) {
      kon_ += static_cast<std::size_t>(n);
      return true;
    }
    if (n == 0) {
      eof_ = true;
      return false;
    }
    if (errno != EINTR) throw Blad_Pliku(Blad_Pliku::Rodzaj::odczyt, nazwa_we_, errno);
  }
}

// At least n bytes not yet taken, unless the file ends before them.
std::size_t osw_skan::zapewnij(std::size_t n) {
  while (kon_ - pocz_ < n && doladuj()) {
  }
  return kon_ - pocz_;
}

// Reads the next piece into linia_: a line, or the next dl_linii characters
// of a longer one. A line ends at LF or CR LF; a lone CR is an ordinary
// character. The piece that ends its line gets a '\n' after it when it is not
// empty. A NUL ends the input where it stands. Returns false when there is no
// further line.
bool osw_skan::czytaj_kawalek() {
  if (koniec_) return false;
  if (zapewnij(1) == 0) {
    koniec_ = true;
    return false;
  }
  ++nr_linii_;
  dlug_ = 0;
  for (;;) {
    if (zapewnij(1) == 0) {  // a last line without a terminator
      koniec_ = true;
      break;
    }
    const char* p = blok_.get() + pocz_;
    std::size_t ile = std::min(kon_ - pocz_, dl_linii - dlug_);
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', ile));
    std::size_t n = lf ? static_cast<std::size_t>(lf - p) : ile;
    std::memcpy(linia_ + dlug_, p, n);
    if (const void* nul = std::memchr(linia_ + dlug_, '\0', n)) {
      dlug_ = static_cast<std::size_t>(static_cast<const char*>(nul) - linia_);
      koniec_ = true;
      return true;
    }
    dlug_ += n;
    pocz_ += n;
    if (lf) {
      ++pocz_;
      if (dlug_ > 0 && linia_[dlug_ - 1] == '\r') --dlug_;
      break;
    }
    if (dlug_ == dl_linii) {
      // A full piece: the line ends here only if its terminator follows.
      std::size_t jest = zapewnij(2);
      const char* q = blok_.get() + pocz_;
      if (jest == 0) {
        koniec_ = true;
        break;
      }
      if (q[0] == '\n') {
        ++pocz_;
        if (linia_[dlug_ - 1] == '\r') --dlug_;
        break;
      }
      if (jest >= 2 && q[0] == '\r' && q[1] == '\n') {
        pocz_ += 2;
        break;
      }
      return true;  // the line goes on in the next piece
    }
  }
  if (dlug_ > 0) linia_[dlug_++] = '\n';
  return true;
}

char osw_skan::pobierz_z_nowej_linii() {
  do {
    if (!czytaj_kawalek()) {
      poz_ = dlug_;  // nothing of the dropped line is delivered any more
      return '\0';
    }
  } while (dlug_ == 0);
  poz_ = 1;
  return linia_[0];
}

void osw_skan::blad(int nr) {
  nr_bledu_skan_ = nr;
  throw Blad_Skanera{nr};
}

Token_Typ osw_skan::Skanuj() {
  Token_Typ tok;
  // White space and comments; a tab is not white space.
  for (;;) {
    if (zn_ == ' ' || zn_ == '\n') {
      bieg([](char c) { return c == ' ' || c == '\n'; });
      zn_ = pobierz_znak(false);
    } else if (zn_ == ';') {
      zn_ = pobierz_znak(true);
    } else {
      break;
    }
  }
  if (litera_lub_podkreslnik(zn_)) {
    nazwa(tok);
  } else if (cyfra_dz(zn_)) {
    liczba(tok);
  } else {
    switch (zn_) {
      case '"': napis(tok); return tok;
      case '=': tok.Kod = Token_Kod::ROWNE; break;
      case ',': tok.Kod = Token_Kod::PRZECINEK; break;
      case '[': tok.Kod = Token_Kod::LEWYNAWIASKW; break;
      case ']': tok.Kod = Token_Kod::PRAWYNAWIASKW; break;
      case '\0': tok.Kod = Token_Kod::KONIECPL; return tok;  // zn_ stays NUL
      default: blad(9);  // zn_ is not taken
    }
    zn_ = pobierz_znak(false);  // past the sign
  }
  return tok;
}

// Appends the lookahead and the run of characters after it that the piece
// holds; returns false when that would make the text longer than Dl_Tok.
template <class Pasuje>
bool osw_skan::dopisz_bieg(Token_Typ& tok, Pasuje pasuje) {
  if (tok.dl == Dl_Tok) return false;
  tok.Wart[tok.dl++] = zn_;
  std::string_view reszta = bieg(pasuje);
  if (reszta.size() > Dl_Tok - tok.dl) return false;
  std::memcpy(tok.Wart.data() + tok.dl, reszta.data(), reszta.size());
  tok.dl = static_cast<std::uint8_t>(tok.dl + reszta.size());
  return true;
}

// name = (letter | "_") { letter | digit | "_" }
void osw_skan::nazwa(Token_Typ& tok) {
  do {
    if (!dopisz_bieg(tok, alfanum)) blad(2);
    zn_ = pobierz_znak(false);
  } while (alfanum(zn_));
  tok.Kod = Token_Kod::NAZWA;
}

// number = digit { digit }, at most 2147483647
void osw_skan::liczba(Token_Typ& tok) {
  do {
    if (!dopisz_bieg(tok, cyfra_dz)) blad(3);
    zn_ = pobierz_znak(false);
  } while (cyfra_dz(zn_));
  tok.Kod = Token_Kod::LICZBA;
  // The value is only checked, never kept: the text goes out as written.
  if (poza_zakresem(tok.tekst())) throw Blad_Zakresu{};
}

// string = '"' (letter | "_") { letter | digit | "_" } '"'
void osw_skan::napis(Token_Typ& tok) {
  zn_ = pobierz_znak(false);
  if (zn_ == '\0') blad(0);
  if (!litera_lub_podkreslnik(zn_)) blad(4);
  for (;;) {
    // zn_ has passed the tests; a 101st character does not fit.
    if (!dopisz_bieg(tok, alfanum)) throw Blad_Zakresu{};
    zn_ = pobierz_znak(false);
    if (zn_ == '"') {
      zn_ = pobierz_znak(false);
      if (zn_ != '"') break;  // a doubled quote fails the test below
    }
    if (zn_ == '\0') blad(0);
    if (!alfanum(zn_)) blad(5);
  }
  tok.Kod = Token_Kod::NAPIS;
}

}  // namespace ostrew
