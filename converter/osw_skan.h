// Scanner of the converter: reads a.ini in large blocks and cuts the block
// into tokens where it lies; a token's text is a view into the block.
#pragma once

#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

#include "wspolne/blad_pliku.h"

namespace ostrew {

// Token kinds in their fixed order; token sets are indexed by position.
enum class Token_Kod : std::uint8_t {
  LEWYNAWIASKW,
  NAZWA,
  PRAWYNAWIASKW,
  ROWNE,
  PRZECINEK,
  NAPIS,
  LICZBA,
  PUSTY,  // never produced by the scanner
  KONIECPL,
};
constexpr int liczba_kodow = 9;

// Longest text of a name, string or number.
constexpr std::size_t Dl_Tok = 100;

struct Token_Typ {
  // The first dl characters at Wart are the text: the name for NAZWA, the
  // characters between the quotes for NAPIS, the digits for LICZBA; none
  // otherwise. They lie in the scanner's block and stay valid until the next
  // Skanuj; Osw_Skan::czytelne_za_tekstem bytes after them may be read too.
  const char* Wart = "";
  // Two bytes, so that the fields fill twelve and a copy is one word and a
  // half: eleven are copied in overlapping parts, and reading the pointer
  // back right after such a copy stalls.
  std::uint16_t dl = 0;
  Token_Kod Kod = Token_Kod::PUSTY;
  bool wysokie = false;  // the text holds a byte above 127

  std::string_view tekst() const { return {Wart, dl}; }
};

// A lexical error; nr is the error number the console shows.
struct Blad_Skanera {
  int nr;
};

namespace bledy_skanera {
constexpr int koniec_pliku = 0;
constexpr int za_dluga_nazwa = 2;
constexpr int za_dluga_liczba = 3;
constexpr int poczatek_napisu = 4;   // a string begins with no letter or "_"
constexpr int koniec_napisu = 5;     // a string goes on with no letter, digit, "_" or closing quote
constexpr int niedozwolony_znak = 9;
}  // namespace bledy_skanera

// A number above 2147483647 or a string longer than 100 characters: the
// value does not fit, which is not a lexical error.
struct Blad_Zakresu {};

// The input is a sequence of lines, each ended by LF or CR LF (a last line
// may have no terminator). A line longer than dl_linii characters counts as
// several, one per piece of dl_linii; the pieces follow each other directly.
// The character stream delivers one line feed after each non-empty line;
// empty lines deliver nothing. A NUL byte ends the input where it stands.
//
// The reader's position is the current character (the scanner's lookahead):
// the line count includes the piece that holds it. Between blocks the block
// keeps the last zachowaj bytes before the position, so the text of the
// token being read never moves out of it.
class Osw_Skan {
public:
  // Longest piece of a line that counts as one line.
  static constexpr std::size_t dl_linii = 1000;
  static constexpr std::size_t domyslny_blok = std::size_t{1} << 18;
  // Bytes after the end of a token's text that may be read.
  static constexpr std::size_t czytelne_za_tekstem = 32;

  // The console receives the report of a missing input file. The block size
  // is the amount asked of each read (at least 2 bytes).
  explicit Osw_Skan(std::ostream& konsola, std::size_t rozmiar_bloku = domyslny_blok);
  Osw_Skan(const Osw_Skan&) = delete;
  Osw_Skan& operator=(const Osw_Skan&) = delete;

  // Opens the input. A missing file is reported on the console (an empty
  // line and "*** Brak pliku we o nazwie '<nazwa>' ") and thrown as a
  // Blad_Pliku whose brak_pliku() is true; a file that cannot be opened or is
  // a directory throws Blad_Pliku too.
  void otworz_plik_we(const std::string& nazwa);
  void zamknij_plik_we();

  // Next token. Throws Blad_Skanera, Blad_Zakresu, or Blad_Pliku when the
  // file cannot be read.
  Token_Typ Skanuj();

  // Lines (pieces of at most dl_linii characters) read so far, empty ones
  // included.
  int nr_linii() const;
  // Number of the last lexical error.
  int Nr_Bledu_Skan() const { return nr_bledu_skan_; }

private:
  using Wsk = const unsigned char*;

