#include "gramatyka/analiza_ll1.h"

#include <string>

namespace bryzas_analiza {

namespace {

// "dla 'p' 'q'", "dla konca wejscia" or both.
std::string dla_tokenow(const Gramatyka& g, const Zbior& z) {
  std::string w = "dla " + cytaty_terminali(g, z);
  if (z.ma_koniec()) w += z.terminale().empty() ? "konca wejscia" : " i konca wejscia";
  return w;
}

// True when no terminal of the clash can really begin both sides.
bool tylko_zbedne(const Zbior& starcie, const Zbior& realne_a, const Zbior& realne_b) {
  for (int t : starcie.terminale())
    if (realne_a.zawiera(t) && realne_b.zawiera(t)) return false;
  return true;
}

constexpr const char* skutek_zbednych = "; skutek zbednych terminali w FIRST";

}  // namespace

analiza_ll1::analiza_ll1(const Gramatyka& g, const analiza_zbiory& zbiory, analiza_raport& raport)
    : g_(g),
      zbiory_(zbiory),
      raport_(raport),
      produkcja_dla_(g.produkcja_dla()),
      deklarowany_(idx(g.nieterminale.licz())),
      pierwsza_linia_(idx(g.nieterminale.licz())),
      uzycie_(idx(g.nieterminale.licz())),
      zaczynane_(idx(g.nieterminale.licz())) {}

void analiza_ll1::sprawdz() {
  zbierz_deklaracje();
  for (const auto& p : g_.produkcje)
    for (std::size_t i = 0; i < p.prawa.size(); ++i) {
      const Element& e = p.prawa[i];
      if (e.rodzaj == Rodzaj_Elementu::symbol) continue;
      const Zbior za = zbiory_.za_elementem(p, i);
      if (e.rodzaj == Rodzaj_Elementu::alternatywa)
        alternatywa(e, za);
      else
        opcja_lub_powtorzenie(e, za);
    }
  sekcja_first();
}

void analiza_ll1::zbierz_deklaracje() {
  for (const auto& l : g_.first) {
    if (!ma_linie(l.nieterminal)) pierwsza_linia_[idx(l.nieterminal)] = l.poz;
    for (const auto& t : l.terminale) {
      deklarowany_[idx(l.nieterminal)].dodaj(t.nr);
      poz_deklaracji_.emplace(std::make_pair(l.nieterminal, t.nr), t.poz);
    }
  }
}

// The set the generated parser tests before it enters the sequence; notes
// the nonterminal that begins it.
Zbior analiza_ll1::decyzja(const std::vector<Symbol>& ciag) {
  const Symbol& s = ciag.front();
  if (s.terminal) {
    Zbior z;
    z.dodaj(s.nr);
    return z;
  }
  Uzycie& u = uzycie_[idx(s.nr)];
  zaczynane_[idx(s.nr)].push_back(s.poz);
  if (!u.zaczyna_grupe) {
    u.zaczyna_grupe = true;
    u.pierwsza_grupa = s.poz;
  }
  return deklarowany_[idx(s.nr)];
}

// A nullable first nonterminal hands the choice to the tokens after it, which
// its declared set must then hold as well.
void analiza_ll1::pusty_na_poczatku(const std::vector<Symbol>& ciag, const Zbior& po_pierwszym,
                                    bool galaz) {
  const Symbol& s = ciag.front();
  if (s.terminal || !zbiory_.pusty(s.nr)) return;
  uzycie_[idx(s.nr)].potrzebne.dodaj(po_pierwszym);
  // Without a FIRST line the declared set is empty: everything is lost.
  const std::string tekst = cytat_nieterminala(g_, s.nr) + " moze byc pusty na poczatku " +
                            (galaz ? "galezi" : "grupy");
  const Zbior utracone = po_pierwszym.bez(deklarowany_[idx(s.nr)]);
  if (utracone.pusty())
    raport_.ostrzezenie(s.poz, tekst);
  else
    podejrzenia_.push_back({raport_.blad(s.poz, tekst + (galaz ? "; galaz" : "; grupa") +
                                                    " nie zostanie wybrana " + dla_tokenow(g_, utracone)),
                            {{s.poz}, utracone, false},
                            galaz ? "parser nigdy nie wybiera galezi tam, gdzie by jej potrzebowal"
                                  : "parser nigdy nie wchodzi w grupe tam, gdzie by jej potrzebowal",
                            {{s.poz, 1, Strona::do_konca, galaz}}});
}

void analiza_ll1::opcja_lub_powtorzenie(const Element& e, const Zbior& za) {
  const auto& ciag = e.galezie[0];
  const Zbior d = decyzja(ciag);
  bool pusty;
  const Zbior realne = zbiory_.first_ciagu(ciag, 0, pusty);
  pusty_na_poczatku(ciag, zbiory_.first_ciagu(ciag, 1, pusty), false);

  const Zbior starcie = d.przeciecie(za);
  if (starcie.pusty()) return;
  std::string tekst = "konflikt LL(1): ";
  if (e.rodzaj == Rodzaj_Elementu::opcja)
    tekst += "opcja [ ] i to, co po niej, zaczynaja sie od " + cytaty_terminali(g_, starcie) +
             " (parser wejdzie w opcje)";
  else
    tekst += "powtorzenie { } i to, co po nim, zaczynaja sie od " +
             cytaty_terminali(g_, starcie) + " (parser powtorzy petle)";
  // What follows the group is computed, so only the group's side can be
  // inflated by the declarations.
  if (tylko_zbedne(starcie, realne, za)) tekst += skutek_zbednych;
  podejrzenia_.push_back({raport_.blad(e.poz, tekst), {{ciag.front().poz}, starcie, true},
                          e.rodzaj == Rodzaj_Elementu::opcja ? "parser zawsze wybiera opcje"
                                                             : "parser zawsze powtarza petle",
                          {{ciag.front().poz, 0, Strona::do_konca, false, true}}});
}

void analiza_ll1::alternatywa(const Element& e, const Zbior& za) {
  std::vector<Zbior> d, realne;
  for (const auto& ciag : e.galezie) {
    d.push_back(decyzja(ciag));
    bool pusty;
    Zbior r = zbiory_.first_ciagu(ciag, 0, pusty);
    if (pusty) r.dodaj(za);
    realne.push_back(r);
    // After a nullable first name come the rest of the branch and, when that
    // can vanish too, whatever follows the whole group.
    Zbior po_pierwszym = zbiory_.first_ciagu(ciag, 1, pusty);
    if (pusty) po_pierwszym.dodaj(za);
    pusty_na_poczatku(ciag, po_pierwszym, true);
  }
  // A token is taken by the first branch whose set holds it; every later
  // branch that holds it too is reported against that one.
  for (std::size_t j = 1; j < d.size(); ++j) {
    std::vector<Zbior> przez(j);
    for (int t : d[j].terminale())
      for (std::size_t i = 0; i < j; ++i)
        if (d[i].zawiera(t)) {
          przez[i].dodaj(t);
          break;
        }
    for (std::size_t i = 0; i < j; ++i) {
      if (przez[i].pusty()) continue;
      std::string tekst = "konflikt LL(1): galezie " + std::to_string(i + 1) + " i " +
                          std::to_string(j + 1) + " zaczynaja sie od " +
                          cytaty_terminali(g_, przez[i]) + " (wybrana bedzie galaz " +
                          std::to_string(i + 1) + ")";
      if (tylko_zbedne(przez[i], realne[i], realne[j])) tekst += skutek_zbednych;
      podejrzenia_.push_back({raport_.blad(e.galezie[j].front().poz, tekst),
                              {{e.galezie[i].front().poz}, przez[i], true},
                              "parser zawsze wybiera galaz " + std::to_string(i + 1),
                              {{e.galezie[j].front().poz, 0, Strona::do_konca, true}}});
    }
  }
}

void analiza_ll1::sekcja_first() {
  for (const auto& l : g_.first)
    if (produkcja_dla_[idx(l.nieterminal)] < 0)
      raport_.ostrzezenie(l.poz, "linia FIRST dla " + cytat_nieterminala(g_, l.nieterminal) +
                                     ", ktory nie ma produkcji");

  for (int n = 0; n < g_.nieterminale.licz(); ++n) {
    const Uzycie& u = uzycie_[idx(n)];
    // A name without a production has its own message; a missing FIRST line
    // for it would tell the same fault twice.
    if (produkcja_dla_[idx(n)] < 0) continue;
    if (!ma_linie(n)) {
      if (u.zaczyna_grupe)
        raport_.blad(u.pierwsza_grupa, "brak linii FIRST dla " + cytat_nieterminala(g_, n) +
                                           ", ktory zaczyna grupe");
      continue;
    }
    const Zbior brak = zbiory_.first(n).bez(deklarowany_[idx(n)]);
    if (!brak.pusty()) {
      const std::string tekst =
          "FIRST " + cytat_nieterminala(g_, n) + " nie zawiera " + cytaty_terminali(g_, brak);
      if (u.zaczyna_grupe) {
        std::vector<Strona> strony;
        for (const Pozycja& p : zaczynane_[idx(n)]) strony.push_back({p, 0, 1});
        podejrzenia_.push_back({raport_.blad(pierwsza_linia_[idx(n)], tekst), {zaczynane_[idx(n)], brak, false},
                                "parser nie potrzebuje tu brakujacych terminali", std::move(strony)});
      } else
        raport_.ostrzezenie(pierwsza_linia_[idx(n)], tekst + " (zbior nieuzywany w parserze)");
    }
    // Every extra terminal in one message, at the first one it names.
    const Zbior zbedne = deklarowany_[idx(n)].bez(zbiory_.first(n)).bez(u.potrzebne);
    if (!zbedne.pusty())
      raport_.ostrzezenie(poz_deklaracji_.at({n, zbedne.terminale().front()}),
                          "FIRST " + cytat_nieterminala(g_, n) + " zawiera zbedne " +
                              cytaty_terminali(g_, zbedne));
  }
}

Zbior analiza_ll1::potrzebny_first(int n) const {
  Zbior z = zbiory_.first(n);
  for (int t : uzycie_[idx(n)].potrzebne.terminale()) z.dodaj(t);
  return z;
}

}  // namespace bryzas_analiza
