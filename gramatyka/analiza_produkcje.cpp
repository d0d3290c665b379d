#include "gramatyka/analiza_produkcje.h"

#include <algorithm>
#include <string>

#include "gramatyka/komunikaty_analizy.h"

namespace bryzas_analiza {

namespace {

using K = Komunikat_Analizy;

// The generator's tables of names: 200 of each kind. (Its table of left
// sides stops the parse, see gramatyka/bryzas_pars.)
constexpr int max_nazw = 200;

// Bounds that keep the search for left-recursive cycles finite on grammars
// whose call graph has very many of them; real grammars stay far below.
constexpr int max_cykli = 100;
constexpr long max_krokow = 1000000;

std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }

void odwroc(Ciag& c) {
  std::reverse(c.begin(), c.end());
  for (Element& e : c)
    for (Ciag& galaz : e.galezie) odwroc(galaz);
}

// The grammar with every sequence read backwards: its FIRST sets are the
// terminals that may end a sentence of each nonterminal.
Gramatyka wspak(const Gramatyka& g) {
  Gramatyka w = g;
  for (auto& p : w.produkcje) odwroc(p.prawa);
  return w;
}

// Whether the terminal can stand only at the end of a sentence: the start
// production alone uses it, and the start symbol is called nowhere.
bool tylko_na_koncu(const Gramatyka& g, int terminal) {
  const int start = g.produkcje[0].lewa;
  bool gdzie_indziej = false;
  for (std::size_t i = 0; i < g.produkcje.size(); ++i)
    dla_symboli(g.produkcje[i].prawa, [&](const Symbol& s) {
      gdzie_indziej = gdzie_indziej || (s.terminal ? s.nr == terminal && i > 0 : s.nr == start);
    });
  return !gdzie_indziej;
}

}  // namespace

Analiza_Produkcje::Analiza_Produkcje(const Gramatyka& g, const Analiza_Zbiory& zbiory,
                                     Analiza_Raport& raport)
    : g_(g),
      zbiory_(zbiory),
      raport_(raport),
      produkcja_dla_(g.produkcja_dla()),
      wady_(idx(g.nieterminale.licz()), Wada::brak) {}

void Analiza_Produkcje::sprawdz() {
  limity();
  bez_produkcji();
  nieosiagalne();
  nieproduktywne();
  rekursja_lewostronna();
  lewostronne();
  parametry();
}

// The extended notation's tables have no such limits.
void Analiza_Produkcje::limity() {
  if (g_.rozszerzona) return;
  for (int t = max_nazw; t < g_.terminale.licz(); ++t)
    raport_.blad(g_.terminale.pierwsze_wystapienie[idx(t)], tresc(K::terminal_ponad_limit, {cytat_terminala(g_, t)}));
  for (int n = max_nazw; n < g_.nieterminale.licz(); ++n)
    raport_.blad(g_.nieterminale.pierwsze_wystapienie[idx(n)],
                 tresc(K::nieterminal_ponad_limit, {cytat_nieterminala(g_, n)}));
}

void Analiza_Produkcje::bez_produkcji() {
  for (std::size_t n = 0; n < wady_.size(); ++n)
    if (produkcja_dla_[n] < 0) wady_[n] = Wada::bez_produkcji;
  std::vector<bool> zgloszony(idx(g_.nieterminale.licz()), false);
  auto sprawdz_symbol = [&](const Symbol& s) {
    if (s.terminal || produkcja_dla_[idx(s.nr)] >= 0 || zgloszony[idx(s.nr)]) return;
    zgloszony[idx(s.nr)] = true;
    raport_.blad(s.poz, tresc(K::bez_produkcji, {cytat_nieterminala(g_, s.nr)}));
  };
  for (const auto& p : g_.produkcje) dla_symboli(p.prawa, sprawdz_symbol);
}

