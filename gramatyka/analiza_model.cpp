#include "gramatyka/analiza_model.h"

#include <algorithm>

namespace bryzas_analiza {

using bryzas::Token_Kod;

int Nazwy::wstaw(const std::string& n, Pozycja poz) {
  if (tablica_.wstaw_token(n)) pierwsze_wystapienie.push_back(poz);
  return znajdz(n);
}

bool Gramatyka::ma_sekcje(bryzas::Token_Kod rodzaj) const {
  return std::any_of(naglowek.begin(), naglowek.end(), [&](const Sekcja_Naglowka& s) { return s.rodzaj == rodzaj; });
}

std::vector<int> Gramatyka::produkcja_dla() const {
  std::vector<int> wynik(static_cast<std::size_t>(nieterminale.licz()), -1);
  for (std::size_t i = 0; i < produkcje.size(); ++i)
    wynik[static_cast<std::size_t>(produkcje[i].lewa)] = static_cast<int>(i);
  return wynik;
}

namespace {

Pozycja pozycja(const bryzas::Token_Typ& t) { return {t.linia, t.kol}; }

}  // namespace

// Only the last ++init_instr_po is used: each one before it is noted.
void Budowa_Modelu::naglowek(const Token_Typ& slowo, const Token_Typ& wstawka) {
  g_.naglowek.push_back({slowo.Kod, wstawka.Kod == Token_Kod::NAZWAT ? wstawka.Wart : wstawka_(wstawka),
                         pozycja(slowo), tekst_od(wstawka)});
  if (slowo.Kod != Token_Kod::INITINSTRPOKOD) return;
  if (init_instr_po_) g_.zbedne_init_instr_po.push_back(*init_instr_po_);
  init_instr_po_ = pozycja(slowo);
}

void Budowa_Modelu::lewa_strona(const Token_Typ& nazwa) {
  produkcja_ = Produkcja{};
  otwarte_.clear();
  produkcja_.poz = pozycja(nazwa);
  produkcja_.lewa = g_.nieterminale.wstaw(nazwa.Wart, produkcja_.poz);
}

void Budowa_Modelu::parametry(const Token_Typ& parametry) {
  produkcja_.parametry = parametry.Wart;
  produkcja_.poz_parametrow = pozycja(parametry);
  produkcja_.poz_tekstu_parametrow = tekst_od(parametry);
}

Symbol Budowa_Modelu::nazwa_(const Token_Typ& nazwa) {
  Symbol s;
  s.terminal = nazwa.Kod == Token_Kod::NAZWAT;
  s.poz = pozycja(nazwa);
  s.nr = (s.terminal ? g_.terminale : g_.nieterminale).wstaw(nazwa.Wart, s.poz);
  return s;
}

void Budowa_Modelu::symbol(const Token_Typ& nazwa, const Token_Typ& parametry, const Token_Typ& wstawka) {
  Element e;
  e.symbol = nazwa_(nazwa);
  e.poz = e.symbol.poz;
  if (parametry.Kod == Token_Kod::PARAMSYM) e.parametry = parametry.Wart;
  e.wstawka = wstawka_(wstawka);
  e.poz_wstawki = tekst_od(wstawka);
  e.poz_parametrow = tekst_od(parametry);
  ciag_().push_back(std::move(e));
}

// A group is open until its closing bracket: what comes in between goes
// into its last branch, groups opened there included.
void Budowa_Modelu::grupa(const Token_Typ& nawias) {
  Element& e = otwarte_.emplace_back();
  e.rodzaj = nawias.Kod == Token_Kod::LNAWKL   ? Rodzaj_Elementu::powtorzenie
             : nawias.Kod == Token_Kod::LNAWKW ? Rodzaj_Elementu::opcja
                                               : Rodzaj_Elementu::alternatywa;
  e.galezie.resize(1);
  e.poz = pozycja(nawias);
}

// A "|" with no group open divides a whole right side: what was read of it
// becomes the first branch of one group that the production's end closes.
void Budowa_Modelu::galaz() {
  if (otwarte_.empty()) {
    Element e;
    e.rodzaj = Rodzaj_Elementu::alternatywa;
    e.poz = produkcja_.prawa.front().poz;
    e.galezie.push_back(std::move(produkcja_.prawa));
    produkcja_.prawa.clear();
    otwarte_.push_back(std::move(e));
  }
  otwarte_.back().galezie.emplace_back();
}

void Budowa_Modelu::koniec_produkcji() {
  if (!otwarte_.empty()) koniec_grupy({});
  g_.produkcje.push_back(std::move(produkcja_));
}

void Budowa_Modelu::koniec_grupy(const Token_Typ&) {
  Element e = std::move(otwarte_.back());
  otwarte_.pop_back();
  ciag_().push_back(std::move(e));
}

void Budowa_Modelu::linia_first(const Token_Typ& nieterminal) {
  linia_first_ = Linia_First{};
  linia_first_.poz = pozycja(nieterminal);
  linia_first_.nieterminal = g_.nieterminale.wstaw(nieterminal.Wart, linia_first_.poz);
}

void Budowa_Modelu::terminal_first(const Token_Typ& terminal) { linia_first_.terminale.push_back(nazwa_(terminal)); }

std::string Budowa_Modelu::wstawka_(const Token_Typ& wstawka) {
  if (wstawka.Kod != Token_Kod::KODSYM) return {};
  if (!wstawka.granice.empty()) {
    Wstawka& w = g_.wstawki.emplace_back(Wstawka{pozycja(wstawka), wstawka.Wart, {}});
    for (const auto& gr : wstawka.granice) w.granice.push_back({gr.od, gr.linia});
  }
  return wstawka.Wart;
}

}  // namespace bryzas_analiza
