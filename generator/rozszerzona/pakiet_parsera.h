// The parser package of a grammar in the extended notation, written from
// its model once the analysis has found no error: one procedure per
// production, every choice decided on the predict sets of its branches
// with a case or a membership test, the end of the input checked after
// the start symbol.
//
// A syntax error lists exactly the tokens with which the input read so far
// could go on: those the check that failed wanted, and those that the
// choices made since the last token taken passed by (an option not
// entered, a loop left, a branch that can vanish taken), which the parser
// gathers as it goes (Pominiete). Unless the grammar turns it off, the
// parser goes on after a syntax error: each procedure is handed the tokens
// its callers can go on with (Stop), and an error skips to one of those or
// of the tokens its own procedure can go on with from there. With the
// switch Drzewo the parser prints the tree of the productions it enters and
// the tokens it takes.
#pragma once

#include <initializer_list>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/rozszerzona/plan.h"
#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/teksty_bledow.h"
#include "gramatyka/analiza_decyzje.h"
#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas::rozszerzona {

class Pakiet_Parsera {
public:
  Pakiet_Parsera(const Bryzas_Pak& pak, const Plan& plan);

  // Writes P_pars.ads and P_pars.adb.
  void pisz();
  // Where the text of each file came from in the grammar, once written.
  const Mapa_Zrodel& mapa_specyfikacji() const { return mapa_specyfikacji_; }
  const Mapa_Zrodel& mapa_tresci() const { return mapa_tresci_; }
  // What each error number of the body expected, once it is written.
  const std::vector<Opis_Bledu>& opisy_bledow() const { return opisy_bledow_; }

private:
  using Ciag = bryzas_analiza::Ciag;
  using Element = bryzas_analiza::Element;
  using Zbior = bryzas_analiza::Zbior;

  using Reszta = bryzas_analiza::Reszta;
  using Pozycja = bryzas_analiza::Pozycja;

  // The package: pakiet_parsera.cpp.
  void specyfikacja(Pisarz& w);
  void tresc(Pisarz& w);
  void cialo_pakietu(Pisarz& w);
  void produkcja(Pisarz& w, const bryzas_analiza::Produkcja& p);
  void parsuj(Pisarz& w);
  void koniec_parsuj(Pisarz& w);
  void rozbior(Pisarz& w);
  void od_startu_do_konca(Pisarz& w);
  void obsluga_wyjatkow(Pisarz& w);
  // The header sections of one kind, in the order of the file, and their
  // inserts written.
  std::vector<const bryzas_analiza::Sekcja_Naglowka*> naglowek(bryzas::Token_Kod rodzaj) const;
  void wstawki_naglowka(Pisarz& w, std::initializer_list<bryzas::Token_Kod> rodzaje);
  // The formal parameters added to a production's own.
  std::string_view dodatek_formalny(const bryzas_analiza::Produkcja& p) const;

  // The choices: pakiet_parsera_wybory.cpp. The statements of c from od on;
  // with pewny its first token is already known to be the one its first
  // terminal wants. dalej: the tokens with which the production goes on
  // after c (recovery skips to these and to the callers' Stop), za: what
  // follows c exactly.
  void ciag(Pisarz& w, const Ciag& c, std::size_t od, bool pewny, const Zbior& dalej, const Reszta& za);
  void element(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta& za);
  void terminal(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta* separator = nullptr);
  void wywolanie(Pisarz& w, const Element& e, const Zbior& po, const Reszta& za);
  void grupa(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta& za);
  void opcja(Pisarz& w, const Element& e, const Zbior& wnetrze, const Reszta& za);
  void powtorzenie(Pisarz& w, const Element& e, const Zbior& wnetrze, const Reszta& za);
  void alternatywa(Pisarz& w, const Element& e, bool pewny, const Zbior& po, const Reszta& za);
  // case Tok.Kod is ... end case: each branch on the tokens that take it;
  // inaczej the statements of the others choice, or the index of the
  // branch that takes every other token.
  void galezie(Pisarz& w, const Element& e, const Zbior& wnetrze, const Reszta& za, std::string_view inaczej,
               std::optional<std::size_t> domyslna = std::nullopt);
  // The tokens that take each branch of a group, an earlier branch
  // winning a token two could take, the end of the input as the end token.
  std::vector<Zbior> decyzje(const Element& e) const;
  Zbior wszystkie(const Element& e) const;
  // The token kinds of a set, and "X" or "X | Y": them as Ada choices.
  std::vector<std::string> nazwy(const Zbior& z) const;
  std::string wybor(const Zbior& z) const;
  // The end of the input as the end token, where the grammar names it.
  Zbior z_koncem(const Zbior& z) const;
  std::string warunek(const Zbior& z) const;
  // "Pominiete := Pominiete or Zbior (K);": the tokens of z passed by.
  void pominiete(Pisarz& w, const Zbior& z);
  // A new error number of the body, for what it expects at p.
  int nr_bledu(const Zbior& oczekiwane, bryzas_analiza::Pozycja p);

