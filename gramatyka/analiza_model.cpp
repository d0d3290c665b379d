#include "gramatyka/analiza_model.h"

namespace bryzas_analiza {

using bryzas::Token_Kod;

int Nazwy::wstaw(const std::string& n, Pozycja poz) {
  if (tablica_.wstaw_token(n)) pierwsze_wystapienie.push_back(poz);
  return znajdz(n);
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
  wstawka_(wstawka);
  if (slowo.Kod != Token_Kod::INITINSTRPOKOD) return;
  if (init_instr_po_) g_.zbedne_init_instr_po.push_back(*init_instr_po_);
  init_instr_po_ = pozycja(slowo);
}

void Budowa_Modelu::lewa_strona(const Token_Typ& nazwa) {
  produkcja_ = Produkcja{};
  produkcja_.poz = pozycja(nazwa);
  produkcja_.lewa = g_.nieterminale.wstaw(nazwa.Wart, produkcja_.poz);
}

Symbol Budowa_Modelu::nazwa_(const Token_Typ& nazwa) {
  Symbol s;
  s.terminal = nazwa.Kod == Token_Kod::NAZWAT;
  s.poz = pozycja(nazwa);
  s.nr = (s.terminal ? g_.terminale : g_.nieterminale).wstaw(nazwa.Wart, s.poz);
  return s;
}

// A name goes into the branch of the open group, or stands alone.
void Budowa_Modelu::symbol(const Token_Typ& nazwa, const Token_Typ& wstawka) {
  const Symbol s = nazwa_(nazwa);
  wstawka_(wstawka);
  if (grupa_) {
    grupa_->galezie.back().push_back(s);
    return;
  }
  Element e;
  e.symbol = s;
  e.poz = s.poz;
  produkcja_.prawa.push_back(std::move(e));
}

void Budowa_Modelu::grupa(const Token_Typ& nawias) {
  grupa_.emplace();
  grupa_->rodzaj = nawias.Kod == Token_Kod::LNAWKL   ? Rodzaj_Elementu::powtorzenie
                   : nawias.Kod == Token_Kod::LNAWKW ? Rodzaj_Elementu::opcja
                                                     : Rodzaj_Elementu::alternatywa;
  grupa_->galezie.resize(1);
  grupa_->poz = pozycja(nawias);
}

void Budowa_Modelu::koniec_grupy(const Token_Typ&) {
  produkcja_.prawa.push_back(std::move(*grupa_));
  grupa_.reset();
}

void Budowa_Modelu::linia_first(const Token_Typ& nieterminal) {
  linia_first_ = Linia_First{};
  linia_first_.poz = pozycja(nieterminal);
  linia_first_.nieterminal = g_.nieterminale.wstaw(nieterminal.Wart, linia_first_.poz);
}

void Budowa_Modelu::terminal_first(const Token_Typ& terminal) { linia_first_.terminale.push_back(nazwa_(terminal)); }

void Budowa_Modelu::wstawka_(const Token_Typ& wstawka) {
  if (wstawka.Kod != Token_Kod::KODSYM || wstawka.granice.empty()) return;
  Wstawka& w = g_.wstawki.emplace_back(Wstawka{pozycja(wstawka), wstawka.Wart, {}});
  for (const auto& gr : wstawka.granice) w.granice.push_back({gr.od, gr.linia});
}

}  // namespace bryzas_analiza
