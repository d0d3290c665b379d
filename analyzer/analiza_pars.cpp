#include "analyzer/analiza_pars.h"

#include <algorithm>

namespace bryzas_analiza {

namespace bledy = bryzas::bledy;

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

analiza_pars::analiza_pars(bryzas::bryzas_skan& skan, Gramatyka& gramatyka)
    : skan_(skan), g_(gramatyka) {}

void analiza_pars::parsuj() {
  nastepny();
  plik();
}

// plik = { WITHUSEKOD KODSYM } { PAKDEKLKOD KODSYM } [ KODSYM ]
//        { INITDEKLKOD KODSYM } { ( INITINSTRKOD | INITINSTRPRZEDKOD ) KODSYM }
//        { INITINSTRPOKOD KODSYM } [ EXCEPTSKANKOD KODSYM ] [ EXCEPTPARSKOD KODSYM ]
//        linia { linia } [ blokfirst ] KONIECPL
void analiza_pars::plik() {
  while (jest(Kod::WITHUSEKOD)) wstawka_po_slowie(bledy::brak_wstawki_with_use);
  while (jest(Kod::PAKDEKLKOD)) wstawka_po_slowie(bledy::brak_wstawki_pak_dekl);
  if (jest(Kod::KODSYM)) nastepny();
  while (jest(Kod::INITDEKLKOD)) wstawka_po_slowie(bledy::brak_wstawki_init_dekl);
  while (jest(Kod::INITINSTRKOD) || jest(Kod::INITINSTRPRZEDKOD)) wstawka_po_slowie(bledy::brak_wstawki_init_instr);
  // Only the last of these inserts is used.
  while (jest(Kod::INITINSTRPOKOD)) {
    const Pozycja p = poz();
    wstawka_po_slowie(bledy::brak_wstawki_init_instr);
    if (jest(Kod::INITINSTRPOKOD)) g_.zbedne_init_instr_po.push_back(p);
  }
  if (jest(Kod::EXCEPTSKANKOD)) wstawka_po_slowie(bledy::brak_wstawki_except_skan);
  if (jest(Kod::EXCEPTPARSKOD)) wstawka_po_slowie(bledy::brak_wstawki_except_pars);
  linia();
  while (jest(Kod::NAZWANT)) linia();
  if (jest(Kod::PROCENT2)) blokfirst();
  sprawdz(Kod::KONIECPL, bledy::nadmiarowe_dane);
}

// A header keyword followed by its code insert; the code is of no interest.
void analiza_pars::wstawka_po_slowie(int nr_bledu) {
  sekcje_.push_back(tok.Kod);
  nastepny();
  sprawdz_nastepny(Kod::KODSYM, nr_bledu);
}

// linia = NAZWANT [ KODSYM ] ROWNA [ KODSYM ] wyr KROPKA
void analiza_pars::linia() {
  if (!jest(Kod::NAZWANT) && g_.produkcje.empty()) {
    const std::string regula = regula_naglowka();
    if (!regula.empty()) blad(bledy::brak_lewej_strony, regula);
  }
  sprawdz(Kod::NAZWANT, bledy::brak_lewej_strony);
  if (lewe_strony_.znajdz(tok.Wart) != 0) blad(bledy::powtorzona_lewa_strona);
  Produkcja p;
  p.poz = poz();
  if (!lewe_strony_.wstaw_token(tok.Wart)) throw Za_Duzo_Produkcji{p.poz};
  p.lewa = g_.nieterminale.wstaw(tok.Wart, p.poz);
  nastepny();
  if (jest(Kod::KODSYM)) nastepny();
  sprawdz_nastepny(Kod::ROWNA, bledy::brak_rowna);
  if (jest(Kod::KODSYM)) nastepny();
  wyr(p.prawa);
  sprawdz(Kod::KROPKA, bledy::brak_kropki_produkcji);
  g_.produkcje.push_back(std::move(p));
  nastepny();
}

// wyr = wyr1 { wyr1 }
void analiza_pars::wyr(std::vector<Element>& prawa) {
  wyr1(prawa);
  while (jest_nazwa() || jest(Kod::LNAWKW) || jest(Kod::LNAWKL) || jest(Kod::LNAW)) wyr1(prawa);
}

// wyr1 = nazwakod | opcjaj | opcjaw | wyralbo
void analiza_pars::wyr1(std::vector<Element>& prawa) {
  if (jest_nazwa()) {
    Element e;
    e.symbol = nazwakod();
    e.poz = e.symbol.poz;
    prawa.push_back(std::move(e));
  } else if (jest(Kod::LNAWKW)) {
    opcjaj(prawa);
  } else if (jest(Kod::LNAWKL)) {
    opcjaw(prawa);
  } else if (jest(Kod::LNAW)) {
    wyralbo(prawa);
  } else {
    blad(bledy::brak_wyrazenia);
  }
}

// opcjaw = LNAWKL nazwakod { nazwakod } PNAWKL [ KODSYM ]
void analiza_pars::opcjaw(std::vector<Element>& prawa) {
  grupa_jednego_ciagu(prawa, Rodzaj_Elementu::powtorzenie, {Kod::LNAWKL, bledy::brak_lnawkl},
                      {Kod::PNAWKL, bledy::brak_pnawkl});
}

// opcjaj = LNAWKW nazwakod { nazwakod } PNAWKW [ KODSYM ]
void analiza_pars::opcjaj(std::vector<Element>& prawa) {
  grupa_jednego_ciagu(prawa, Rodzaj_Elementu::opcja, {Kod::LNAWKW, bledy::brak_lnawkw},
                      {Kod::PNAWKW, bledy::brak_pnawkw});
}

// A repetition or an option: the opening bracket, one sequence of names, the
// closing bracket and the code after it.
void analiza_pars::grupa_jednego_ciagu(std::vector<Element>& prawa, Rodzaj_Elementu rodzaj,
                                       Nawias otwarcie, Nawias zamkniecie) {
  sprawdz(otwarcie.kod, otwarcie.nr_bledu);
  Element e = grupa(rodzaj);
  nastepny();
  ciag_nazw(e.galezie[0]);
  nie_zagniezdzaj(zamkniecie.nr_bledu);
  if (jest(Kod::KRESKAPION))
    blad(zamkniecie.nr_bledu,
         "'|' stoi tylko w ( | ): wybor wewnatrz [ ] lub { } musi byc osobna produkcja");
  sprawdz_nastepny(zamkniecie.kod, zamkniecie.nr_bledu);
  if (jest(Kod::KODSYM)) nastepny();
  prawa.push_back(std::move(e));
}

// wyralbo = LNAW nazwakod { nazwakod } KRESKAPION nazwakod { nazwakod }
//           { KRESKAPION nazwakod { nazwakod } } PNAW [ KODSYM ]
void analiza_pars::wyralbo(std::vector<Element>& prawa) {
  sprawdz(Kod::LNAW, bledy::brak_lnaw);
  Element e = grupa(Rodzaj_Elementu::alternatywa);
  nastepny();
  ciag_nazw(e.galezie[0]);
  nie_zagniezdzaj(bledy::brak_kreski);
  sprawdz(Kod::KRESKAPION, bledy::brak_kreski);
  do {
    nastepny();
    ciag_nazw(e.galezie.emplace_back());
    nie_zagniezdzaj(bledy::brak_pnaw);
  } while (jest(Kod::KRESKAPION));
  sprawdz_nastepny(Kod::PNAW, bledy::brak_pnaw);
  if (jest(Kod::KODSYM)) nastepny();
  prawa.push_back(std::move(e));
}

// The flat sequence inside brackets: nazwakod { nazwakod }
void analiza_pars::ciag_nazw(std::vector<Symbol>& ciag) {
  ciag.push_back(nazwakod());
  while (jest_nazwa()) ciag.push_back(nazwakod());
}

// nazwakod = ( NAZWAT | NAZWANT ) [ KODSYM ]
Symbol analiza_pars::nazwakod() {
  nie_zagniezdzaj(bledy::brak_nazwy);
  if (!jest_nazwa()) blad(bledy::brak_nazwy);
  Symbol s;
  s.terminal = jest(Kod::NAZWAT);
  s.poz = poz();
  s.nr = (s.terminal ? g_.terminale : g_.nieterminale).wstaw(tok.Wart, s.poz);
  nastepny();
  if (jest(Kod::KODSYM)) nastepny();
  return s;
}

// A group opened by the current bracket, with its first sequence empty.
Element analiza_pars::grupa(Rodzaj_Elementu rodzaj) const {
  Element e;
  e.rodzaj = rodzaj;
  e.galezie.resize(1);
  e.poz = poz();
  return e;
}

// blokfirst = PROCENT2 liniafirst { liniafirst }
void analiza_pars::blokfirst() {
  sprawdz_nastepny(Kod::PROCENT2, bledy::brak_procent2);
  liniafirst();
  while (jest(Kod::NAZWANT)) liniafirst();
}

// liniafirst = NAZWANT DWUKROPEK NAZWAT { NAZWAT } KROPKA
void analiza_pars::liniafirst() {
  sprawdz(Kod::NAZWANT, bledy::brak_nieterminala_first);
  Linia_First l;
  l.poz = poz();
  l.nieterminal = g_.nieterminale.wstaw(tok.Wart, l.poz);
  nastepny();
  sprawdz_nastepny(Kod::DWUKROPEK, bledy::brak_dwukropka);
  sprawdz(Kod::NAZWAT, bledy::brak_terminala_first);
  while (jest(Kod::NAZWAT)) {
    Symbol t{true, g_.terminale.wstaw(tok.Wart, poz()), poz()};
    l.terminale.push_back(t);
    nastepny();
  }
  sprawdz(Kod::KROPKA, bledy::brak_kropki_first);
  g_.first.push_back(std::move(l));
  nastepny();
}

// Where the first production should begin, a header keyword or an insert
// stands: one that may stand once came again, one came out of the fixed
// order, or an insert stands where none may.
std::string analiza_pars::regula_naglowka() const {
  if (jest(Kod::KODSYM))
    return "w naglowku po slowie sekcji stoi jedna wstawka, a wstawka bez slowa tylko raz, po sekcjach ++pak_dekl";
  const bool slowo = jest(Kod::WITHUSEKOD) || jest(Kod::PAKDEKLKOD) || jest(Kod::INITDEKLKOD) ||
                     jest(Kod::INITINSTRKOD) || jest(Kod::INITINSTRPRZEDKOD) || jest(Kod::INITINSTRPOKOD) ||
                     jest(Kod::EXCEPTSKANKOD) || jest(Kod::EXCEPTPARSKOD);
  if (!slowo) return {};
  const bool raz = jest(Kod::EXCEPTSKANKOD) || jest(Kod::EXCEPTPARSKOD);
  if (raz && std::find(sekcje_.begin(), sekcje_.end(), tok.Kod) != sekcje_.end())
    return "sekcja ++" + tok.Wart + " moze wystapic tylko raz";
  return "sekcje naglowka stoja w kolejnosci: ++with_use, ++pak_dekl, wstawka bez slowa, ++init_dekl, "
         "++init_instr i ++init_instr_przed, ++init_instr_po, ++except_skan, ++except_pars";
}

// A group where the names of a group go on: the error nr, and the rule.
void analiza_pars::nie_zagniezdzaj(int nr) {
  if (jest(Kod::LNAWKW) || jest(Kod::LNAWKL) || jest(Kod::LNAW))
    blad(nr, "grupy [ ], { } i ( | ) zawieraja tylko nazwy i nie zagniezdzaja sie: "
             "grupa wewnatrz grupy musi byc osobna produkcja");
}

}  // namespace bryzas_analiza
