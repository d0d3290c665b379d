#include "gramatyka/analiza_zdania.h"

#include <algorithm>
#include <unordered_map>

namespace bryzas_analiza {

namespace {

constexpr int koniec_wejscia = -1;
// Deeper than any sentence of max_dlugosc tokens can need without a left
// recursion or a nullable loop, which would never end.
constexpr int max_glebokosc = 200;

// How a run leaves the parser's code: a syntax error, no end at all, or a
// call of a nonterminal kept out.
struct Odrzucone {};
struct Bez_Konca {};
struct Wykluczony {
  int nieterminal;
};

std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }

}  // namespace

Analiza_Zdania::Analiza_Zdania(const Gramatyka& g, const Analiza_Decyzje& decyzje, std::vector<bool> wykluczone)
    : g_(g), decyzje_(decyzje), produkcja_dla_(g.produkcja_dla()), wykluczone_(std::move(wykluczone)) {
  wykluczone_.resize(idx(g.nieterminale.licz()), false);
}

// --- the sentences -----------------------------------------------------------

Analiza_Zdania::Zdania Analiza_Zdania::polacz(const Zdania& a, const Zdania& b) {
  Zdania w(granica_ + 1);
  for (std::size_t la = 0; la < a.size(); ++la)
    for (std::size_t lb = 0; la + lb <= limit_ && lb < b.size(); ++lb)
      for (const auto& x : a[la])
        for (const auto& y : b[lb]) {
          if (++kroki_ > max_krokow) {
            obciete_ = true;
            return w;
          }
          std::vector<int> z = x;
          z.insert(z.end(), y.begin(), y.end());
          w[la + lb].insert(std::move(z));
        }
  return w;
}

Analiza_Zdania::Zdania Analiza_Zdania::zdania_symbolu(const Symbol& s) {
  if (!s.terminal) return zdania_[idx(s.nr)];
  Zdania w(granica_ + 1);
  if (limit_ >= 1) w[1].insert(std::vector<int>{s.nr});
  return w;
}

Analiza_Zdania::Zdania Analiza_Zdania::zdania_ciagu(const Ciag& ciag) {
  Zdania w(granica_ + 1);
  w[0].insert(std::vector<int>{});
  for (const Element& e : ciag) w = polacz(w, zdania_elementu(e));
  return w;
}

// Those of every branch of the group.
Analiza_Zdania::Zdania Analiza_Zdania::zdania_galezi(const Element& e) {
  Zdania w(granica_ + 1);
  for (const Ciag& galaz : e.galezie) {
    const Zdania z = zdania_ciagu(galaz);
    for (std::size_t l = 0; l <= granica_; ++l) w[l].insert(z[l].begin(), z[l].end());
  }
  return w;
}

Analiza_Zdania::Zdania Analiza_Zdania::zdania_elementu(const Element& e) {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return zdania_symbolu(e.symbol);
    case Rodzaj_Elementu::opcja: {
      Zdania w = zdania_galezi(e);
      w[0].insert(std::vector<int>{});
      return w;
    }
    case Rodzaj_Elementu::powtorzenie: {
      // Each round adds one more turn of the loop.
      const Zdania raz = zdania_galezi(e);
      Zdania w(granica_ + 1);
      w[0].insert(std::vector<int>{});
      for (std::size_t i = 0; i < limit_; ++i) {
        const Zdania dalej = polacz(raz, w);
        for (std::size_t l = 0; l <= granica_; ++l) w[l].insert(dalej[l].begin(), dalej[l].end());
      }
      return w;
    }
    case Rodzaj_Elementu::alternatywa:
      return zdania_galezi(e);
  }
  return Zdania(granica_ + 1);
}

// Every nonterminal's sentences up to granica_ tokens less the fewest that
// stand around it in a sentence of the start symbol, grown until none grows
// any more (each round can only add): the longer ones are part of no
// sentence that the search tries. A kept-out one has none, and so has one
// that stands in none of these sentences.
void Analiza_Zdania::licz_zdania() {
  zdania_.assign(idx(g_.nieterminale.licz()), Zdania(granica_ + 1));
  for (bool zmiana = true; zmiana && !obciete_;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje) {
      const std::size_t wokol = otoczenie_[idx(p.lewa)];
      if (wykluczone_[idx(p.lewa)] || wokol == bez_konca || wokol + najkrotsze_[idx(p.lewa)] > granica_) continue;
      limit_ = granica_ - wokol;
      const Zdania w = zdania_ciagu(p.prawa);
      Zdania& stare = zdania_[idx(p.lewa)];
      for (std::size_t l = 0; l <= granica_; ++l)
        for (auto& z : w[l]) zmiana = stare[l].insert(z).second || zmiana;
    }
  }
}

