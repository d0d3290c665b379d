#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

namespace {

// FIRST of the items of v from od on: each adds its own while every item
// before it may be empty; pusty tells whether all of them may be.
template <class Element_Ciagu, class First>
Zbior first_kolejnych(const std::vector<Element_Ciagu>& v, std::size_t od, bool& pusty, First first) {
  Zbior z;
  pusty = true;
  for (std::size_t i = od; i < v.size() && pusty; ++i) z.dodaj(first(v[i], pusty));
  return z;
}

}  // namespace

bool Zbior::dodaj(int terminal) {
  auto i = static_cast<std::size_t>(terminal);
  if (i >= t_.size()) t_.resize(i + 1, false);
  if (t_[i]) return false;
  t_[i] = true;
  return true;
}

bool Zbior::dodaj_koniec() {
  if (koniec_) return false;
  koniec_ = true;
  return true;
}

bool Zbior::dodaj(const Zbior& z) {
  bool nowy = z.koniec_ && dodaj_koniec();
  for (std::size_t i = 0; i < z.t_.size(); ++i)
    if (z.t_[i] && dodaj(static_cast<int>(i))) nowy = true;
  return nowy;
}

bool Zbior::zawiera(int terminal) const {
  auto i = static_cast<std::size_t>(terminal);
  return i < t_.size() && t_[i];
}

bool Zbior::pusty() const { return !koniec_ && terminale().empty(); }

Zbior Zbior::przeciecie(const Zbior& z) const {
  Zbior w;
  for (int t : terminale())
    if (z.zawiera(t)) w.dodaj(t);
  if (koniec_ && z.koniec_) w.dodaj_koniec();
  return w;
}

Zbior Zbior::bez(const Zbior& z) const {
  Zbior w;
  for (int t : terminale())
    if (!z.zawiera(t)) w.dodaj(t);
  if (koniec_ && !z.koniec_) w.dodaj_koniec();
  return w;
}

std::vector<int> Zbior::terminale() const {
  std::vector<int> w;
  for (std::size_t i = 0; i < t_.size(); ++i)
    if (t_[i]) w.push_back(static_cast<int>(i));
  return w;
}

analiza_zbiory::analiza_zbiory(const Gramatyka& g)
    : g_(g),
      pusty_(static_cast<std::size_t>(g.nieterminale.licz()), false),
      first_(static_cast<std::size_t>(g.nieterminale.licz())),
      follow_(static_cast<std::size_t>(g.nieterminale.licz())) {
  licz_first();
  licz_follow();
}

Zbior analiza_zbiory::first_symbolu(const Symbol& s, bool& pusty) const {
  if (s.terminal) {
    pusty = false;
    Zbior z;
    z.dodaj(s.nr);
    return z;
  }
  // A name without a production derives nothing: empty FIRST, not nullable.
  pusty = pusty_[idx(s.nr)];
  return first_[idx(s.nr)];
}

Zbior analiza_zbiory::first_ciagu(const std::vector<Symbol>& s, std::size_t od,
                                  bool& pusty) const {
  return first_kolejnych(s, od, pusty, [this](const Symbol& x, bool& p) { return first_symbolu(x, p); });
}

Zbior analiza_zbiory::first_elementu(const Element& e, bool& pusty) const {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return first_symbolu(e.symbol, pusty);
    case Rodzaj_Elementu::opcja:
    case Rodzaj_Elementu::powtorzenie: {
      bool p;
      Zbior z = first_ciagu(e.galezie[0], 0, p);
      pusty = true;
      return z;
    }
    case Rodzaj_Elementu::alternatywa: {
      Zbior z;
      pusty = false;
      for (const auto& galaz : e.galezie) {
        bool p;
        z.dodaj(first_ciagu(galaz, 0, p));
        pusty = pusty || p;
      }
      return z;
    }
  }
  pusty = false;
  return {};
}

Zbior analiza_zbiory::first_elementow(const std::vector<Element>& v, std::size_t od,
                                      bool& pusty) const {
  return first_kolejnych(v, od, pusty, [this](const Element& x, bool& p) { return first_elementu(x, p); });
}

// Both grow monotonically, so repeating until nothing changes terminates.
// Grammars are mostly written top-down, so going from the last production
// to the first settles them in few rounds.
void analiza_zbiory::licz_first() {
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (auto it = g_.produkcje.rbegin(); it != g_.produkcje.rend(); ++it) {
      const Produkcja& p = *it;
      bool p_pusty;
      Zbior z = first_elementow(p.prawa, 0, p_pusty);
      if (first_[idx(p.lewa)].dodaj(z)) zmiana = true;
      if (p_pusty && !pusty_[idx(p.lewa)]) {
        pusty_[idx(p.lewa)] = true;
        zmiana = true;
      }
    }
  }
}

Zbior analiza_zbiory::za_elementem(const Produkcja& p, std::size_t i) const {
  bool reszta_pusta;
  Zbior z = first_elementow(p.prawa, i + 1, reszta_pusta);
  if (reszta_pusta) z.dodaj(follow_[idx(p.lewa)]);
  return z;
}

bool analiza_zbiory::rozszerz_follow(int nieterminal, const Zbior& z) {
  return follow_[idx(nieterminal)].dodaj(z);
}

void analiza_zbiory::licz_follow() {
  if (g_.produkcje.empty()) return;
  follow_[idx(g_.produkcje[0].lewa)].dodaj_koniec();
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const auto& p : g_.produkcje) {
      for (std::size_t i = 0; i < p.prawa.size(); ++i) {
        const Element& e = p.prawa[i];
        const Zbior za = za_elementem(p, i);
        if (e.rodzaj == Rodzaj_Elementu::symbol) {
          if (!e.symbol.terminal && rozszerz_follow(e.symbol.nr, za)) zmiana = true;
          continue;
        }
        // Inside a group the end of a sequence is followed by what follows
        // the group, and in a repetition also by the sequence once more.
        for (const auto& ciag : e.galezie) {
          Zbior za_ciagiem = za;
          if (e.rodzaj == Rodzaj_Elementu::powtorzenie) {
            bool p_pusty;
            za_ciagiem.dodaj(first_ciagu(ciag, 0, p_pusty));
          }
          for (std::size_t j = 0; j < ciag.size(); ++j) {
            if (ciag[j].terminal) continue;
            bool reszta_pusta;
            Zbior z = first_ciagu(ciag, j + 1, reszta_pusta);
            if (reszta_pusta) z.dodaj(za_ciagiem);
            if (rozszerz_follow(ciag[j].nr, z)) zmiana = true;
          }
        }
      }
    }
  }
}

}  // namespace bryzas_analiza
