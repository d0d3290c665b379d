#include "gramatyka/analiza_dojscie.h"

#include <algorithm>

namespace bryzas_analiza {

analiza_dojscie::analiza_dojscie(const Gramatyka& g, std::vector<Stan> stan)
    : g_(g),
      stan_(std::move(stan)),
      produkcja_dla_(g.produkcja_dla()),
      wyprowadza_(stan_.size(), false),
      pusty_(stan_.size(), false),
      first_(stan_.size()),
      zywy_(stan_.size(), false),
      follow_(stan_.size()) {
  for (std::size_t i = 0; i < g_.produkcje.size(); ++i) {
    const Produkcja& p = g_.produkcje[i];
    for (std::size_t e = 0; e < p.prawa.size(); ++e)
      for (std::size_t k = 0; k < p.prawa[e].galezie.size(); ++k)
        ciagi_[p.prawa[e].galezie[k].front().poz] = {i, e, k};
  }
  licz_wyprowadzalne();
  licz_first();
  licz_zywe();
  licz_follow();
}

bool analiza_dojscie::wyprowadza(const Symbol& s) const { return s.terminal || wyprowadza_[idx(s.nr)]; }

bool analiza_dojscie::wyprowadza(const std::vector<Symbol>& ciag) const {
  return std::all_of(ciag.begin(), ciag.end(), [this](const Symbol& s) { return wyprowadza(s); });
}

// An option or a repetition can always be passed by.
bool analiza_dojscie::wyprowadza(const Element& e) const {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return wyprowadza(e.symbol);
    case Rodzaj_Elementu::opcja:
    case Rodzaj_Elementu::powtorzenie:
      return true;
    case Rodzaj_Elementu::alternatywa:
      return std::any_of(e.galezie.begin(), e.galezie.end(),
                         [this](const std::vector<Symbol>& c) { return wyprowadza(c); });
  }
  return false;
}

void analiza_dojscie::licz_wyprowadzalne() {
  for (std::size_t n = 0; n < stan_.size(); ++n) wyprowadza_[n] = stan_[n] == Stan::zalozony;
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje) {
      if (wyprowadza_[idx(p.lewa)] || stan_[idx(p.lewa)] != Stan::zwykly) continue;
      if (std::all_of(p.prawa.begin(), p.prawa.end(), [this](const Element& e) { return wyprowadza(e); }))
        wyprowadza_[idx(p.lewa)] = zmiana = true;
    }
  }
}

// Only what can be part of a derivation counts: a name that derives nothing
// adds nothing and ends the sequence, as does a sequence that holds one.
Zbior analiza_dojscie::first_ciagu(const std::vector<Symbol>& ciag, std::size_t od, std::size_t do_,
                                   bool& pusty) const {
  Zbior z;
  pusty = true;
  for (std::size_t i = od; i < std::min(do_, ciag.size()) && pusty; ++i) {
    const Symbol& s = ciag[i];
    if (s.terminal) {
      z.dodaj(s.nr);
      pusty = false;
    } else {
      z.dodaj(first_[idx(s.nr)]);
      pusty = pusty_[idx(s.nr)];
    }
  }
  return z;
}

Zbior analiza_dojscie::first_elementu(const Element& e, bool& pusty) const {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return first_ciagu({e.symbol}, 0, 1, pusty);
    case Rodzaj_Elementu::opcja:
    case Rodzaj_Elementu::powtorzenie: {
      Zbior z;
      bool p;
      if (wyprowadza(e.galezie[0])) z = first_ciagu(e.galezie[0], 0, e.galezie[0].size(), p);
      pusty = true;
      return z;
    }
    case Rodzaj_Elementu::alternatywa: {
      Zbior z;
      pusty = false;
      for (const auto& galaz : e.galezie) {
        if (!wyprowadza(galaz)) continue;
        bool p;
        z.dodaj(first_ciagu(galaz, 0, galaz.size(), p));
        pusty = pusty || p;
      }
      return z;
    }
  }
  pusty = false;
  return {};
}

Zbior analiza_dojscie::za_elementem(const Produkcja& p, std::size_t i) const {
  Zbior z;
  bool pusty = true;
  for (std::size_t j = i + 1; j < p.prawa.size() && pusty; ++j) z.dodaj(first_elementu(p.prawa[j], pusty));
  if (pusty) z.dodaj(follow_[idx(p.lewa)]);
  return z;
}

void analiza_dojscie::licz_first() {
  for (const Linia_First& l : g_.first)
    if (stan_[idx(l.nieterminal)] == Stan::zalozony && produkcja_dla_[idx(l.nieterminal)] < 0)
      for (const Symbol& t : l.terminale) first_[idx(l.nieterminal)].dodaj(t.nr);
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (auto it = g_.produkcje.rbegin(); it != g_.produkcje.rend(); ++it) {
      const Produkcja& p = *it;
      if (!wyprowadza_[idx(p.lewa)]) continue;
      Zbior z;
      bool pusty = true;
      for (std::size_t j = 0; j < p.prawa.size() && pusty; ++j) z.dodaj(first_elementu(p.prawa[j], pusty));
      if (first_[idx(p.lewa)].dodaj(z)) zmiana = true;
      if (pusty && !pusty_[idx(p.lewa)]) pusty_[idx(p.lewa)] = zmiana = true;
    }
  }
}