// A use gives parameters exactly when the production declares them; the
// start symbol's become those of Parsuj, and no main procedure can call it.
void Analiza_Produkcje::parametry() {
  for (const auto& p : g_.produkcje)
    dla_elementow_symboli(p.prawa, [&](const Element& e) {
      if (e.symbol.terminal || produkcja_dla_[idx(e.symbol.nr)] < 0) return;
      const Produkcja& wolana = g_.produkcje[idx(produkcja_dla_[idx(e.symbol.nr)])];
      const std::string nazwa = cytat_nieterminala(g_, e.symbol.nr);
      if (wolana.parametry && !e.parametry)
        raport_.blad(e.poz, tresc(K::uzycie_bez_parametrow, {nazwa}));
      else if (!wolana.parametry && e.parametry)
        raport_.blad(e.poz, tresc(K::uzycie_z_parametrami, {nazwa}));
    });
  if (!g_.produkcje.empty() && g_.produkcje[0].parametry)
    raport_.ostrzezenie(g_.produkcje[0].poz_parametrow, tresc(K::parametry_startowego));
}

void Analiza_Produkcje::nieosiagalne() {
  if (g_.produkcje.empty()) return;
  const int start = g_.produkcje[0].lewa;
  std::vector<bool> osiagalny(idx(g_.nieterminale.licz()), false);
  std::vector<int> do_odwiedzenia{start};
  osiagalny[idx(start)] = true;
  auto odwiedz = [&](const Symbol& s) {
    if (!s.terminal && !osiagalny[idx(s.nr)]) {
      osiagalny[idx(s.nr)] = true;
      do_odwiedzenia.push_back(s.nr);
    }
  };
  while (!do_odwiedzenia.empty()) {
    int n = do_odwiedzenia.back();
    do_odwiedzenia.pop_back();
    int ip = produkcja_dla_[idx(n)];
    if (ip >= 0) dla_symboli(g_.produkcje[idx(ip)].prawa, odwiedz);
  }
  for (const auto& p : g_.produkcje)
    if (!osiagalny[idx(p.lewa)])
      raport_.ostrzezenie(p.poz,
                          tresc(K::nieosiagalny, {cytat_nieterminala(g_, p.lewa), cytat_nieterminala(g_, start)}));
}

void Analiza_Produkcje::nieproduktywne() {
  // A name without a production counts as productive: its own message says
  // what is wrong, and the names that use it are not blamed as well.
  std::vector<bool> produktywny(idx(g_.nieterminale.licz()), false);
  for (std::size_t n = 0; n < produktywny.size(); ++n) produktywny[n] = produkcja_dla_[n] < 0;
  // An option or a repetition may be skipped; an alternative needs one
  // branch that derives.
  auto ciag_ok = [&](const Ciag& ciag, auto& samo) -> bool {
    return std::all_of(ciag.begin(), ciag.end(), [&](const Element& e) {
      switch (e.rodzaj) {
        case Rodzaj_Elementu::symbol: return e.symbol.terminal || produktywny[idx(e.symbol.nr)];
        case Rodzaj_Elementu::opcja:
        case Rodzaj_Elementu::powtorzenie: return true;
        case Rodzaj_Elementu::alternatywa:
          return std::any_of(e.galezie.begin(), e.galezie.end(), [&](const Ciag& c) { return samo(c, samo); });
      }
      return false;
    });
  };
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const auto& p : g_.produkcje)
      if (!produktywny[idx(p.lewa)] && ciag_ok(p.prawa, ciag_ok)) produktywny[idx(p.lewa)] = zmiana = true;
  }
  for (const auto& p : g_.produkcje)
    if (!produktywny[idx(p.lewa)]) {
      wady_[idx(p.lewa)] = Wada::nieproduktywny;
      raport_.blad(p.poz, tresc(K::nieproduktywny, {cytat_nieterminala(g_, p.lewa)}));
    }
}

// Adds the nonterminals of the sequence that can be called with nothing
// consumed before them, those in its groups too; returns whether the whole
// sequence can vanish.
bool Analiza_Produkcje::lewe_wywolania(const Ciag& ciag, std::vector<Wywolanie>& w) const {
  for (const Element& e : ciag) {
    bool pusty = false;
    switch (e.rodzaj) {
      case Rodzaj_Elementu::symbol:
        if (e.symbol.terminal) return false;
        w.push_back({e.symbol.nr, e.symbol.poz});
        pusty = zbiory_.pusty(e.symbol.nr);
        break;
      case Rodzaj_Elementu::opcja:
      case Rodzaj_Elementu::powtorzenie:
        for (const Ciag& galaz : e.galezie) lewe_wywolania(galaz, w);
        pusty = true;
        break;
      case Rodzaj_Elementu::alternatywa:
        for (const Ciag& galaz : e.galezie)
          if (lewe_wywolania(galaz, w)) pusty = true;
        break;
    }
    if (!pusty) return false;
  }
  return true;
}

