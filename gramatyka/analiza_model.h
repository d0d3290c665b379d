// Model of one grammar as the analyser sees it: the productions with their
// groups (nested to any depth), the FIRST section, and every symbol with the
// line and column of its first character. Names are numbered by first
// appearance anywhere in the file, terminals and nonterminals separately, as
// the generator numbers them.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "gramatyka/odbiorca.h"
#include "gramatyka/pozycja.h"
#include "gramatyka/tablica_symboli.h"

namespace bryzas_analiza {

using bryzas::Pozycja;

// One occurrence of a name; nr indexes the terminal or nonterminal list.
struct Symbol {
  bool terminal = false;
  int nr = 0;
  Pozycja poz;
};

enum class Rodzaj_Elementu { symbol, opcja, powtorzenie, alternatywa };

// One element of a right-hand side. A symbol keeps its name in `symbol`; a
// group holds its branches in `galezie`, each a sequence of elements, so
// that groups nest. An option or a repetition has one branch or more (what
// it holds may choose with "|"), an alternative one or more (with one it
// only groups); no branch is empty. `poz` is the symbol's position or that of the opening
// bracket; `wstawka` the code written after the name or the closing
// bracket, empty when none.
struct Element {
  Rodzaj_Elementu rodzaj = Rodzaj_Elementu::symbol;
  Symbol symbol;
  std::vector<std::vector<Element>> galezie;
  Pozycja poz;
  std::string wstawka;
  // Of a nonterminal: its actual parameters, as written between "<$" and "$>".
  std::optional<std::string> parametry;
  // Where the texts of the insert and of the parameters begin: the
  // character after "#$" and "<$".
  Pozycja poz_wstawki;
  Pozycja poz_parametrow;
};

using Ciag = std::vector<Element>;

// One branch of a group, as the analysis names a choice of the parser.
struct Galaz {
  const Element* grupa = nullptr;
  std::size_t nr = 0;

  const Ciag& ciag() const { return grupa->galezie[nr]; }
  friend bool operator==(const Galaz&, const Galaz&) = default;
};

// Calls f on the element of every symbol of the sequence, those in groups
// at any depth included, in the order they are written.
template <class F>
void dla_elementow_symboli(const Ciag& ciag, F&& f) {
  for (const Element& e : ciag) {
    if (e.rodzaj == Rodzaj_Elementu::symbol) f(e);
    for (const Ciag& galaz : e.galezie) dla_elementow_symboli(galaz, f);
  }
}

// The same, with the symbol alone.
template <class F>
void dla_symboli(const Ciag& ciag, F&& f) {
  dla_elementow_symboli(ciag, [&](const Element& e) { f(e.symbol); });
}

struct Produkcja {
  int lewa = 0;  // nonterminal number
  Pozycja poz;   // of the left side
  std::optional<std::string> parametry;  // the formal part, as written
  Pozycja poz_parametrow;
  std::string deklaracje;          // the insert after the left side
  std::string wstawka_poczatkowa;  // the insert after "="
  Ciag prawa;
  // Where the texts of the two inserts and of the parameters begin (the
  // character after "#$" and "<$").
  Pozycja poz_deklaracji;
  Pozycja poz_wstawki_poczatkowej;
  Pozycja poz_tekstu_parametrow;
};

struct Linia_First {
  int nieterminal = 0;
  Pozycja poz;  // of the nonterminal that opens the line
  std::vector<Symbol> terminale;
};

// A list of names numbered from 0 by first appearance, each with the
// position where it first occurs.
struct Nazwy {
  std::vector<Pozycja> pierwsze_wystapienie;

