// The token file P.tok: what the generated scanner recognises. Its reader
// turns the definitions into patterns over the 256 characters of ISO 8859-1
// and stops at the first error, which carries its number and place.
#pragma once

#include <array>
#include <bitset>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "gramatyka/bledy.h"
#include "gramatyka/czytnik_linii.h"

namespace bryzas {

using Zbior_Znakow = std::bitset<256>;

// A regular expression: one character out of a set, a sequence, a choice,
// an option [ ] or a repetition { } of its parts.
struct Wzor {
  enum class Rodzaj { znak, ciag, wybor, opcja, powtorzenie };
  Rodzaj rodzaj = Rodzaj::ciag;
  Zbior_Znakow znaki;
  std::vector<Wzor> czesci;
};

struct Definicja_Tokenu {
  std::string nazwa;  // as the grammar writes the terminal
  Wzor wzor;
  int linia = 0;
  int kol = 0;
  // A definition that is one string beginning with a letter: a keyword,
  // which beats every other token of its length.
  bool slowo_kluczowe = false;
  std::string napis;  // the keyword's text
};

struct Komentarz {
  std::string poczatek;
  std::string koniec;  // empty: the comment runs to the end of the line
  bool zagniezdzony = false;
};

struct Opis_Tokenow {
  Zbior_Znakow pomijane;  // blank, tab, line feed and carriage return unless set
  std::vector<Komentarz> komentarze;
  bool bez_wielkosci = false;  // keywords in any letter case
  std::string koniec;          // the token at the end of the input, or none
  int koniec_linia = 0;
  int koniec_kol = 0;
  std::vector<Definicja_Tokenu> tokeny;  // in the order of the file
};


// The one text a definition matches, when it matches one only (a keyword,
// a string of punctuation), for messages that spell a token as it is
// written; none otherwise.
std::optional<std::string> jeden_napis(const Definicja_Tokenu& d);

// Terminals as the messages spell them: the string that the token file
// defines one by, when it is one string, in double quotes, else its name in
// single quotes (without a token file, always); with the place of its
// definition among the file's (-1 without one).
struct Pisownia_Tokenu {
  std::string tekst;
  int miejsce;
};
std::vector<Pisownia_Tokenu> pisownie(const std::vector<std::string>& nazwy, const Opis_Tokenow* tokeny);

// The types and objects of a generated scanner body, which a token kind of
// the same name would clash with (its subprograms a token kind cannot hide).
inline constexpr std::array<std::string_view, 27> nazwy_skanera = {
    "Stan_Aut", "Klasa_Aut", "Rodzaj_Aut", "Klasy_Aut", "Przejscia_Aut", "Rodzaje_Aut",
    "Kody_Aut", "Komentarze_Aut", "Pomijane_Aut", "Zly_Znak_We", "Za_Dlugi_Token_We",
    "Komentarz_Bez_Konca_We", "Tekst_We", "C_We", "Rozmiar_We", "Bufor_Typ_We", "Bufor_We",
    "Dl_We", "Poz_We", "Linia_We", "Pocz_Linii_We", "Koniec_We", "Ostatni_We", "Token_Aut",
    "Dl_Token_Aut", "Tekst_Od_We", "Dl_Tekstu_We"};

// The nodes a definition may grow to once its helper names are replaced by
// their patterns, which keeps the automaton's construction short.
constexpr std::size_t max_wezlow_wzoru = 20000;

class Bryzas_Tok {
public:
  // Reads the file; a missing one is no token file (nullopt, no error).
  // Other file failures throw Blad_Pliku.
  std::optional<Opis_Tokenow> czytaj(const std::string& nazwa_pliku);

  const std::optional<Blad_Tokenow>& blad() const { return blad_; }
  // The lines read, for the listing.
  const std::vector<std::string>& linie() const { return linie_; }

private:
  enum class Sym { koniec, nazwa_tokenu, nazwa, napis, kod, opcja, rowna, kropka, kreska,
                   lnaw, pnaw, lnawkw, pnawkw, lnawkl, pnawkl, dwie_kropki };

  void nastepny();
  // The steps of nastepny: what separates symbols, then each kind of symbol
  // from its first character on.
  bool pomin_odstepy();
  bool znak_przestankowy(char c);
  void skanuj_nazwe_tokenu();
  void skanuj_nazwe();
  void skanuj_napis();
  void skanuj_kod();
  [[noreturn]] void blad(int nr) const;
  [[noreturn]] void blad_tu(int nr) const;
  void sprawdz(Sym s, int nr);

  void plik();
  void opcja();
  void definicja();
  Wzor wyrazenie();
  Wzor skladnik();
  Wzor czynnik();
  Zbior_Znakow znaki();
  std::string napis_opcji();
  bool dolicz(const Wzor& w);  // false once the definition is too big

  Czytnik_Linii czytnik_;
  std::vector<std::string> linie_;
  std::size_t nr_linii_ = 0;  // 1-based line of linia_ in linie_
  std::size_t poz_ = 0;       // next character of the current line
  // The current symbol, its text and place.
  Sym sym_ = Sym::koniec;
  std::string tekst_;
  int linia_sym_ = 0;
  int kol_sym_ = 0;
  std::map<std::string, Wzor, std::less<>> pomocnicze_;
  std::set<std::string> zdefiniowane_;  // tokens and helpers, one name space
  std::size_t wezly_ = 0;
  std::size_t licznik_sym_ = 0;  // symbols read so far
  int glebokosc_ = 0;            // brackets open in the current definition
  Opis_Tokenow opis_;
  std::optional<Blad_Tokenow> blad_;
};

}  // namespace bryzas