// The fewest tokens of a sentence of each element, bez_konca for one that
// derives none.
std::size_t Analiza_Zdania::najkrotsze(const Element& e) const {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return e.symbol.terminal ? 1 : najkrotsze_[idx(e.symbol.nr)];
    case Rodzaj_Elementu::opcja:
    case Rodzaj_Elementu::powtorzenie:
      return 0;
    case Rodzaj_Elementu::alternatywa: {
      std::size_t w = bez_konca;
      for (const Ciag& galaz : e.galezie) w = std::min(w, najkrotsze(galaz));
      return w;
    }
  }
  return bez_konca;
}

std::size_t Analiza_Zdania::najkrotsze(const Ciag& c) const {
  std::size_t w = 0;
  for (const Element& e : c) {
    const std::size_t n = najkrotsze(e);
    if (n == bez_konca) return bez_konca;
    w += n;
  }
  return w;
}

// Notes for each nonterminal of the sequence the fewest tokens around it,
// given `wokol` around the sequence; true when some note fell.
bool Analiza_Zdania::otocz(const Ciag& c, std::size_t wokol) {
  const std::size_t razem = najkrotsze(c);
  if (razem == bez_konca) return false;
  bool zmiana = false;
  for (const Element& e : c) {
    const std::size_t reszta = wokol + razem - najkrotsze(e);
    if (e.rodzaj != Rodzaj_Elementu::symbol) {
      for (const Ciag& galaz : e.galezie) zmiana = otocz(galaz, reszta) || zmiana;
    } else if (!e.symbol.terminal && reszta < otoczenie_[idx(e.symbol.nr)]) {
      otoczenie_[idx(e.symbol.nr)] = reszta;
      zmiana = true;
    }
  }
  return zmiana;
}

// Both only fall, so repeating until nothing changes ends; going from the
// last production to the first and back settles grammars written top-down
// in few rounds.
void Analiza_Zdania::licz_odleglosci() {
  najkrotsze_.assign(idx(g_.nieterminale.licz()), bez_konca);
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (auto it = g_.produkcje.rbegin(); it != g_.produkcje.rend(); ++it) {
      if (wykluczone_[idx(it->lewa)]) continue;
      const std::size_t n = najkrotsze(it->prawa);
      if (n < najkrotsze_[idx(it->lewa)]) {
        najkrotsze_[idx(it->lewa)] = n;
        zmiana = true;
      }
    }
  }
  otoczenie_.assign(idx(g_.nieterminale.licz()), bez_konca);
  if (g_.produkcje.empty()) return;
  otoczenie_[idx(g_.produkcje.front().lewa)] = 0;
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje)
      if (!wykluczone_[idx(p.lewa)] && otoczenie_[idx(p.lewa)] != bez_konca)
        zmiana = otocz(p.prawa, otoczenie_[idx(p.lewa)]) || zmiana;
  }
}

// --- the generated parser ------------------------------------------------------

int Analiza_Zdania::tok() const { return poz_ < wejscie_->size() ? (*wejscie_)[poz_] : koniec_wejscia; }

// Every test is recorded, the end of input as a token of its own.
std::optional<std::size_t> Analiza_Zdania::wybor(const Element& grupa) {
  const int t = tok();
  const Decyzja_Grupy& d = decyzje_.grupy(grupa);
  for (std::size_t j = 0; j < d.przewidywane.size(); ++j) {
    const bool w = t == koniec_wejscia ? d.przewidywane[j].ma_koniec() : d.przewidywane[j].zawiera(t);
    p_->decyzje.push_back({{&grupa, j}, t, w});
    if (w) return j;
  }
  return std::nullopt;
}

// A symbol in a sequence: a terminal is checked, a nonterminal called.
void Analiza_Zdania::symbol(const Symbol& s, int glebokosc) {
  if (!s.terminal) return wywolaj(s.nr, glebokosc);
  if (tok() != s.nr) throw Odrzucone{};
  ++poz_;
}

void Analiza_Zdania::ciag(const Ciag& c, int glebokosc) {
  for (const Element& e : c) element(e, glebokosc);
}

void Analiza_Zdania::element(const Element& e, int glebokosc) {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return symbol(e.symbol, glebokosc);
    case Rodzaj_Elementu::opcja:
      if (const auto j = wybor(e)) ciag(e.galezie[*j], glebokosc);
      return;
    case Rodzaj_Elementu::powtorzenie:
      while (const auto j = wybor(e)) {
        const std::size_t przed = poz_;
        ciag(e.galezie[*j], glebokosc);
        if (poz_ == przed) throw Bez_Konca{};
      }
      return;
    case Rodzaj_Elementu::alternatywa:
      if (const auto j = wybor(e)) return ciag(e.galezie[*j], glebokosc);
      throw Odrzucone{};
  }
}

