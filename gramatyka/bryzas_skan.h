// Scanner of the grammar notation: reads P.gpa line by line, lists every
// line numbered, cuts the text into tokens and collects the names.
#pragma once

#include <array>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gramatyka/bledy.h"
#include "gramatyka/czytnik_linii.h"
#include "gramatyka/tablica_symboli.h"
#include "wspolne/plik_wy.h"

namespace bryzas {

// Token kinds in their fixed order; token sets are indexed by position.
enum class Token_Kod {
  KODSYM,
  KONIECPL,
  ROWNA,
  KROPKA,
  LNAWKL,
  PNAWKL,
  LNAWKW,
  PNAWKW,
  KRESKAPION,
  LNAW,
  PNAW,
  NAZWAT,
  NAZWANT,
  PROCENT2,
  DWUKROPEK,
  WITHUSEKOD,
  INITDEKLKOD,
  INITINSTRKOD,
  INITINSTRPRZEDKOD,
  INITINSTRPOKOD,
  PAKDEKLKOD,
  EXCEPTSKANKOD,
  EXCEPTPARSKOD,
  PUSTY,
  // The extended notation's: its marker, then keywords of its own.
  ROZSZERZONA,
  WITHKOD,
  KONIECKOD,
  BEZODTWARZANIAKOD,
  PARAMSYM,  // "<$ ... $>": the parameters of a nonterminal
};

// Longest text of a name, section keyword or code insert.
constexpr std::size_t dl_tok = 100;

// Where in the text of a code insert a new line of the grammar began, and
// that line's number: an insert written over several lines is joined with
// nothing between the lines.
struct Granica_Wstawki {
  std::size_t od;
  int linia;
};

struct Token_Typ {
  Token_Kod Kod = Token_Kod::PUSTY;
  // The token's text without the blank padding of its 100-character field:
  // the name for NAZWAT/NAZWANT, the keyword as typed for the section kinds,
  // the text between "#$" and "$#" (blanks kept) for KODSYM, and between
  // "<$" and "$>" for PARAMSYM, else empty.
  std::string Wart;
  // Line and column of the token's first character (0 for KONIECPL at the
  // very start). Not used by the generator itself; the analyser reports by it.
  int linia = 0;
  int kol = 0;
  // Where the token's first character stands in the file, in bytes.
  std::size_t bajt = 0;
  // Of a KODSYM: the lines it was written over after its first.
  std::vector<Granica_Wstawki> granice;
};


class Bryzas_Skan {
public:
  // The tables, when there are, receive every name. A file that begins with
  // ++rozszerzona is read in the extended notation from its second token on.
  explicit Bryzas_Skan(Tablice_Symboli* symbole);
  ~Bryzas_Skan();
  Bryzas_Skan(const Bryzas_Skan&) = delete;
  Bryzas_Skan& operator=(const Bryzas_Skan&) = delete;

  // Opens the grammar file. A missing file throws Blad_Pliku whose
  // brak_pliku() is true; a file that exists but cannot be read throws
  // Blad_Pliku too (at open or at the first read).
  void otworz(const std::string& plik_we);
  void zamknij();

  // The lines read go to the listing from now on, those read before first.
  // Until a listing is given they are kept (see linie).
  void listuj(wspolne::Plik_Wy& pl_lst);
  // The lines read while no listing was given, each as read (a long line
  // in pieces), for a listing written later.
  const std::vector<std::string>& linie() const { return linie_; }
  // Reads the lines after the last one read, as they stand (a NUL byte,
  // which ends the tokens, ends nothing here), to keep the whole file for a
  // listing written later.
  void czytaj_reszte();

  // Reads the first token ahead, to tell the notation: the next Skanuj
  // returns it, or throws what reading it threw. The marker's kind, or
  // another one (PUSTY when the token could not be read).
  Token_Kod pierwszy();

  // Next token; throws Blad_Skanera.
  Token_Typ Skanuj();

  // Position of the lookahead character (see the error reports).
  int nr_linii = 0;
  int nr_kol = 0;

private:
  // Character reader: the next character of the file, or NUL once the input
  // has ended; with nowa_linia the rest of the current line is dropped.
  // Inside the current line, the common case, nothing more is done.
  char podaj_znak(bool nowa_linia) {
    if (nowa_linia || poz_ == dlug_ || koniec_we_) return znak_z_nowej_linii(nowa_linia);
    const char c = linia_[static_cast<std::size_t>(poz_++)];
    nr_kol = poz_;
    // A NUL byte ends the input as the end of the file does.
    if (c == '\0') koniec_we_ = true;
    return c;
  }
  char znak_z_nowej_linii(bool nowa_linia);
  void listuj_linie();
  void listuj_linie(int nr, std::string_view linia);
  Token_Typ czytaj_token();
  void pomin_separatory();
  void nazwa(char ogranicznik, int nr_bledu, Tablica_Symboli* tablica);
  Token_Kod slowo_sekcji();
  void wstawka(char zamkniecie, int brak_dolara);
  void dopisz(char c);
  template <class Warunek>
  void dopisz_bieg(Warunek pasuje);
  [[noreturn]] void blad(int nr);

  wspolne::Plik_Wy* pl_lst_ = nullptr;  // the listing, once given
  std::vector<std::string> linie_;  // the lines read before it
  Tablice_Symboli* symbole_;  // the name tables, if any
  // The first token read ahead, or what reading it threw.
  std::optional<Token_Typ> pierwszy_;
  std::exception_ptr blad_pierwszego_;
  Czytnik_Linii pl_we_;
  Czytnik_Linii::Linia linia_{};
  int dlug_ = 0;
  int poz_ = 0;
  std::size_t pocz_linii_ = 0;  // where the line in linia_ begins in the file
  // Set once the reader has returned NUL for the end of the file or for a NUL
  // byte in a line: from then on it returns NUL and reads nothing more.
  bool koniec_we_ = false;
  bool linia_z_nul_ = false;
  bool rozszerzona_ = false;
  bool pierwszy_token_ = true;
  char zn_ = ' ';  // lookahead: the next character not yet part of a token
  std::string tekst_;  // text of the token being collected
  std::vector<Granica_Wstawki> granice_;  // of the insert being collected
};

}  // namespace bryzas
