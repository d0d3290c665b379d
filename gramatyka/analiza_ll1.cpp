#include "gramatyka/analiza_ll1.h"

#include <string>

#include "gramatyka/komunikaty_analizy.h"

namespace bryzas_analiza {

namespace {

using K = Komunikat_Analizy;

// "'p' 'q'", "konca wejscia" or both, as "dla" and "od" take them.
std::string tokenow(const Gramatyka& g, const Zbior& z) {
  const std::string w = cytaty_terminali(g, z);
  if (!z.ma_koniec()) return w;
  return z.terminale().empty() ? tresc(K::koniec_wejscia) : tresc(K::tokeny_i_koniec, {w});
}

// True when no terminal of the clash can really begin both sides.
bool tylko_zbedne(const Zbior& starcie, const Zbior& realne_a, const Zbior& realne_b) {
  for (int t : starcie.terminale())
    if (realne_a.zawiera(t) && realne_b.zawiera(t)) return false;
  return true;
}

}  // namespace

Analiza_Ll1::Analiza_Ll1(const Gramatyka& g, const Analiza_Zbiory& zbiory, const Analiza_Decyzje& decyzje,
                         Analiza_Raport& raport)
    : g_(g),
      zbiory_(zbiory),
      decyzje_(decyzje),
      raport_(raport),
      produkcja_dla_(g.produkcja_dla()),
      pierwsza_linia_(idx(g.nieterminale.licz())),
      uzycie_(idx(g.nieterminale.licz())),
      zaczynane_(idx(g.nieterminale.licz())) {}

void Analiza_Ll1::sprawdz() {
  zbierz_deklaracje();
  for (const auto& p : g_.produkcje) grupy(p.prawa);
  if (g_.rozszerzona)
    sekcja_first_rozszerzona();
  else
    sekcja_first();
}

void Analiza_Ll1::zbierz_deklaracje() {
  for (const auto& l : g_.first) {
    if (!ma_linie(l.nieterminal)) pierwsza_linia_[idx(l.nieterminal)] = l.poz;
    for (const auto& t : l.terminale) poz_deklaracji_.emplace(std::make_pair(l.nieterminal, t.nr), t.poz);
  }
}

// Each group of the sequence, then the groups within its branches.
void Analiza_Ll1::grupy(const Ciag& c) {
  for (const Element& e : c) {
    if (e.rodzaj == Rodzaj_Elementu::symbol) continue;
    const Decyzja_Grupy& d = decyzje_.grupy(e);
    // Only today's notation tests a branch on a FIRST line.
    for (std::size_t j = 0; j < e.galezie.size() && !g_.rozszerzona; ++j) {
      zaczyna({&e, j});
      // After a nullable first name come the rest of the branch and, in an
      // alternative, when that can vanish too, whatever follows the group.
      bool pusty;
      Zbior po_pierwszym = zbiory_.first_ciagu(e.galezie[j], 1, pusty);
      if (pusty && e.rodzaj == Rodzaj_Elementu::alternatywa) po_pierwszym.dodaj(d.za);
      pusty_na_poczatku({&e, j}, po_pierwszym);
    }
    if (e.rodzaj != Rodzaj_Elementu::alternatywa) opcja_lub_powtorzenie(e, d);
    galezie(e, d);
    for (const Ciag& galaz : e.galezie) grupy(galaz);
  }
}

// Notes the nonterminal that begins the branch, tested on its FIRST line.
void Analiza_Ll1::zaczyna(const Galaz& galaz) {
  const Element& e = galaz.ciag().front();
  if (e.rodzaj != Rodzaj_Elementu::symbol || e.symbol.terminal) return;
  Uzycie& u = uzycie_[idx(e.symbol.nr)];
  zaczynane_[idx(e.symbol.nr)].push_back(galaz);
  if (!u.zaczyna_grupe) {
    u.zaczyna_grupe = true;
    u.pierwsza_grupa = e.poz;
  }
}

// A nullable first nonterminal hands the choice to the tokens after it, which
// its declared set must then hold as well.
void Analiza_Ll1::pusty_na_poczatku(const Galaz& galaz, const Zbior& po_pierwszym) {
  const Element& e = galaz.ciag().front();
  if (e.rodzaj != Rodzaj_Elementu::symbol || e.symbol.terminal || !zbiory_.pusty(e.symbol.nr)) return;
  const int n = e.symbol.nr;
  const bool w_alternatywie = galaz.grupa->rodzaj == Rodzaj_Elementu::alternatywa;
  uzycie_[idx(n)].potrzebne.dodaj(po_pierwszym);
  // Without a FIRST line the declared set is empty: everything is lost.
  const std::string nazwa = cytat_nieterminala(g_, n);
  const Zbior utracone = po_pierwszym.bez(decyzje_.deklarowany(n));
  const Wybor wybor{galaz.grupa, {galaz.nr}};
  if (utracone.pusty())
    raport_.ostrzezenie(
        e.poz, tresc(w_alternatywie ? K::pusty_na_poczatku_galezi : K::pusty_na_poczatku_grupy, {nazwa}), wybor);
  else
    podejrzenia_.push_back({raport_.blad(e.poz,
                                         tresc(w_alternatywie ? K::galaz_nie_wybrana : K::grupa_nie_wybrana,
                                               {nazwa, tokenow(g_, utracone)}),
                                         wybor),
                            {{galaz}, utracone, false},
                            tresc(w_alternatywie ? K::robi_nie_wybiera_galezi : K::robi_nie_wchodzi_w_grupe),
                            {{galaz, 1, Strona::do_konca, w_alternatywie}}});
}

// An option or a repetition against what follows it.
void Analiza_Ll1::opcja_lub_powtorzenie(const Element& e, const Decyzja_Grupy& d) {
  bool pusty;
  const Zbior realne = zbiory_.first_elementu(e, pusty);
  const Zbior starcie = d.wejscie().przeciecie(d.za);
  if (starcie.pusty()) return;
  const bool opcja = e.rodzaj == Rodzaj_Elementu::opcja;
  std::string tekst = tresc(opcja ? K::konflikt_opcji : K::konflikt_powtorzenia, {cytaty_terminali(g_, starcie)});
  // What follows the group is computed, so only the group's side can be
  // inflated by the declarations.
  if (!g_.rozszerzona && tylko_zbedne(starcie, realne, d.za)) tekst = tresc(K::skutek_zbednych, {tekst});
  Podejrzenie p{{}, starcie, true};
  for (std::size_t j = 0; j < e.galezie.size(); ++j) p.ciagi.push_back({&e, j});
  podejrzenia_.push_back({raport_.blad(e.poz, tekst, {&e, {}}), std::move(p),
                          tresc(opcja ? K::robi_wybiera_opcje : K::robi_powtarza_petle),
                          {{{&e, 0}, 0, Strona::do_konca, false, true}}});
}

// The branches of a group against each other.
void Analiza_Ll1::galezie(const Element& e, const Decyzja_Grupy& d) {
  const bool alternatywa = e.rodzaj == Rodzaj_Elementu::alternatywa;
  std::vector<Zbior> realne;
  for (std::size_t j = 0; j < e.galezie.size(); ++j) {
    bool pusty;
    realne.push_back(zbiory_.first_ciagu(e.galezie[j], 0, pusty));
    if (pusty && alternatywa) realne.back().dodaj(d.za);
  }
  // A token (the end of input too, which only an extended alternative's
  // set can hold) is taken by the first branch whose set holds it; every
  // later branch that holds it too is reported against that one.
  const std::vector<Zbior>& t = d.przewidywane;
  for (std::size_t j = 1; j < t.size(); ++j) {
    std::vector<Zbior> przez(j);
    for (int x : t[j].terminale())
      for (std::size_t i = 0; i < j; ++i)
        if (t[i].zawiera(x)) {
          przez[i].dodaj(x);
          break;
        }
    for (std::size_t i = 0; i < j && t[j].ma_koniec(); ++i)
      if (t[i].ma_koniec()) {
        przez[i].dodaj_koniec();
        break;
      }
    for (std::size_t i = 0; i < j; ++i) {
      if (przez[i].pusty()) continue;
      const std::string numer = std::to_string(i + 1);
      std::string tekst = tresc(K::konflikt_galezi, {numer, std::to_string(j + 1), tokenow(g_, przez[i])});
      if (!g_.rozszerzona && tylko_zbedne(przez[i], realne[i], realne[j])) tekst = tresc(K::skutek_zbednych, {tekst});
      podejrzenia_.push_back({raport_.blad(e.galezie[j].front().poz, tekst, {&e, {i, j}}),
                              {{{&e, i}}, przez[i], true},
                              tresc(K::robi_wybiera_galaz, {numer}),
                              {{{&e, j}, 0, Strona::do_konca, alternatywa}}});
    }
  }
}

void Analiza_Ll1::sekcja_first() {
  for (const auto& l : g_.first)
    if (produkcja_dla_[idx(l.nieterminal)] < 0)
      raport_.ostrzezenie(l.poz, tresc(K::first_bez_produkcji, {cytat_nieterminala(g_, l.nieterminal)}));

  for (int n = 0; n < g_.nieterminale.licz(); ++n) {
    const Uzycie& u = uzycie_[idx(n)];
    // A name without a production has its own message; a missing FIRST line
    // for it would tell the same fault twice.
    if (produkcja_dla_[idx(n)] < 0) continue;
    if (!ma_linie(n)) {
      if (u.zaczyna_grupe)
        raport_.blad(u.pierwsza_grupa, tresc(K::brak_linii_first_grupy, {cytat_nieterminala(g_, n)}));
      continue;
    }
    const Zbior brak = zbiory_.first(n).bez(decyzje_.deklarowany(n));
    if (!brak.pusty()) {
      const std::string nazwa = cytat_nieterminala(g_, n);
      const std::string brakujace = cytaty_terminali(g_, brak);
      if (u.zaczyna_grupe) {
        std::vector<Strona> strony;
        for (const Galaz& galaz : zaczynane_[idx(n)]) strony.push_back({galaz, 0, 1});
        podejrzenia_.push_back({raport_.blad(pierwsza_linia_[idx(n)], tresc(K::first_nie_zawiera, {nazwa, brakujace})),
                                {zaczynane_[idx(n)], brak, false}, tresc(K::robi_bez_brakujacych),
                                std::move(strony)});
      } else
        raport_.ostrzezenie(pierwsza_linia_[idx(n)], tresc(K::first_nie_zawiera_nieuzywany, {nazwa, brakujace}));
    }
    // Every extra terminal in one message, at the first one it names.
    const Zbior zbedne = decyzje_.deklarowany(n).bez(zbiory_.first(n)).bez(u.potrzebne);
    if (!zbedne.pusty())
      raport_.ostrzezenie(poz_deklaracji_.at({n, zbedne.terminale().front()}),
                          tresc(K::first_zbedne, {cytat_nieterminala(g_, n), cytaty_terminali(g_, zbedne)}));
  }
}

// In the extended notation the parser needs no FIRST line; a section that
// is written lists every nonterminal as it is computed, and each difference
// is an error. (A "%%" without lines is no section: the parser tells only
// lines.)
void Analiza_Ll1::sekcja_first_rozszerzona() {
  if (g_.first.empty()) return;
  for (const auto& l : g_.first)
    if (produkcja_dla_[idx(l.nieterminal)] < 0)
      raport_.blad(l.poz, tresc(K::first_bez_produkcji, {cytat_nieterminala(g_, l.nieterminal)}));
  for (int n = 0; n < g_.nieterminale.licz(); ++n) {
    const int p = produkcja_dla_[idx(n)];
    if (p < 0) continue;
    const Zbior& first = zbiory_.first(n);
    // A nonterminal that derives only the empty text can have no line.
    if (!ma_linie(n)) {
      if (!first.pusty())
        raport_.blad(g_.produkcje[idx(p)].poz, tresc(K::brak_linii_first, {cytat_nieterminala(g_, n)}));
      continue;
    }
    const Zbior brak = first.bez(decyzje_.deklarowany(n));
    if (!brak.pusty())
      raport_.blad(pierwsza_linia_[idx(n)],
                   tresc(K::first_nie_zawiera, {cytat_nieterminala(g_, n), cytaty_terminali(g_, brak)}));
    const Zbior zbedne = decyzje_.deklarowany(n).bez(first);
    if (!zbedne.pusty())
      raport_.blad(poz_deklaracji_.at({n, zbedne.terminale().front()}),
                   tresc(K::first_zbedne, {cytat_nieterminala(g_, n), cytaty_terminali(g_, zbedne)}));
  }
}

Zbior Analiza_Ll1::potrzebny_first(int n) const {
  Zbior z = zbiory_.first(n);
  for (int t : uzycie_[idx(n)].potrzebne.terminale()) z.dodaj(t);
  return z;
}

}  // namespace bryzas_analiza