void Analiza_Zdania::wywolaj(int nieterminal, int glebokosc) {
  if (wykluczone_[idx(nieterminal)]) throw Wykluczony{nieterminal};
  const int p = produkcja_dla_[idx(nieterminal)];
  // Without a production there is no procedure to call.
  if (p < 0 || glebokosc > max_glebokosc) throw Bez_Konca{};
  ciag(g_.produkcje[idx(p)].prawa, glebokosc + 1);
}

Analiza_Zdania::Przebieg Analiza_Zdania::przebieg(const std::vector<int>& zdanie) {
  Przebieg w;
  wejscie_ = &zdanie;
  poz_ = 0;
  p_ = &w;
  try {
    wywolaj(g_.produkcje.front().lewa, 0);
    // Parsuj returns after the start symbol; whether it then checks that
    // the input ends there is the caller's to say.
    w.koniec = poz_ < zdanie.size() ? Koniec::przed_koncem : Koniec::caly;
  } catch (const Odrzucone&) {
    w.koniec = Koniec::odrzucone;
  } catch (const Bez_Konca&) {
    w.koniec = Koniec::nieznany;
  } catch (const Wykluczony& x) {
    w.koniec = Koniec::nieznany;
    w.wykluczony = x.nieterminal;
  }
  w.gdzie = poz_;
  return w;
}

// Whether the run made the suspected choice on one of its tokens.
bool Analiza_Zdania::pasuje(const Przebieg& p, const Podejrzenie& s) const {
  return std::any_of(p.decyzje.begin(), p.decyzje.end(), [&](const Decyzja& d) {
    return d.wziete == s.wziete && std::find(s.ciagi.begin(), s.ciagi.end(), d.ciag) != s.ciagi.end() &&
           (d.token == koniec_wejscia ? s.tokeny.ma_koniec() : s.tokeny.zawiera(d.token));
  });
}

// The sentences go by length, so the first that fits a suspicion is its
// shortest. Each length is built afresh on its own bound: the short ones,
// where proofs usually are, cost little even where the long ones would
// exceed the budget.
std::vector<Kontrprzyklad> Analiza_Zdania::szukaj(const std::vector<Podejrzenie>& podejrzenia) {
  std::vector<Kontrprzyklad> w(podejrzenia.size());
  if (podejrzenia.empty() || g_.produkcje.empty()) return w;
  std::size_t otwarte = podejrzenia.size();
  licz_odleglosci();
  // A run can fit only the suspicions of the groups it decided.
  std::unordered_map<const Element*, std::vector<std::size_t>> po_grupie;
  for (std::size_t i = 0; i < podejrzenia.size(); ++i)
    for (const Galaz& c : podejrzenia[i].ciagi) {
      std::vector<std::size_t>& lista = po_grupie[c.grupa];
      if (lista.empty() || lista.back() != i) lista.push_back(i);
    }
  std::vector<std::size_t> kandydaci;
  for (granica_ = 0; granica_ <= max_dlugosc && otwarte > 0 && !obciete_; ++granica_) {
    licz_zdania();
    if (obciete_) break;
    for (const auto& zdanie : zdania_[idx(g_.produkcje.front().lewa)][granica_]) {
      const Przebieg p = przebieg(zdanie);
      const bool dowod = p.koniec == Koniec::odrzucone || p.koniec == Koniec::przed_koncem;
      if (!dowod && p.wykluczony < 0) continue;
      kandydaci.clear();
      for (const Decyzja& d : p.decyzje)
        if (const auto it = po_grupie.find(d.ciag.grupa); it != po_grupie.end())
          kandydaci.insert(kandydaci.end(), it->second.begin(), it->second.end());
      std::sort(kandydaci.begin(), kandydaci.end());
      kandydaci.erase(std::unique(kandydaci.begin(), kandydaci.end()), kandydaci.end());
      for (std::size_t i : kandydaci) {
        if (w[i].znaleziony || (!dowod && w[i].wykluczony >= 0) || !pasuje(p, podejrzenia[i])) continue;
        if (!dowod) {
          w[i].zdanie = zdanie;
          w[i].wykluczony = p.wykluczony;
          continue;
        }
        w[i] = {true, zdanie, p.koniec, p.gdzie};
        --otwarte;
      }
      if (otwarte == 0) break;
    }
  }
  return w;
}

}  // namespace bryzas_analiza