// From the start symbol through what derivations can use.
void analiza_dojscie::licz_zywe() {
  if (g_.produkcje.empty() || !wyprowadza_[idx(g_.produkcje[0].lewa)]) return;
  std::vector<int> do_odwiedzenia{g_.produkcje[0].lewa};
  zywy_[idx(g_.produkcje[0].lewa)] = true;
  auto odwiedz = [&](const std::vector<Symbol>& ciag) {
    if (!wyprowadza(ciag)) return;
    for (const Symbol& s : ciag)
      if (!s.terminal && !zywy_[idx(s.nr)]) {
        zywy_[idx(s.nr)] = true;
        do_odwiedzenia.push_back(s.nr);
      }
  };
  while (!do_odwiedzenia.empty()) {
    const int n = do_odwiedzenia.back();
    do_odwiedzenia.pop_back();
    const int ip = produkcja_dla_[idx(n)];
    if (ip < 0) continue;
    for (const Element& e : g_.produkcje[idx(ip)].prawa) {
      if (e.rodzaj == Rodzaj_Elementu::symbol) odwiedz({e.symbol});
      for (const auto& ciag : e.galezie) odwiedz(ciag);
    }
  }
}

void analiza_dojscie::licz_follow() {
  if (g_.produkcje.empty()) return;
  follow_[idx(g_.produkcje[0].lewa)].dodaj_koniec();
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje) {
      if (!zywy_[idx(p.lewa)]) continue;
      for (std::size_t i = 0; i < p.prawa.size(); ++i) {
        const Element& e = p.prawa[i];
        const Zbior za = za_elementem(p, i);
        if (e.rodzaj == Rodzaj_Elementu::symbol) {
          if (!e.symbol.terminal && follow_[idx(e.symbol.nr)].dodaj(za)) zmiana = true;
          continue;
        }
        for (const auto& ciag : e.galezie) {
          if (!wyprowadza(ciag)) continue;
          Zbior za_ciagiem = za;
          bool pusty;
          if (e.rodzaj == Rodzaj_Elementu::powtorzenie) za_ciagiem.dodaj(first_ciagu(ciag, 0, ciag.size(), pusty));
          for (std::size_t j = 0; j < ciag.size(); ++j) {
            if (ciag[j].terminal) continue;
            Zbior z = first_ciagu(ciag, j + 1, ciag.size(), pusty);
            if (pusty) z.dodaj(za_ciagiem);
            if (follow_[idx(ciag[j].nr)].dodaj(z)) zmiana = true;
          }
        }
      }
    }
  }
}

bool analiza_dojscie::dochodzi(const Strona& s, const Zbior& tokeny) const {
  const auto m = ciagi_.find(s.ciag);
  if (m == ciagi_.end()) return false;
  const Produkcja& p = g_.produkcje[m->second.produkcja];
  if (!zywy_[idx(p.lewa)]) return false;
  const Zbior za = za_elementem(p, m->second.element);
  if (s.tylko_za) return !za.przeciecie(tokeny).pusty();
  const std::vector<Symbol>& ciag = p.prawa[m->second.element].galezie[m->second.galaz];
  bool pusty;
  if (!wyprowadza(ciag)) return false;
  first_ciagu(ciag, 0, s.od, pusty);
  if (!pusty) return false;
  Zbior w = first_ciagu(ciag, s.od, s.do_, pusty);
  if (pusty && s.za) w.dodaj(za);
  return !w.przeciecie(tokeny).pusty();
}

namespace {

using Stan = analiza_dojscie::Stan;

// The faulty nonterminals as `wada`, the others as they are.
std::vector<Stan> stany(const std::vector<bool>& wadliwe, Stan wada) {
  std::vector<Stan> w;
  for (bool x : wadliwe) w.push_back(x ? wada : Stan::zwykly);
  return w;
}

}  // namespace

analiza_wad::analiza_wad(const Gramatyka& g, std::vector<bool> wadliwe)
    : g_(g),
      wadliwe_(std::move(wadliwe)),
      naprawiona_(g, stany(wadliwe_, Stan::zalozony)),
      bez_wad_(g, stany(wadliwe_, Stan::wykluczony)) {
  for (std::size_t n = 0; n < wadliwe_.size(); ++n)
    if (wadliwe_[n] && naprawiona_.zywy(static_cast<int>(n))) spotykane_.push_back(static_cast<int>(n));
  bez_jednego_.resize(spotykane_.size());
}

bool analiza_wad::dochodzi(const analiza_dojscie& a, const std::vector<Strona>& strony, const Zbior& tokeny) {
  return std::any_of(strony.begin(), strony.end(), [&](const Strona& s) { return a.dochodzi(s, tokeny); });
}

bool analiza_wad::mozliwe(const std::vector<Strona>& strony, const Zbior& tokeny) const {
  return dochodzi(naprawiona_, strony, tokeny);
}

bool analiza_wad::bez_wad(const std::vector<Strona>& strony, const Zbior& tokeny) const {
  return dochodzi(bez_wad_, strony, tokeny);
}

std::vector<int> analiza_wad::konieczne(const std::vector<Strona>& strony, const Zbior& tokeny) {
  std::vector<int> w;
  for (std::size_t i = 0; i < spotykane_.size(); ++i) {
    if (!bez_jednego_[i]) {
      std::vector<Stan> s = stany(wadliwe_, Stan::zalozony);
      s[static_cast<std::size_t>(spotykane_[i])] = Stan::wykluczony;
      bez_jednego_[i] = std::make_unique<analiza_dojscie>(g_, std::move(s));
    }
    if (!dochodzi(*bez_jednego_[i], strony, tokeny)) w.push_back(spotykane_[i]);
  }
  return w;
}

}  // namespace bryzas_analiza
