#include "gramatyka/analiza_decyzje.h"

#include <deque>

namespace bryzas_analiza {

Zbior Decyzja_Grupy::wejscie() const {
  Zbior z;
  for (const Zbior& w : wybierane) z.dodaj(w);
  return z;
}

Analiza_Decyzje::Analiza_Decyzje(const Gramatyka& g, const Analiza_Zbiory& zbiory)
    : g_(g), zbiory_(zbiory), deklarowany_(static_cast<std::size_t>(g.nieterminale.licz())) {
  for (const Linia_First& l : g.first)
    for (const Symbol& t : l.terminale) deklarowany_[static_cast<std::size_t>(l.nieterminal)].dodaj(t.nr);
  for (const Produkcja& p : g.produkcje) zbierz(p.prawa);
  oczekiwane_potem();
}

Zbior Analiza_Decyzje::test(const Ciag& galaz) const {
  const Element& e = galaz.front();
  bool pusty;
  if (e.rodzaj != Rodzaj_Elementu::symbol) return zbiory_.first_elementu(e, pusty);
  if (!e.symbol.terminal) return deklarowany(e.symbol.nr);
  Zbior z;
  z.dodaj(e.symbol.nr);
  return z;
}

Zbior Analiza_Decyzje::przewidywane(const Element& grupa, const Ciag& galaz, const Decyzja_Grupy& d) const {
  bool pusta;
  Zbior z = zbiory_.first_ciagu(galaz, 0, pusta);
  if (pusta && grupa.rodzaj == Rodzaj_Elementu::alternatywa) z.dodaj(d.za);
  return z;
}

void Analiza_Decyzje::zbierz(const Ciag& c) {
  for (const Element& e : c) {
    if (e.rodzaj == Rodzaj_Elementu::symbol) continue;
    Decyzja_Grupy& d = decyzje_[&e];
    d.za = zbiory_.za(e);
    zbiory_.first_elementu(e, d.pusta);
    Zbior wziete;
    for (const Ciag& galaz : e.galezie) {
      bool pusta;
      zbiory_.first_ciagu(galaz, 0, pusta);
      d.puste.push_back(pusta);
      d.przewidywane.push_back(g_.rozszerzona ? przewidywane(e, galaz, d) : test(galaz));
      d.wybierane.push_back(d.przewidywane.back().bez(wziete));
      wziete.dodaj(d.przewidywane.back());
      zbierz(galaz);
    }
    d.brak_separatora = brak_separatora(e, d);
  }
}

Zbior Analiza_Decyzje::brak_separatora(const Element& e, const Decyzja_Grupy& d) const {
  if (!g_.rozszerzona || !g_.odtwarzanie() || e.rodzaj != Rodzaj_Elementu::powtorzenie || e.galezie.size() != 1)
    return {};
  const Ciag& c = e.galezie[0];
  if (c.size() < 2 || c[0].rodzaj != Rodzaj_Elementu::symbol || !c[0].symbol.terminal) return {};
  bool pusty = false;
  const Zbior za_separatorem = zbiory_.first_ciagu(c, 1, pusty);
  if (pusty) return {};
  Zbior wejscie;
  for (const Zbior& z : d.przewidywane) wejscie.dodaj(z);
  return za_separatorem.bez(d.za).bez(wejscie);
}

Reszta Analiza_Decyzje::reszta(const Ciag& c, std::size_t i, const Reszta& za) const {
  bool pusty = false;
  Reszta r{zbiory_.first_ciagu(c, i + 1, pusty), false};
  if (pusty) {
    r.tokeny.dodaj(za.tokeny);
    r.wywolujacy = za.wywolujacy;
  }
  return r;
}

Reszta Analiza_Decyzje::wnetrze(const Element& e, const Reszta& za) const {
  if (e.rodzaj != Rodzaj_Elementu::powtorzenie) return za;
  Reszta r = za;
  r.tokeny.dodaj(grupy(e).wejscie());
  return r;
}

// A production takes it when a repetition of its own goes round for a
// missing separator where the production can end after it, or when it
// calls one that takes it where it can end after the call: handed on from
// callee to caller.
void Analiza_Decyzje::oczekiwane_potem() {
  const std::size_t n = static_cast<std::size_t>(g_.nieterminale.licz());
  z_oczekiwanymi_potem_.assign(n, false);
  std::vector<std::vector<int>> wolajacy(n);  // by callee: callers that can end after the call
  std::deque<int> do_zrobienia;
  auto oznacz = [&](int nt) {
    if (z_oczekiwanymi_potem_[static_cast<std::size_t>(nt)]) return;
    z_oczekiwanymi_potem_[static_cast<std::size_t>(nt)] = true;
    do_zrobienia.push_back(nt);
  };
  for (const Produkcja& p : g_.produkcje) {
    auto przejdz = [&](auto&& sam, const Ciag& c, const Reszta& za) -> void {
      for (std::size_t i = 0; i < c.size(); ++i) {
        const Element& e = c[i];
        const Reszta r = reszta(c, i, za);
        if (e.rodzaj == Rodzaj_Elementu::symbol) {
          if (!e.symbol.terminal && r.wywolujacy) wolajacy[static_cast<std::size_t>(e.symbol.nr)].push_back(p.lewa);
          continue;
        }
        if (r.wywolujacy && !grupy(e).brak_separatora.pusty()) oznacz(p.lewa);
        for (const Ciag& galaz : e.galezie) sam(sam, galaz, wnetrze(e, r));
      }
    };
    przejdz(przejdz, p.prawa, Reszta{{}, true});
  }
  for (; !do_zrobienia.empty(); do_zrobienia.pop_front())
    for (int w : wolajacy[static_cast<std::size_t>(do_zrobienia.front())]) oznacz(w);
}

}  // namespace bryzas_analiza