  // Classes of ISO 8859-1 characters as the scanner tells them apart. The
  // first three are the characters of names, in this order, so that one
  // comparison tests for them; litera_8 marks the letters above 127.
  enum Klasa : std::uint8_t {
    litera,    // A to Z, a to z, and "_", which may stand wherever a letter may
    litera_8,  // codes 192 to 255 but the multiplication and division signs
    cyfra,
    cudzyslow,
    rowne,  // the four signs that are tokens, in the order of znaki
    przecinek,
    lewy,
    prawy,
    blank,
    lf,
    cr,
    srednik,
    nul,  // only after the data in the block
    inny,
  };
  static constexpr std::array<std::uint8_t, 256> klasy = [] {
    std::array<std::uint8_t, 256> k{};
    k.fill(inny);
    for (int c = 'A'; c <= 'Z'; ++c) k[c] = litera;
    for (int c = 'a'; c <= 'z'; ++c) k[c] = litera;
    k['_'] = litera;
    for (int c = 192; c <= 255; ++c) k[c] = litera_8;
    k[215] = inny;  // multiplication sign
    k[247] = inny;  // division sign
    for (int c = '0'; c <= '9'; ++c) k[c] = cyfra;
    k[' '] = blank;
    k['\n'] = lf;
    k['\r'] = cr;
    k[';'] = srednik;
    k['"'] = cudzyslow;
    k['='] = rowne;
    k[','] = przecinek;
    k['['] = lewy;
    k[']'] = prawy;
    k[0] = nul;
    return k;
  }();
  static constexpr Token_Kod znaki[] = {Token_Kod::ROWNE, Token_Kod::PRZECINEK,
                                        Token_Kod::LEWYNAWIASKW, Token_Kod::PRAWYNAWIASKW};
  static Klasa klasa(unsigned char c) { return static_cast<Klasa>(klasy[c]); }

  // Eight characters at a time: bit 7 of each byte of the mask tells whether
  // that character belongs to a name, or is a digit. The tests are sums
  // within the low seven bits of each byte, so no carry crosses into the
  // next one; bytes above 127 are told apart by their top bit.
  static constexpr std::uint64_t bajty(unsigned b) { return 0x0101010101010101u * b; }
  static constexpr std::uint64_t gorne = 0x8080808080808080u;
  // The eight bytes at p, the first in the lowest byte.
  static std::uint64_t slowo(Wsk p) {
    std::uint64_t w = 0;
    for (int i = 0; i < 8; ++i) w |= std::uint64_t{p[i]} << (8 * i);
    return w;
  }
  static std::uint64_t cyfry8(std::uint64_t w) {
    const std::uint64_t lo = w & ~gorne;
    return (lo + bajty(0x80 - '0')) & ~(lo + bajty(0x80 - '9' - 1)) & ~w & gorne;
  }
  static std::uint64_t nazwy8(std::uint64_t w) {
    const std::uint64_t lo = w & ~gorne, y = lo | bajty(0x20);  // y: a letter in lower case
    const std::uint64_t litera = (y + bajty(0x80 - 'a')) & ~(y + bajty(0x80 - 'z' - 1));
    const std::uint64_t cyfra = (lo + bajty(0x80 - '0')) & ~(lo + bajty(0x80 - '9' - 1));
    const std::uint64_t podkreslnik = ~((lo ^ bajty('_')) + bajty(0x7F));
    // From 192 on, but 215 and 247, whose low seven bits in lower case are 0x77.
    const std::uint64_t litera_8 = (lo + bajty(0x40)) & ((y ^ bajty(0x77)) + bajty(0x7F));
    return (((litera | cyfra | podkreslnik) & ~w) | (litera_8 & w)) & gorne;
  }
  // The length of the run that the mask starts with, up to 8; wysokie gets
  // the top bits of the run's bytes.
  static unsigned bieg8(std::uint64_t w, std::uint64_t maska, std::uint64_t& wysokie) {
    const std::uint64_t stop = ~maska & gorne;
    wysokie |= w & ((stop & (0 - stop)) - 1);
    return static_cast<unsigned>(std::countr_zero(stop)) / 8;
  }
  // The token rules, used by both ways of Skanuj. The characters of a name
  // (and of a string) from p on, to the first other one; the block's NUL
  // after the data stops the run. Bit 7 of wysokie tells whether one of
  // them is above 127.
  static Wsk bieg_nazwy(Wsk p, std::uint64_t& wysokie) {
    unsigned n;
    do {
      const std::uint64_t w = slowo(p);
      n = bieg8(w, nazwy8(w), wysokie);
      p += n;
    } while (n == 8);
    return p;
  }
  // The digits from p on.
  static Wsk bieg_cyfr(Wsk p) {
    unsigned n;
    do {
      n = static_cast<unsigned>(std::countr_zero(~cyfry8(slowo(p)) & gorne)) / 8;
      p += n;
    } while (n == 8);
    return p;
  }

  // The block keeps this many bytes before the position when it is refilled:
  // more than a token's text, its quote and the character after it.
  static constexpr std::size_t zachowaj = 128;
  static_assert(zachowaj >= Dl_Tok + 3, "the token being read stays in the block");
  // Room after the data: the line feed and NUL written after the last byte,
  // and the bytes that may be read after a token's text.
  static constexpr std::size_t zapas = 64;
  static_assert(zapas >= czytelne_za_tekstem + 2, "room after the data");

  unsigned char* blok() const { return blok_.get(); }
  Wsk kon() const { return kon_; }