// Every elementary cycle of left calls is reported once, written from its
// nonterminal whose production comes first; the message stands at that
// production's call of the next nonterminal, the earliest call of the cycle.
void Analiza_Produkcje::rekursja_lewostronna() {
  const std::size_t n = idx(g_.nieterminale.licz());
  krawedzie_.assign(n, {});
  for (const auto& p : g_.produkcje) {
    // Only the first call of each nonterminal from one production matters.
    std::vector<Wywolanie> wywolania;
    lewe_wywolania(p.prawa, wywolania);
    for (const auto& w : wywolania) {
      auto& k = krawedzie_[idx(p.lewa)];
      bool jest = false;
      for (const auto& x : k) jest = jest || x.nieterminal == w.nieterminal;
      if (!jest) k.push_back(w);
    }
  }
  for (const auto& p : g_.produkcje)
    if (!szukaj_cykli(p.lewa)) break;
}

// Every nonterminal on a cycle of left calls: one that reaches itself, that
// is one whose strongly connected component (Tarjan's, with an explicit
// stack) holds another nonterminal or a call of itself.
void Analiza_Produkcje::lewostronne() {
  const std::size_t n = krawedzie_.size();
  constexpr int brak = -1;
  std::vector<int> numer(n, brak), najnizszy(n, 0);
  std::vector<bool> na_stosie(n, false);
  std::vector<int> stos;
  struct Krok {
    int wezel;
    std::size_t nast_krawedz = 0;
  };
  std::vector<Krok> sciezka;
  int licznik = 0;
  auto wejdz = [&](int v) {
    numer[idx(v)] = najnizszy[idx(v)] = licznik++;
    stos.push_back(v);
    na_stosie[idx(v)] = true;
    sciezka.push_back({v});
  };
  for (std::size_t poczatek = 0; poczatek < n; ++poczatek) {
    if (numer[poczatek] != brak) continue;
    wejdz(static_cast<int>(poczatek));
    while (!sciezka.empty()) {
      Krok& k = sciezka.back();
      const int v = k.wezel;
      if (k.nast_krawedz < krawedzie_[idx(v)].size()) {
        const int w = krawedzie_[idx(v)][k.nast_krawedz++].nieterminal;
        if (numer[idx(w)] == brak)
          wejdz(w);
        else if (na_stosie[idx(w)])
          najnizszy[idx(v)] = std::min(najnizszy[idx(v)], numer[idx(w)]);
        continue;
      }
      sciezka.pop_back();
      if (!sciezka.empty())
        najnizszy[idx(sciezka.back().wezel)] = std::min(najnizszy[idx(sciezka.back().wezel)], najnizszy[idx(v)]);
      if (najnizszy[idx(v)] == numer[idx(v)]) zamknij_skladowa(v, stos, na_stosie);
    }
  }
}

// Pops the component whose root is v off the stack and marks its
// nonterminals, when it holds a cycle and they have no other fault.
void Analiza_Produkcje::zamknij_skladowa(int v, std::vector<int>& stos, std::vector<bool>& na_stosie) {
  const auto od = static_cast<std::size_t>(std::find(stos.rbegin(), stos.rend(), v).base() - stos.begin()) - 1;
  bool cykl = stos.size() - od > 1;
  for (const Wywolanie& w : krawedzie_[idx(v)]) cykl = cykl || w.nieterminal == v;
  for (std::size_t i = od; i < stos.size(); ++i) {
    na_stosie[idx(stos[i])] = false;
    if (cykl && wady_[idx(stos[i])] == Wada::brak) wady_[idx(stos[i])] = Wada::lewostronna_rekursja;
  }
  stos.resize(od);
}