  // The procedures around the productions and the sets they use:
  // pakiet_parsera_pomocnicze.cpp.
  void pomocnicze(Pisarz& w);
  void zglaszanie_bledow(Pisarz& w);
  void drzewo(Pisarz& w);
  void nazwy_produkcji(Pisarz& w);
  void funkcja_nazw(Pisarz& w, std::string_view profil, std::string_view wartosc, std::string_view indeks,
                    const std::vector<std::string>& wybory, const std::vector<std::string>& nazwy, bool inne);
  void nastepny_token(Pisarz& w);
  bool zglasza_bledy() const;
  // "Stop or Zbior (K)" with the set z beside the callers' Stop, or "Stop".
  std::string stop_z(const Zbior& z);
  // The actual parameter Oczekiwane_Potem of a call followed by r.
  std::string po_z(const Reszta& r);
  // "Zbior (K)": the set's number in the table, given when first asked for.
  std::string zbior(const Zbior& z);
  int numer_zbioru(const Zbior& z);
  void tablice(Pisarz& w);
  void tablica_kodow(Pisarz& w);
  std::string agregat(const Zbior& z) const;
  // The next token after one taken as the grammar wants it.
  std::string_view skanuj() const;

  // The Ada text copied from the grammar: pakiet_parsera_ada.cpp. Each
  // piece is written with its place in the grammar, for the map of the file.
  bool klauzule_kontekstu(Pisarz& w, bool specyfikacja) const;
  // "N", or "N (P)" with the parameters P that the grammar holds at poz,
  // and with one more (dodatek, after odstep: "; " in a formal part, ", "
  // in an actual one); then the ending.
  void naglowek_procedury(Pisarz& w, const std::string& nazwa, const std::optional<std::string>& parametry,
                          Pozycja poz, std::string_view dodatek, std::string_view odstep,
                          std::string_view koniec) const;
  static std::string nazwy_parametrow(const std::string& formalne);
  void wstawka(Pisarz& w, const std::string& tekst, Pozycja poz);
  void wstawka(Pisarz& w, const Element& e) { wstawka(w, e.wstawka, e.poz_wstawki); }

  const Bryzas_Pak& pak_;
  const Plan& plan_;
  const bryzas_analiza::Gramatyka& g_;
  const bryzas_analiza::Analiza_Zbiory& zbiory_;
  const bryzas_analiza::Analiza_Decyzje& decyzje_;
  const std::string& koniec_;
  int nr_konca_;  // the end token's terminal number, or -1
  const bool odtwarzanie_;
  std::vector<Opis_Bledu> opisy_bledow_;
  std::vector<int> zbiory_bledow_;             // by error number: the set of what it expects
  std::map<std::string, int> numery_zbiorow_;  // by aggregate
  std::vector<std::string> agregaty_;          // the sets as aggregates, in number order
  std::vector<std::vector<std::string>> kody_zbiorow_;  // their token kinds
  Zbior koniec_wejscia_;
  Mapa_Zrodel mapa_specyfikacji_;
  Mapa_Zrodel mapa_tresci_;
};

}  // namespace bryzas::rozszerzona