  int licz() const { return tablica_.licz(); }
  const std::string& nazwa(int nr) const { return tablica_.nazwy()[static_cast<std::size_t>(nr)]; }
  const std::vector<std::string>& nazwy() const { return tablica_.nazwy(); }
  // The number of the name, entered at `poz` when it is new.
  int wstaw(const std::string& n, Pozycja poz);
  // The number of the name, or -1.
  int znajdz(const std::string& n) const { return tablica_.znajdz(n); }

private:
  bryzas::Tablica_Symboli tablica_{bryzas::Tablica_Symboli::bez_granic};
};

// A code insert: where it stands, its joined text, and where in the text
// each further line of the grammar began, with that line's number.
struct Wstawka {
  struct Granica {
    std::size_t od;
    int linia;
  };
  Pozycja poz;
  std::string tekst;
  std::vector<Granica> granice;
};

// A header section: its keyword (KODSYM for the insert without one) and its
// insert, or for ++koniec its terminal.
struct Sekcja_Naglowka {
  bryzas::Token_Kod rodzaj;
  std::string tekst;
  Pozycja poz;
  Pozycja poz_tekstu;  // of the insert's first character, after "#$"
};

struct Gramatyka {
  // Read in the extended notation: the parser decides every choice on the
  // sets it computes, and the FIRST section, optional, must equal them.
  bool rozszerzona = false;
  std::vector<Sekcja_Naglowka> naglowek;  // in the order of the file
  Nazwy terminale;
  Nazwy nieterminale;
  std::vector<Produkcja> produkcje;  // the first one defines the start symbol
  std::vector<Linia_First> first;
  std::vector<Wstawka> wstawki;  // those of more than one line
  std::vector<Pozycja> zbedne_init_instr_po;  // each ++init_instr_po but the last

  // For each nonterminal, the index of its production, or -1.
  std::vector<int> produkcja_dla() const;
  // Whether the header has a section of this kind.
  bool ma_sekcje(bryzas::Token_Kod rodzaj) const;
  // Whether the generated parser goes on after a syntax error: unless the
  // header turns recovery off or hands the first error to a handler of its
  // own (++except_pars).
  bool odtwarzanie() const {
    return !ma_sekcje(bryzas::Token_Kod::BEZODTWARZANIAKOD) && !ma_sekcje(bryzas::Token_Kod::EXCEPTPARSKOD);
  }
};

// Builds the model from what the parser of the notation tells, in the order
// it reads the file.
class Budowa_Modelu : public bryzas::Odbiorca {
public:
  explicit Budowa_Modelu(Gramatyka& g) : g_(g) {}

private:
  using Token_Typ = bryzas::Token_Typ;

  void rozszerzona() override { g_.rozszerzona = true; }
  void naglowek(const Token_Typ& slowo, const Token_Typ& wstawka) override;
  void koniec_czesci(bryzas::Czesc_Naglowka) override {}
  void lewa_strona(const Token_Typ& nazwa) override;
  void parametry(const Token_Typ& parametry) override;
  void deklaracje(const Token_Typ& wstawka) override {
    produkcja_.deklaracje = wstawka_(wstawka);
    produkcja_.poz_deklaracji = tekst_od(wstawka);
  }
  void cialo() override {}
  void wstawka_poczatkowa(const Token_Typ& wstawka) override {
    produkcja_.wstawka_poczatkowa = wstawka_(wstawka);
    produkcja_.poz_wstawki_poczatkowej = tekst_od(wstawka);
  }
  void koniec_produkcji() override;
  void po_pierwszej_produkcji() override {}
  void symbol(const Token_Typ& nazwa, const Token_Typ& parametry, const Token_Typ& wstawka) override;
  void grupa(const Token_Typ& nawias) override;
  void galaz() override;
  void koniec_grupy(const Token_Typ& nawias) override;
  void wstawka_po_grupie(const Token_Typ& wstawka) override {
    ciag_().back().wstawka = wstawka_(wstawka);
    ciag_().back().poz_wstawki = tekst_od(wstawka);
  }
  void po_produkcjach() override {}
  void brak_sekcji_first() override {}
  void linia_first(const Token_Typ& nieterminal) override;
  void terminal_first(const Token_Typ& terminal) override;
  void koniec_terminali_first() override { g_.first.push_back(std::move(linia_first_)); }
  void koniec_first() override {}

  // The insert's text, empty for none; one written over more than one line
  // is kept for the checks of inserts.
  std::string wstawka_(const Token_Typ& wstawka);
  // Where the text of an insert or of parameters begins: after its "#$" or "<$".
  static Pozycja tekst_od(const Token_Typ& t) { return {t.linia, t.kol + 2}; }
  Symbol nazwa_(const Token_Typ& nazwa);
  // The sequence the next element joins: the last branch of the innermost
  // open group, or the right side.
  Ciag& ciag_() { return otwarte_.empty() ? produkcja_.prawa : otwarte_.back().galezie.back(); }

  Gramatyka& g_;
  Produkcja produkcja_;
  std::vector<Element> otwarte_;  // the groups open, the innermost last
  Linia_First linia_first_;
  std::optional<Pozycja> init_instr_po_;  // the last ++init_instr_po so far
};

}  // namespace bryzas_analiza