// Depth-first over the nonterminals of later productions than the start's,
// with an explicit stack so that a long chain of calls cannot exhaust the
// call stack. Returns false once the search bounds are used up.
bool Analiza_Produkcje::szukaj_cykli(int start) {
  struct Krok {
    int wezel;
    std::size_t nast_krawedz = 0;
  };
  const int start_prod = produkcja_dla_[idx(start)];
  std::vector<Krok> stos{{start}};
  // Left unmarked as the search leaves each node, so one serves every search.
  std::vector<bool>& na_sciezce = na_sciezce_;
  na_sciezce.resize(idx(g_.nieterminale.licz()), false);
  na_sciezce[idx(start)] = true;
  Pozycja pierwsze;  // the call of the cycle's second nonterminal
  while (!stos.empty()) {
    Krok& k = stos.back();
    const auto& krawedzie = krawedzie_[idx(k.wezel)];
    if (k.nast_krawedz == krawedzie.size()) {
      na_sciezce[idx(k.wezel)] = false;
      stos.pop_back();
      continue;
    }
    const Wywolanie w = krawedzie[k.nast_krawedz++];
    if (zgloszone_cykle_ >= max_cykli || ++kroki_ > max_krokow) return false;
    if (stos.size() == 1) pierwsze = w.poz;
    if (w.nieterminal == start) {
      // The cycle written out: "A" -> "B" -> "A".
      std::string cykl;
      for (const Krok& s : stos) cykl += cytat_nieterminala(g_, s.wezel) + " -> ";
      raport_.blad(pierwsze, tresc(K::rekursja_lewostronna, {cykl + cytat_nieterminala(g_, start)}));
      ++zgloszone_cykle_;
      continue;
    }
    // Nonterminals of earlier productions started their own search already.
    if (produkcja_dla_[idx(w.nieterminal)] <= start_prod || na_sciezce[idx(w.nieterminal)])
      continue;
    na_sciezce[idx(w.nieterminal)] = true;
    stos.push_back({w.nieterminal});
  }
  return true;
}

// The extended notation's parser checks the end of the input after the
// start symbol on its end token: P.tok's ++koniec, or without P.tok the
// grammar's.
bool sprawdza_koniec(const Gramatyka& g, const Koniec_Wejscia& koniec) {
  using Rodzaj = Koniec_Wejscia::Rodzaj;
  if (!g.rozszerzona) return false;
  const bool z_gramatyki = std::any_of(g.naglowek.begin(), g.naglowek.end(), [](const Sekcja_Naglowka& s) {
    return s.rodzaj == bryzas::Token_Kod::KONIECKOD;
  });
  return koniec.rodzaj == Rodzaj::token || (koniec.rodzaj == Rodzaj::skaner_wlasny && z_gramatyki);
}

void sprawdz_koniec_wejscia(const Gramatyka& g, const Koniec_Wejscia& koniec, const std::string& plik_tok,
                            Analiza_Raport& raport) {
  using Rodzaj = Koniec_Wejscia::Rodzaj;
  if (koniec.rodzaj == Rodzaj::nieznany || g.produkcje.empty() || sprawdza_koniec(g, koniec)) return;
  const Produkcja& start = g.produkcje[0];
  const std::string nazwa = cytat_nieterminala(g, start.lewa);
  if (g.rozszerzona) {
    raport.ostrzezenie(start.poz, koniec.rodzaj == Rodzaj::pusty
                                      ? tresc(K::koniec_token_w_pliku, {nazwa, plik_tok})
                                      : tresc(K::koniec_token_w_gramatyce, {nazwa}));
    return;
  }
  const Gramatyka odwrocona = wspak(g);
  const Analiza_Zbiory od_konca(odwrocona);
  const std::vector<int> ostatnie = od_konca.first(start.lewa).terminale();
  // No sentence ends in a known token: names without a production, each
  // reported on its own.
  if (ostatnie.empty() && !od_konca.pusty(start.lewa)) return;
  // Every sentence of the start symbol ends with one and the same token.
  const bool jeden_koniec = !od_konca.pusty(start.lewa) && ostatnie.size() == 1;
  switch (koniec.rodzaj) {
    case Rodzaj::token:
      if (jeden_koniec && g.terminale.nazwa(ostatnie[0]) == koniec.token) return;
      raport.ostrzezenie(start.poz, tresc(K::koniec_zakoncz_tokenem, {nazwa, koniec.token}));
      break;
    case Rodzaj::pusty:
      raport.ostrzezenie(start.poz, tresc(K::koniec_nazwij_i_zakoncz, {nazwa, plik_tok}));
      break;
    default:
      if (jeden_koniec && tylko_na_koncu(g, ostatnie[0])) return;
      raport.ostrzezenie(start.poz, tresc(K::koniec_zakoncz_ostatnim, {nazwa}));
  }
}

}  // namespace bryzas_analiza
