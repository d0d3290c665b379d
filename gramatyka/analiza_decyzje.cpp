#include "gramatyka/analiza_decyzje.h"

namespace bryzas_analiza {

Zbior Decyzja_Grupy::wejscie() const {
  Zbior z;
  for (const Zbior& w : wybierane) z.dodaj(w);
  return z;
}

analiza_decyzje::analiza_decyzje(const Gramatyka& g, const analiza_zbiory& zbiory)
    : g_(g), zbiory_(zbiory), deklarowany_(static_cast<std::size_t>(g.nieterminale.licz())) {
  for (const Linia_First& l : g.first)
    for (const Symbol& t : l.terminale) deklarowany_[static_cast<std::size_t>(l.nieterminal)].dodaj(t.nr);
  for (const Produkcja& p : g.produkcje) zbierz(p.prawa);
}

Zbior analiza_decyzje::test(const Ciag& galaz) const {
  const Element& e = galaz.front();
  bool pusty;
  if (e.rodzaj != Rodzaj_Elementu::symbol) return zbiory_.first_elementu(e, pusty);
  if (!e.symbol.terminal) return deklarowany(e.symbol.nr);
  Zbior z;
  z.dodaj(e.symbol.nr);
  return z;
}

Zbior analiza_decyzje::przewidywane(const Element& grupa, const Ciag& galaz, const Decyzja_Grupy& d) const {
  bool pusta;
  Zbior z = zbiory_.first_ciagu(galaz, 0, pusta);
  if (pusta && grupa.rodzaj == Rodzaj_Elementu::alternatywa) z.dodaj(d.za);
  return z;
}

void analiza_decyzje::zbierz(const Ciag& c) {
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
  }
}

}  // namespace bryzas_analiza
