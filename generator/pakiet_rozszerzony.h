// The parser package of a grammar in the extended notation, written from
// its model once the analysis has found no error: one procedure per
// production, every choice decided on the predict sets of its branches
// with a case or a membership test, the end of the input checked after
// the start symbol. Unless the grammar turns it off, the parser goes on
// after a syntax error: each procedure is handed the tokens its callers can
// go on with (Stop), and an error skips to one of those or of the tokens
// its own procedure can go on with from there.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/bryzas_pak.h"
#include "generator/pisarz.h"
#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_decyzje.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas {

class Pakiet_Rozszerzony {
public:
  // koniec: the end token, empty when there is none (then Skanuj gives
  // Pusty at the end and nothing checks that the input ends after the start
  // symbol); nazwy_tokenow: how a message spells each terminal, by number;
  // kolejnosc: where each stands among the tokens a message lists.
  Pakiet_Rozszerzony(bryzas_pak& pak, const bryzas_analiza::Gramatyka& g,
                     const bryzas_analiza::analiza_zbiory& zbiory,
                     const bryzas_analiza::analiza_decyzje& decyzje, std::string koniec,
                     std::vector<std::string> nazwy_tokenow, std::vector<int> kolejnosc);

  // Writes P_pars.ads and P_pars.adb, and leaves in pak.opisy_bledow what
  // each error number of the body expected.
  void pisz();

private:
  using Ciag = bryzas_analiza::Ciag;
  using Element = bryzas_analiza::Element;
  using Zbior = bryzas_analiza::Zbior;

  void specyfikacja(Pisarz& w);
  void tresc(Pisarz& w);
  void cialo_pakietu(Pisarz& w);
  void bledy_bez_odtwarzania(Pisarz& w);
  std::optional<std::string> formalne(const bryzas_analiza::Produkcja& p) const;
  void parsuj(Pisarz& w);
  void produkcja(Pisarz& w, const bryzas_analiza::Produkcja& p);
  // The statements of a sequence; with pewny its first token is already
  // known to be the one its first terminal wants.
  // dalej: the tokens with which the production goes on after c; po: after
  // the element. Recovery skips to these (and to the callers' Stop).
  void ciag(Pisarz& w, const Ciag& c, bool pewny, const Zbior& dalej);
  void element(Pisarz& w, const Element& e, bool pewny, const Zbior& po);
  void grupa(Pisarz& w, const Element& e, bool pewny, const Zbior& po);
  // The tokens that take each branch of a group, an earlier branch
  // winning a token two could take, the end of the input as the end token.
  std::vector<Zbior> decyzje(const Element& e) const;
  // The token kinds of a set, and "X" or "X | Y": them as Ada choices.
  std::vector<std::string> nazwy(const Zbior& z) const;
  std::string wybor(const Zbior& z) const;
  // The end of the input as the end token, where the grammar names it.
  Zbior z_koncem(const Zbior& z) const;
  std::string warunek(const Zbior& z) const;
  // A new error number of the body, for what it expects at p.
  int nr_bledu(const Zbior& oczekiwane, bryzas_analiza::Pozycja p);
  void wstawka(Pisarz& w, const std::string& tekst);
  Zbior brak_separatora(const Element& e) const;
  // "Stop or Dalej (K)" with the set z beside the callers' Stop, or "Stop".
  std::string stop_z(const Zbior& z);
  std::string dalej(const Zbior& z);
  void tablica_dalej(Pisarz& w);
  void tablica_dalej_kodami(Pisarz& w);
  std::string agregat(const Zbior& z) const;
  void pomocnicze(Pisarz& w);
  // The next token after one taken as the grammar wants it.
  std::string_view nastepny() const;
  std::string_view skanuj() const;
  bool klauzule_kontekstu(Pisarz& w, bool specyfikacja) const;
  void naglowek_procedury(Pisarz& w, const std::string& nazwa, const std::optional<std::string>& parametry,
                          std::string_view koniec) const;
  static std::string nazwy_parametrow(const std::string& formalne);
  // The parameters with one more: the formal part with a declaration after
  // "; ", the actual part with an expression after ", ".
  static std::optional<std::string> z_dodatkiem(const std::optional<std::string>& parametry,
                                                const std::string& dodatek, std::string_view odstep = "; ");
  std::vector<std::string> naglowek(bryzas::Token_Kod rodzaj) const;

  bryzas_pak& pak_;
  const bryzas_analiza::Gramatyka& g_;
  const bryzas_analiza::analiza_zbiory& zbiory_;
  const bryzas_analiza::analiza_decyzje& decyzje_;
  std::string koniec_;
  int nr_konca_;  // the end token's terminal number, or -1
  std::vector<std::string> nazwy_tokenow_;
  std::vector<int> kolejnosc_;
  int nr_bledu_ = 0;
  bool odtwarzanie_;
  std::map<std::string, int> numery_zbiorow_;  // by aggregate
  std::vector<std::string> zbiory_dalej_;       // aggregates, in number order
  std::vector<std::vector<std::string>> kody_dalej_;  // their token kinds
  Zbior koniec_wejscia_;
};

}  // namespace bryzas
