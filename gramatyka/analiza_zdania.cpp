#include "gramatyka/analiza_zdania.h"

#include <algorithm>

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

analiza_zdania::analiza_zdania(const Gramatyka& g, const analiza_decyzje& decyzje, std::vector<bool> wykluczone)
    : g_(g), decyzje_(decyzje), produkcja_dla_(g.produkcja_dla()), wykluczone_(std::move(wykluczone)) {
  wykluczone_.resize(idx(g.nieterminale.licz()), false);
}

// --- the sentences -----------------------------------------------------------

analiza_zdania::Zdania analiza_zdania::polacz(const Zdania& a, const Zdania& b) {
  Zdania w(granica_ + 1);
  for (std::size_t la = 0; la < a.size(); ++la)
    for (std::size_t lb = 0; la + lb <= granica_ && lb < b.size(); ++lb)
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

analiza_zdania::Zdania analiza_zdania::zdania_symbolu(const Symbol& s) {
  if (!s.terminal) return zdania_[idx(s.nr)];
  Zdania w(granica_ + 1);
  if (granica_ >= 1) w[1].insert(std::vector<int>{s.nr});
  return w;
}

analiza_zdania::Zdania analiza_zdania::zdania_ciagu(const Ciag& ciag) {
  Zdania w(granica_ + 1);
  w[0].insert(std::vector<int>{});
  for (const Element& e : ciag) w = polacz(w, zdania_elementu(e));
  return w;
}

// Those of every branch of the group.
analiza_zdania::Zdania analiza_zdania::zdania_galezi(const Element& e) {
  Zdania w(granica_ + 1);
  for (const Ciag& galaz : e.galezie) {
    const Zdania z = zdania_ciagu(galaz);
    for (std::size_t l = 0; l <= granica_; ++l) w[l].insert(z[l].begin(), z[l].end());
  }
  return w;
}

analiza_zdania::Zdania analiza_zdania::zdania_elementu(const Element& e) {
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
      for (std::size_t i = 0; i < granica_; ++i) {
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

// Every nonterminal's sentences up to granica_ tokens, grown until none
// grows any more (each round can only add). A kept-out one has none.
void analiza_zdania::licz_zdania() {
  zdania_.assign(idx(g_.nieterminale.licz()), Zdania(granica_ + 1));
  for (bool zmiana = true; zmiana && !obciete_;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje) {
      if (wykluczone_[idx(p.lewa)]) continue;
      const Zdania w = zdania_ciagu(p.prawa);
      Zdania& stare = zdania_[idx(p.lewa)];
      for (std::size_t l = 0; l <= granica_; ++l)
        for (auto& z : w[l]) zmiana = stare[l].insert(z).second || zmiana;
    }
  }
}

// --- the generated parser ------------------------------------------------------

int analiza_zdania::tok() const { return poz_ < wejscie_->size() ? (*wejscie_)[poz_] : koniec_wejscia; }

// Every test is recorded, the end of input as a token of its own.
std::optional<std::size_t> analiza_zdania::wybor(const Element& grupa) {
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
void analiza_zdania::symbol(const Symbol& s, int glebokosc) {
  if (!s.terminal) return wywolaj(s.nr, glebokosc);
  if (tok() != s.nr) throw Odrzucone{};
  ++poz_;
}

void analiza_zdania::ciag(const Ciag& c, int glebokosc) {
  for (const Element& e : c) element(e, glebokosc);
}

void analiza_zdania::element(const Element& e, int glebokosc) {
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

void analiza_zdania::wywolaj(int nieterminal, int glebokosc) {
  if (wykluczone_[idx(nieterminal)]) throw Wykluczony{nieterminal};
  const int p = produkcja_dla_[idx(nieterminal)];
  // Without a production there is no procedure to call.
  if (p < 0 || glebokosc > max_glebokosc) throw Bez_Konca{};
  ciag(g_.produkcje[idx(p)].prawa, glebokosc + 1);
}

analiza_zdania::Przebieg analiza_zdania::przebieg(const std::vector<int>& zdanie) {
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
bool analiza_zdania::pasuje(const Przebieg& p, const Podejrzenie& s) const {
  return std::any_of(p.decyzje.begin(), p.decyzje.end(), [&](const Decyzja& d) {
    return d.wziete == s.wziete && std::find(s.ciagi.begin(), s.ciagi.end(), d.ciag) != s.ciagi.end() &&
           (d.token == koniec_wejscia ? s.tokeny.ma_koniec() : s.tokeny.zawiera(d.token));
  });
}

// The sentences go by length, so the first that fits a suspicion is its
// shortest. Each length is built afresh on its own bound: the short ones,
// where proofs usually are, cost little even where the long ones would
// exceed the budget.
std::vector<Kontrprzyklad> analiza_zdania::szukaj(const std::vector<Podejrzenie>& podejrzenia) {
  std::vector<Kontrprzyklad> w(podejrzenia.size());
  if (podejrzenia.empty() || g_.produkcje.empty()) return w;
  std::size_t otwarte = podejrzenia.size();
  for (granica_ = 0; granica_ <= max_dlugosc && otwarte > 0 && !obciete_; ++granica_) {
    licz_zdania();
    if (obciete_) break;
    for (const auto& zdanie : zdania_[idx(g_.produkcje.front().lewa)][granica_]) {
      const Przebieg p = przebieg(zdanie);
      const bool dowod = p.koniec == Koniec::odrzucone || p.koniec == Koniec::przed_koncem;
      if (!dowod && p.wykluczony < 0) continue;
      for (std::size_t i = 0; i < podejrzenia.size(); ++i) {
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