  Wsk doladuj(Wsk p);
  Token_Typ skanuj_dalej();
  Wsk podglad(Wsk p) {
    return p + 1 < kon() || !moze_wiecej_ ? p : doladuj(p);
  }
  // A line terminator stands at t and ends before p: the pieces of the line
  // before t are counted, and the next line begins at p, if the input goes on.
  Wsk za_koncem_linii(Wsk t, Wsk p) {
    const auto dl = static_cast<std::ptrdiff_t>(dl_linii);
    if (t - blok() >= kaw_kon_ && w_linii_) {
      nr_linii_ += static_cast<int>((t - blok() - kaw_kon_ + dl - 1) / dl);
    }
    if (p < kon()) {
      ++nr_linii_;
      kaw_kon_ = (p - blok()) + dl;
      w_linii_ = true;
    } else {
      w_linii_ = false;
    }
    return p;
  }
  bool cr_lf(Wsk p) const { return *p == '\r' && p + 1 < kon() && p[1] == '\n'; }
  bool konczy_linie(Wsk p) const { return *p == '\n' || cr_lf(p); }
  int linie_do(Wsk p) const;
  Wsk koniec_kawalka(Wsk p);
  Wsk do_danych(Wsk p);
  void zakoncz(Wsk p);
  [[noreturn]] void blad(int nr, Wsk p);

  template <class Bieg>
  Wsk tekst(Wsk& pocz, Bieg bieg);
  Wsk nazwa(Wsk p, Token_Typ& tok);
  Wsk liczba(Wsk p, Token_Typ& tok);
  Wsk napis(Wsk p, Token_Typ& tok);

  std::ostream& konsola_;
  std::string nazwa_we_;
  wspolne::Deskryptor plik_;

  // The block: [0, dane_) holds bytes of the file (at first one line feed
  // that stands before the first line), followed by a NUL, or by a line
  // feed and a NUL when the file ends inside a line.
  std::size_t rozmiar_bloku_;
  std::unique_ptr<unsigned char[]> blok_;
  std::size_t dane_ = 1;
  Wsk kon_;  // the end of the data: blok() + dane_
  bool moze_wiecej_ = true;  // the file may hold more than the block
  bool nul_ = false;         // the input ends at a NUL byte
  unsigned char ostatni_ = '\n';  // the last byte read from the file

  Wsk p_;  // the current character
  bool w_linii_ = false;  // p_ lies in a line that has begun
  bool koniec_ = false;   // the end of the input has been delivered
  // Lines counted, up to the piece that ends at kaw_kon_ (a block index;
  // pieces after it that p_ has entered are counted by nr_linii()).
  int nr_linii_ = 0;
  std::ptrdiff_t kaw_kon_ = 0;
  int nr_bledu_skan_ = 0;
};

// Inlined wherever the parser takes a token: each place in the grammar then
// has branches of its own, whose outcomes are much alike (after a key comes
// "=", after "=" a value), and the call costs nothing.
[[gnu::always_inline]] inline Token_Typ Osw_Skan::Skanuj() {
  // The usual token comes at full speed: after blanks and line ends, short,
  // whole in the block with the two bytes after it at hand. Anything else
  // is left to skanuj_dalej, from the character where it begins.
  Wsk p = p_;
  Wsk kon = kon_;
  // One blank, the usual spacing, is passed without a branch.
  p += *p == ' ';
  unsigned k = klasy[*p];
  while (k >= blank) {
    if (k == blank) {
      ++p;
    } else if (k == lf && p + 1 < kon) {
      p = za_koncem_linii(p, p + 1);
    } else if (k == srednik) {
      p = koniec_kawalka(p);
      kon = kon_;  // it may have read on
    } else {
      break;
    }
    k = klasy[*p];
  }
  // The class table has vetted the first character of a text; the runs
  // start at the second, so a token is never empty.
  const Wsk pocz = p;
  if (k <= litera_8) {
    std::uint64_t wysokie = *p;
    p = bieg_nazwy(p + 1, wysokie);
    if (p + 1 < kon && static_cast<std::size_t>(p - pocz) <= Dl_Tok) {
      p_ = p;
      return {reinterpret_cast<const char*>(pocz), static_cast<std::uint16_t>(p - pocz),
              Token_Kod::NAZWA, (wysokie & gorne) != 0};
    }
  } else if (k == cyfra) {
    p = bieg_cyfr(p + 1);
    // Up to nine digits are always in range.
    if (p + 1 < kon && p - pocz < 10) {
      p_ = p;
      return {reinterpret_cast<const char*>(pocz), static_cast<std::uint16_t>(p - pocz),
              Token_Kod::LICZBA, false};
    }
  } else if (k == cudzyslow) {
    if (klasy[*++p] <= litera_8) {
      std::uint64_t wysokie = *p;
      p = bieg_nazwy(p + 1, wysokie);
      if (*p == '"' && p + 2 < kon && p[1] != '"' &&
          static_cast<std::size_t>(p - pocz - 1) <= Dl_Tok) {
        p_ = p + 1;
        return {reinterpret_cast<const char*>(pocz + 1), static_cast<std::uint16_t>(p - pocz - 1),
                Token_Kod::NAPIS, (wysokie & gorne) != 0};
      }
    }
  } else if (k <= prawy && p + 2 < kon) {
    p_ = p + 1;
    return {reinterpret_cast<const char*>(pocz), 0, znaki[k - rowne], false};
  }
  p_ = pocz;
  return skanuj_dalej();
}

}  // namespace ostrew
