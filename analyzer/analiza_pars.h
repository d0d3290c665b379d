// Recursive-descent parser of the grammar notation that builds the model
// instead of writing code. It accepts exactly what the generator accepts and
// stops at the same token with the same error number.
#pragma once

#include <string>
#include <utility>
#include <vector>
#include <string_view>

#include "analyzer/analiza_model.h"
#include "gramatyka/bledy_parsera.h"
#include "gramatyka/bryzas_skan.h"

namespace bryzas_analiza {

// A syntax error of the notation; its number (10 to 36) selects the message.
// A rule of the notation that the number alone does not tell comes as a note
// at the token that broke it.
struct Blad_Skladni {
  int nr;
  std::string uwaga;
  Pozycja poz_uwagi;
};

// The 201st production: the generator's table of left sides is full and it
// stops there, so the analysis stops too. `poz` is that left side's.
struct Za_Duzo_Produkcji {
  Pozycja poz;
};

// The generator's table of left sides.
constexpr std::size_t max_produkcji = 200;

class analiza_pars {
public:
  analiza_pars(bryzas::bryzas_skan& skan, Gramatyka& gramatyka);

  // Reads the whole file into the model. Throws Blad_Skladni or
  // Za_Duzo_Produkcji, and lets the scanner's Blad_Skanera and Blad_Pliku pass.
  void parsuj();

private:
  using Kod = bryzas::Token_Kod;

  void plik();
  void wstawka_po_slowie(int nr_bledu);
  void linia();
  void wyr(std::vector<Element>& prawa);
  void wyr1(std::vector<Element>& prawa);
  void opcjaw(std::vector<Element>& prawa);
  void opcjaj(std::vector<Element>& prawa);
  void wyralbo(std::vector<Element>& prawa);
  // A bracket of a group and the error when it is missing.
  struct Nawias {
    Kod kod;
    int nr_bledu;
  };
  void grupa_jednego_ciagu(std::vector<Element>& prawa, Rodzaj_Elementu rodzaj, Nawias otwarcie,
                           Nawias zamkniecie);
  void ciag_nazw(std::vector<Symbol>& ciag);
  Symbol nazwakod();
  Element grupa(Rodzaj_Elementu rodzaj) const;
  void blokfirst();
  void liniafirst();

  bool jest(Kod k) const { return tok.Kod == k; }
  bool jest_nazwa() const { return jest(Kod::NAZWAT) || jest(Kod::NAZWANT); }
  Pozycja poz() const { return {tok.linia, tok.kol}; }
  void nastepny() {
    tok = skan_.Skanuj();
    if (!jest(Kod::KODSYM) || tok.granice.empty()) return;
    Wstawka& w = g_.wstawki.emplace_back(Wstawka{poz(), tok.Wart, {}});
    for (const auto& gr : tok.granice) w.granice.push_back({gr.od, gr.linia});
  }
  // The current token must be of kind k, else syntax error nr; the second
  // form then moves past it.
  void sprawdz(Kod k, int nr) {
    if (!jest(k)) blad(nr);
  }
  void sprawdz_nastepny(Kod k, int nr) {
    sprawdz(k, nr);
    nastepny();
  }
  [[noreturn]] void blad(int nr) { throw Blad_Skladni{nr, {}, {}}; }
  [[noreturn]] void blad(int nr, std::string uwaga) { throw Blad_Skladni{nr, std::move(uwaga), poz()}; }
  // The rule of the header that the current token breaks.
  std::string regula_naglowka() const;
  void nie_zagniezdzaj(int nr);

  bryzas::bryzas_skan& skan_;
  Gramatyka& g_;
  bryzas::Token_Typ tok;  // the current lookahead token
  bryzas::Tablica_Symboli lewe_strony_{max_produkcji};
  std::vector<Kod> sekcje_;  // the header keywords read so far
};

}  // namespace bryzas_analiza
