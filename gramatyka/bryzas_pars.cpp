// Recursive-descent recognisers of the grammar notation. Each tells the
// receiver what it has recognised before it reads on, so that a receiver
// writing code has written everything before the token that stops it.
#include "gramatyka/bryzas_pars.h"

#include <algorithm>

#include "gramatyka/komunikaty_analizy.h"

namespace bryzas {

namespace {

// The rule a syntax error broke comes as a note of the analyser.
using K = bryzas_analiza::Komunikat_Analizy;
using bryzas_analiza::tresc;

}  // namespace

Bryzas_Pars::Bryzas_Pars(Bryzas_Skan& skan, Odbiorca& odbiorca) : skan_(skan), o_(odbiorca) {}

void Bryzas_Pars::parsuj() {
  nastepny();
  if (!jest(Token_Kod::ROZSZERZONA)) {
    plik();
    return;
  }
  // The extended notation has no limit on the number of productions.
  rozszerzona_ = true;
  lewe_strony_ = Tablica_Symboli(Tablica_Symboli::bez_granic);
  o_.rozszerzona();
  nastepny();
  plik_rozszerzony();
}

// plik = { WITHUSEKOD KODSYM } { PAKDEKLKOD KODSYM } [ KODSYM ]
//        { INITDEKLKOD KODSYM } { ( INITINSTRKOD | INITINSTRPRZEDKOD ) KODSYM }
//        { INITINSTRPOKOD KODSYM } [ EXCEPTSKANKOD KODSYM ] [ EXCEPTPARSKOD KODSYM ]
//        linia { linia } [ blokfirst ] KONIECPL
void Bryzas_Pars::plik() {
  while (jest(Token_Kod::WITHUSEKOD)) naglowek(bledy::brak_wstawki_with_use);
  o_.koniec_czesci(Czesc_Naglowka::with_use);
  while (jest(Token_Kod::PAKDEKLKOD)) naglowek(bledy::brak_wstawki_pak_dekl);
  if (jest(Token_Kod::KODSYM)) {
    o_.naglowek(tok, tok);
    nastepny();
  }
  o_.koniec_czesci(Czesc_Naglowka::deklaracje);
  while (jest(Token_Kod::INITDEKLKOD)) naglowek(bledy::brak_wstawki_init_dekl);
  o_.koniec_czesci(Czesc_Naglowka::init_dekl);
  while (jest(Token_Kod::INITINSTRKOD) || jest(Token_Kod::INITINSTRPRZEDKOD))
    naglowek(bledy::brak_wstawki_init_instr);
  while (jest(Token_Kod::INITINSTRPOKOD)) naglowek(bledy::brak_wstawki_init_instr);
  if (jest(Token_Kod::EXCEPTSKANKOD)) naglowek(bledy::brak_wstawki_except_skan);
  if (jest(Token_Kod::EXCEPTPARSKOD)) naglowek(bledy::brak_wstawki_except_pars);
  linia();
  o_.po_pierwszej_produkcji();
  while (jest(Token_Kod::NAZWANT)) linia();
  o_.po_produkcjach();
  if (jest(Token_Kod::PROCENT2))
    blokfirst();
  else
    o_.brak_sekcji_first();
  o_.koniec_first();
  sprawdz(Token_Kod::KONIECPL, bledy::nadmiarowe_dane);
}

// A header keyword and the insert that must follow it. The insert is still
// the current token when the receiver hears of it.
void Bryzas_Pars::naglowek(int nr_bledu) {
  const Token_Typ slowo = tok;
  sekcje_.push_back(tok.Kod);
  nastepny();
  sprawdz(Token_Kod::KODSYM, nr_bledu);
  o_.naglowek(slowo, tok);
  nastepny();
}

// plik_rozszerzony = ROZSZERZONA { naglowek_rozszerzony } linia { linia }
//                    [ PROCENT2 { liniafirst } ] KONIECPL
void Bryzas_Pars::plik_rozszerzony() {
  while (jest_slowo_naglowka() || jest(Token_Kod::KODSYM)) naglowek_rozszerzony();
  linia();
  while (jest(Token_Kod::NAZWANT)) linia();
  if (jest_slowo_naglowka()) blad(bledy::nadmiarowe_dane, tresc(K::naglowek_za_produkcjami));
  o_.po_produkcjach();
  if (jest(Token_Kod::PROCENT2)) {
    nastepny();
    while (jest(Token_Kod::NAZWANT)) liniafirst();
  } else {
    o_.brak_sekcji_first();
  }
  o_.koniec_first();
  sprawdz(Token_Kod::KONIECPL, bledy::nadmiarowe_dane);
}

namespace {

// The place of a header section in the fixed order of the header; ++koniec
// and ++bez_odtwarzania may stand anywhere (-1).
int miejsce_sekcji(Token_Kod k) {
  switch (k) {
    case Token_Kod::WITHUSEKOD:
    case Token_Kod::WITHKOD: return 0;
    case Token_Kod::PAKDEKLKOD: return 1;
    case Token_Kod::KODSYM: return 2;
    case Token_Kod::INITDEKLKOD: return 3;
    case Token_Kod::INITINSTRKOD:
    case Token_Kod::INITINSTRPRZEDKOD: return 4;
    case Token_Kod::INITINSTRPOKOD: return 5;
    case Token_Kod::EXCEPTSKANKOD: return 6;
    case Token_Kod::EXCEPTPARSKOD: return 7;
    default: return -1;
  }
}

// The error of a section keyword without its insert.
int brak_wstawki(Token_Kod k) {
  switch (k) {
    case Token_Kod::PAKDEKLKOD: return bledy::brak_wstawki_pak_dekl;
    case Token_Kod::INITDEKLKOD: return bledy::brak_wstawki_init_dekl;
    case Token_Kod::INITINSTRKOD:
    case Token_Kod::INITINSTRPRZEDKOD:
    case Token_Kod::INITINSTRPOKOD: return bledy::brak_wstawki_init_instr;
    case Token_Kod::EXCEPTSKANKOD: return bledy::brak_wstawki_except_skan;
    case Token_Kod::EXCEPTPARSKOD: return bledy::brak_wstawki_except_pars;
    default: return bledy::brak_wstawki_with_use;
  }
}

// Sections that stand at most once; the insert without a keyword too.
bool tylko_raz(Token_Kod k) {
  return k == Token_Kod::KODSYM || k == Token_Kod::INITINSTRPOKOD || k == Token_Kod::EXCEPTSKANKOD ||
         k == Token_Kod::EXCEPTPARSKOD || k == Token_Kod::KONIECKOD || k == Token_Kod::BEZODTWARZANIAKOD;
}

}  // namespace

bool Bryzas_Pars::jest_slowo_naglowka() const {
  return miejsce_sekcji(tok.Kod) > 0 || jest(Token_Kod::WITHUSEKOD) || jest(Token_Kod::WITHKOD) ||
         jest(Token_Kod::KONIECKOD) || jest(Token_Kod::BEZODTWARZANIAKOD);
}

// naglowek_rozszerzony = ( WITHUSEKOD | WITHKOD | PAKDEKLKOD | INITDEKLKOD | INITINSTRKOD
//                        | INITINSTRPRZEDKOD | INITINSTRPOKOD | EXCEPTSKANKOD | EXCEPTPARSKOD ) KODSYM
//                      | KODSYM | KONIECKOD NAZWAT | BEZODTWARZANIAKOD
// The sections keep the order of today's header, each of those that may
// stand once standing once.
void Bryzas_Pars::naglowek_rozszerzony() {
  const Token_Typ slowo = tok;
  const int miejsce = miejsce_sekcji(slowo.Kod);
  const bool byla = std::find(sekcje_.begin(), sekcje_.end(), slowo.Kod) != sekcje_.end();
  if (tylko_raz(slowo.Kod) && byla)
    blad(bledy::sekcja_nie_na_miejscu, slowo.Kod == Token_Kod::KODSYM ? tresc(K::wstawka_bez_slowa_raz)
                                                                      : tresc(K::sekcja_raz, {slowo.Wart}));
  for (Token_Kod k : sekcje_)
    if (miejsce >= 0 && miejsce_sekcji(k) > miejsce)
      blad(bledy::sekcja_nie_na_miejscu, tresc(K::kolejnosc_naglowka_rozszerzonej));
  sekcje_.push_back(slowo.Kod);
  if (jest(Token_Kod::KODSYM)) {
    o_.naglowek(slowo, tok);
    nastepny();
    return;
  }
  nastepny();
  if (slowo.Kod == Token_Kod::BEZODTWARZANIAKOD) {
    o_.naglowek(slowo, Token_Typ{});
    return;
  }
  if (slowo.Kod == Token_Kod::KONIECKOD)
    sprawdz(Token_Kod::NAZWAT, bledy::brak_terminala_first);
  else
    sprawdz(Token_Kod::KODSYM, brak_wstawki(slowo.Kod));
  o_.naglowek(slowo, tok);
  nastepny();
}

// linia = NAZWANT [ KODSYM ] ROWNA [ KODSYM ] wyr KROPKA
// (in the extended notation NAZWANT [ PARAMSYM ] [ KODSYM ] ROWNA [ KODSYM ]
// wyrazenie KROPKA; only its scanner gives PARAMSYM)
void Bryzas_Pars::linia() {
  if (!jest(Token_Kod::NAZWANT) && !jest_produkcja_) {
    std::string regula = regula_naglowka();
    if (!regula.empty()) blad(bledy::brak_lewej_strony, std::move(regula));
  }
  sprawdz(Token_Kod::NAZWANT, bledy::brak_lewej_strony);
  if (lewe_strony_.znajdz(tok.Wart) >= 0) blad(bledy::powtorzona_lewa_strona);
  if (!lewe_strony_.wstaw_token(tok.Wart))
    throw Za_Duzo_Produkcji{{bledy::powtorzona_lewa_strona}, {tok.linia, tok.kol}};
  jest_produkcja_ = true;
  o_.lewa_strona(tok);
  nastepny();
  if (jest(Token_Kod::PARAMSYM)) {
    o_.parametry(tok);
    nastepny();
  }
  if (jest(Token_Kod::KODSYM)) {
    o_.deklaracje(tok);
    nastepny();
  }
  o_.cialo();
  sprawdz_nastepny(Token_Kod::ROWNA, bledy::brak_rowna);
  if (jest(Token_Kod::KODSYM)) {
    o_.wstawka_poczatkowa(tok);
    nastepny();
  }
  if (rozszerzona_)
    wyrazenie();
  else
    wyr();
  sprawdz(Token_Kod::KROPKA, bledy::brak_kropki_produkcji);
  o_.koniec_produkcji();
  nastepny();
}

// wyr = wyr1 { wyr1 }
void Bryzas_Pars::wyr() {
  wyr1();
  while (jest_nazwa() || jest_grupa()) wyr1();
}

// wyr1 = nazwakod | opcjaj | opcjaw | wyralbo
void Bryzas_Pars::wyr1() {
  if (jest_nazwa())
    nazwakod();
  else if (jest(Token_Kod::LNAWKW))
    opcjaj();
  else if (jest(Token_Kod::LNAWKL))
    opcjaw();
  else if (jest(Token_Kod::LNAW))
    wyralbo();
  else
    blad(bledy::brak_wyrazenia);
}

// opcjaw = LNAWKL nazwakod { nazwakod } PNAWKL [ KODSYM ]
void Bryzas_Pars::opcjaw() {
  sprawdz(Token_Kod::LNAWKL, bledy::brak_lnawkl);
  o_.grupa(tok);
  nastepny();
  ciag_nazw();
  zamknij_grupe(Token_Kod::PNAWKL, bledy::brak_pnawkl);
}

// opcjaj = LNAWKW nazwakod { nazwakod } PNAWKW [ KODSYM ]
void Bryzas_Pars::opcjaj() {
  sprawdz(Token_Kod::LNAWKW, bledy::brak_lnawkw);
  o_.grupa(tok);
  nastepny();
  ciag_nazw();
  zamknij_grupe(Token_Kod::PNAWKW, bledy::brak_pnawkw);
}

// wyralbo = LNAW nazwakod { nazwakod } KRESKAPION nazwakod { nazwakod }
//           { KRESKAPION nazwakod { nazwakod } } PNAW [ KODSYM ]
void Bryzas_Pars::wyralbo() {
  sprawdz(Token_Kod::LNAW, bledy::brak_lnaw);
  o_.grupa(tok);
  nastepny();
  ciag_nazw();
  nie_zagniezdzaj(bledy::brak_kreski);
  sprawdz(Token_Kod::KRESKAPION, bledy::brak_kreski);
  do {
    o_.galaz();
    nastepny();
    ciag_nazw();
  } while (jest(Token_Kod::KRESKAPION));
  zamknij_grupe(Token_Kod::PNAW, bledy::brak_pnaw);
}

// wyrazenie = ciag { KRESKAPION ciag }
void Bryzas_Pars::wyrazenie() {
  ciag();
  while (jest(Token_Kod::KRESKAPION)) {
    o_.galaz();
    nastepny();
    ciag();
  }
}

// ciag = czynnik { czynnik }
void Bryzas_Pars::ciag() {
  czynnik();
  while (jest_nazwa() || jest_grupa()) czynnik();
}

// czynnik = nazwakod | ( LNAW | LNAWKW | LNAWKL ) wyrazenie ( PNAW | PNAWKW | PNAWKL ) [ KODSYM ]
// A group closes with the bracket that matches its own.
void Bryzas_Pars::czynnik() {
  if (jest_nazwa()) {
    nazwakod();
    return;
  }
  if (!jest_grupa()) blad(bledy::brak_wyrazenia);
  const Token_Kod otwarcie = tok.Kod;
  o_.grupa(tok);
  nastepny();
  wyrazenie();
  if (otwarcie == Token_Kod::LNAW)
    zamknij_grupe(Token_Kod::PNAW, bledy::brak_pnaw);
  else if (otwarcie == Token_Kod::LNAWKW)
    zamknij_grupe(Token_Kod::PNAWKW, bledy::brak_pnawkw);
  else
    zamknij_grupe(Token_Kod::PNAWKL, bledy::brak_pnawkl);
}

// The closing bracket of a group, then the insert after it.
void Bryzas_Pars::zamknij_grupe(Token_Kod nawias, int nr_bledu) {
  if (!rozszerzona_) nie_zagniezdzaj(nr_bledu);
  if (!rozszerzona_ && nawias != Token_Kod::PNAW && jest(Token_Kod::KRESKAPION))
    blad(nr_bledu, tresc(K::kreska_w_opcji));
  sprawdz(nawias, nr_bledu);
  o_.koniec_grupy(tok);
  nastepny();
  if (jest(Token_Kod::KODSYM)) {
    o_.wstawka_po_grupie(tok);
    nastepny();
  }
}

// The flat sequence inside brackets: nazwakod { nazwakod }
void Bryzas_Pars::ciag_nazw() {
  nazwakod();
  while (jest_nazwa()) nazwakod();
}

// nazwakod = ( NAZWAT | NAZWANT ) [ KODSYM ]
// (in the extended notation NAZWAT [ KODSYM ] | NAZWANT [ PARAMSYM ] [ KODSYM ])
void Bryzas_Pars::nazwakod() {
  if (!rozszerzona_) nie_zagniezdzaj(bledy::brak_nazwy);
  if (!jest_nazwa()) blad(bledy::brak_nazwy);
  const Token_Typ nazwa = tok;
  nastepny();
  Token_Typ parametry;
  if (jest(Token_Kod::PARAMSYM)) {
    if (nazwa.Kod == Token_Kod::NAZWAT)
      blad(bledy::parametry_terminala, tresc(K::parametry_terminala, {nazwa.Wart}));
    parametry = tok;
    nastepny();
  }
  Token_Typ wstawka;
  if (jest(Token_Kod::KODSYM)) {
    wstawka = tok;
    nastepny();
  }
  o_.symbol(nazwa, parametry, wstawka);
}

// blokfirst = PROCENT2 liniafirst { liniafirst }
void Bryzas_Pars::blokfirst() {
  sprawdz_nastepny(Token_Kod::PROCENT2, bledy::brak_procent2);
  liniafirst();
  while (jest(Token_Kod::NAZWANT)) liniafirst();
}

// liniafirst = NAZWANT DWUKROPEK NAZWAT { NAZWAT } KROPKA
void Bryzas_Pars::liniafirst() {
  sprawdz(Token_Kod::NAZWANT, bledy::brak_nieterminala_first);
  o_.linia_first(tok);
  nastepny();
  sprawdz_nastepny(Token_Kod::DWUKROPEK, bledy::brak_dwukropka);
  sprawdz(Token_Kod::NAZWAT, bledy::brak_terminala_first);
  do {
    o_.terminal_first(tok);
    nastepny();
  } while (jest(Token_Kod::NAZWAT));
  o_.koniec_terminali_first();
  sprawdz_nastepny(Token_Kod::KROPKA, bledy::brak_kropki_first);
}

// Where the first production should begin, a header keyword or an insert
// stands: one that may stand once came again, one came out of the fixed
// order, or an insert stands where none may.
std::string Bryzas_Pars::regula_naglowka() const {
  if (jest(Token_Kod::KODSYM)) return tresc(K::wstawka_w_naglowku);
  const bool slowo = jest(Token_Kod::WITHUSEKOD) || jest(Token_Kod::PAKDEKLKOD) || jest(Token_Kod::INITDEKLKOD) ||
                     jest(Token_Kod::INITINSTRKOD) || jest(Token_Kod::INITINSTRPRZEDKOD) ||
                     jest(Token_Kod::INITINSTRPOKOD) || jest(Token_Kod::EXCEPTSKANKOD) ||
                     jest(Token_Kod::EXCEPTPARSKOD);
  if (!slowo) return {};
  const bool raz = jest(Token_Kod::EXCEPTSKANKOD) || jest(Token_Kod::EXCEPTPARSKOD);
  if (raz && std::find(sekcje_.begin(), sekcje_.end(), tok.Kod) != sekcje_.end())
    return tresc(K::sekcja_raz, {tok.Wart});
  return tresc(K::kolejnosc_naglowka);
}

// A group where the names of a group go on: the error nr, and the rule.
void Bryzas_Pars::nie_zagniezdzaj(int nr) {
  if (jest_grupa())
    blad(nr, tresc(K::grupa_w_grupie));
}

}  // namespace bryzas
