// Scanner of the converter: reads a.ini in large blocks, hands out its
// characters line by line and cuts them into tokens.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>

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
  Token_Kod Kod = Token_Kod::PUSTY;
  // The first dl characters are the text: the name for NAZWA, the characters
  // between the quotes for NAPIS, the digits for LICZBA; none otherwise.
  std::array<char, Dl_Tok> Wart{};
  std::uint8_t dl = 0;

  std::string_view tekst() const { return {Wart.data(), dl}; }
};

// A lexical error; nr is the error number the console shows.
struct Blad_Skanera {
  int nr;
};

// A number above 2147483647 or a string longer than 100 characters: the
// value does not fit, which is not a lexical error.
struct Blad_Zakresu {};

class osw_skan {
public:
  // Longest piece of a line that counts as one line.
  static constexpr std::size_t dl_linii = 1000;
  static constexpr std::size_t domyslny_blok = std::size_t{1} << 18;

  // The console receives the report of a missing input file. The block size
  // is the amount asked of each read (at least 2 bytes are used).
  explicit osw_skan(std::ostream& konsola, std::size_t rozmiar_bloku = domyslny_blok);
  ~osw_skan();
  osw_skan(const osw_skan&) = delete;
  osw_skan& operator=(const osw_skan&) = delete;

  // Opens the input. A missing file is reported on the console (an empty
  // line and "*** Brak pliku we o nazwie 'a.ini' ") and thrown as a
  // Blad_Pliku whose brak_pliku() is true; a file that cannot be opened or is
  // a directory throws Blad_Pliku too.
  void otworz_plik_we(const std::string& nazwa);
  void zamknij_plik_we();

  // Next token. Throws Blad_Skanera, Blad_Zakresu, or Blad_Pliku when the
  // file cannot be read.
  Token_Typ Skanuj();

  // Next character of the input; with nowa_linia the rest of the current line
  // is dropped first. Each non-empty line ends with one '\n' so that a line
  // end separates tokens; the pieces of a line longer than dl_linii follow
  // each other directly. Returns '\0' at the end of the input, and for good
  // once it has done so.
  char pobierz_znak(bool nowa_linia) {
    if (!nowa_linia && poz_ < dlug_) return linia_[poz_++];
    return pobierz_z_nowej_linii();
  }

  // Lines (pieces of at most dl_linii characters) read so far, empty ones
  // included.
  int nr_linii() const { return nr_linii_; }
  // Number of the last lexical error.
  int Nr_Bledu_Skan() const { return nr_bledu_skan_; }

private:
  char pobierz_z_nowej_linii();
  bool czytaj_kawalek();
  bool doladuj();
  std::size_t zapewnij(std::size_t n);
  [[noreturn]] void blad(int nr);

  // Takes at once the run of characters after the lookahead that satisfy
  // pasuje and lie in the current piece. The next call of pobierz_znak goes
  // on after them, into the next piece if the run ended this one.
  template <class Pasuje>
  std::string_view bieg(Pasuje pasuje) {
    std::size_t p = poz_;
    while (p < dlug_ && pasuje(linia_[p])) ++p;
    std::string_view s(linia_ + poz_, p - poz_);
    poz_ = p;
    return s;
  }
  template <class Pasuje>
  bool dopisz_bieg(Token_Typ& tok, Pasuje pasuje);

  void nazwa(Token_Typ& tok);
  void liczba(Token_Typ& tok);
  void napis(Token_Typ& tok);

  std::ostream& konsola_;
  std::string nazwa_we_;
  int fd_ = -1;

  // Bytes read from the file; [pocz_, kon_) are not yet taken into a line.
  std::size_t rozmiar_bloku_;
  std::unique_ptr<char[]> blok_;
  std::size_t pocz_ = 0;
  std::size_t kon_ = 0;
  bool eof_ = false;     // read() has reported the end of the file
  bool koniec_ = false;  // no further line will be read (end of file or NUL)

  // The current piece of a line and its line feed, if it ends the line.
  char linia_[dl_linii + 1];
  std::size_t dlug_ = 0;
  std::size_t poz_ = 0;  // characters of linia_ delivered so far

  char zn_ = ' ';  // lookahead: the next character not yet part of a token
  int nr_linii_ = 0;
  int nr_bledu_skan_ = 0;
};

}  // namespace ostrew
