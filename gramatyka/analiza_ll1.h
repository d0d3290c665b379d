// Judges every choice the generated parser makes, on the sets it tests each
// branch on (see Analiza_Decyzje): two branches that share a token, an
// option or a repetition that shares one with what follows it. In today's
// notation those sets come from the FIRST section, which is held to the
// computed sets where the parser needs it: a nullable name at the start of
// a branch, a FIRST line missing or short. In the extended notation the
// parser computes them, and a FIRST section, when written, must equal them.
#pragma once

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "gramatyka/analiza_decyzje.h"
#include "gramatyka/analiza_dojscie.h"
#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"
#include "gramatyka/analiza_zbiory.h"
#include "gramatyka/analiza_zdania.h"

namespace bryzas_analiza {

class Analiza_Ll1 {
public:
  Analiza_Ll1(const Gramatyka& g, const Analiza_Zbiory& zbiory, const Analiza_Decyzje& decyzje,
              Analiza_Raport& raport);

  void sprawdz();

  // After sprawdz: the set that nonterminal n's FIRST line must hold for the
  // generated parser to take every group it begins when it should, its
  // computed FIRST and the tokens that follow it when it vanishes there (the
  // end of input cannot be written in a FIRST line and is left out).
  Zbior potrzebny_first(int n) const;

  // The errors that blame a choice of the parser, each with the choice and
  // the tokens it goes wrong on, what the parser does there instead, and
  // the ways a sentence can go there where the parser takes another.
  struct Do_Sprawdzenia {
    int komunikat;
    Podejrzenie podejrzenie;
    std::string co_robi;
    std::vector<Strona> strony;
  };
  const std::vector<Do_Sprawdzenia>& podejrzenia() const { return podejrzenia_; }

private:
  // What the groups tell about a nonterminal that begins one of them.
  struct Uzycie {
    bool zaczyna_grupe = false;
    Pozycja pierwsza_grupa;
    Zbior potrzebne;  // tokens needed in its set because it may be empty
  };

  void zbierz_deklaracje();
  void grupy(const Ciag& c);
  void opcja_lub_powtorzenie(const Element& e, const Decyzja_Grupy& d);
  void galezie(const Element& e, const Decyzja_Grupy& d);
  void pusty_na_poczatku(const Galaz& galaz, const Zbior& po_pierwszym);
  void zaczyna(const Galaz& galaz);
  void sekcja_first();
  void sekcja_first_rozszerzona();
  bool ma_linie(int n) const { return pierwsza_linia_[idx(n)].linia > 0; }
  static std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }

  const Gramatyka& g_;
  const Analiza_Zbiory& zbiory_;
  const Analiza_Decyzje& decyzje_;
  Analiza_Raport& raport_;
  std::vector<int> produkcja_dla_;

  // The FIRST section, per nonterminal: the position of its first line,
  // and where each terminal first stands in them.
  std::vector<Pozycja> pierwsza_linia_;
  std::map<std::pair<int, int>, Pozycja> poz_deklaracji_;
  std::vector<Uzycie> uzycie_;
  // The branches each nonterminal begins.
  std::vector<std::vector<Galaz>> zaczynane_;
  std::vector<Do_Sprawdzenia> podejrzenia_;
};

}  // namespace bryzas_analiza
