// Recursive-descent recognisers of the grammar notation. Each writes the Ada
// text of what it has recognised at once, in grammar order; the symbols of a
// right-hand side go to the emitters of bryzas_kod.
#include "generator/parser/bryzas_pars.h"

namespace bryzas {

namespace {

constexpr std::string_view kod_uzytkownika = " -- <- kod uzytkownika";

}  // namespace

void bryzas_pars::init_zbiory() {
  for (Zbior_Tok* z : {&first_linia, &first_wyr1, &first_nazwakod, &first_opcjaj, &first_opcjaw,
                       &first_wyralbo, &first_blokfirst, &first_liniafirst})
    Zeruj(*z);
  first_linia = first_linia + Token_Kod::NAZWANT;
  first_wyr1 = first_wyr1 + Token_Kod::NAZWAT + Token_Kod::NAZWANT + Token_Kod::LNAWKW +
               Token_Kod::LNAWKL + Token_Kod::LNAW;
  first_nazwakod = first_nazwakod + Token_Kod::NAZWAT + Token_Kod::NAZWANT;
  first_opcjaj = first_opcjaj + Token_Kod::LNAWKW;
  first_opcjaw = first_opcjaw + Token_Kod::LNAWKL;
  first_wyralbo = first_wyralbo + Token_Kod::LNAW;
  first_blokfirst = first_blokfirst + Token_Kod::PROCENT2;
  first_liniafirst = first_liniafirst + Token_Kod::NAZWANT;
}

void bryzas_pars::parsuj() {
  init_zbiory();
  nastepny();
  plik();
}

// Consumes a header keyword and returns the code insert that must follow
// it. The insert stays the current token: its line is written before the
// next token is read, so a scanner error after it still finds it written.
std::string bryzas_pars::wstawka_po_slowie(int nr_bledu) {
  nastepny();
  sprawdz(Token_Kod::KODSYM, nr_bledu);
  return tok.Wart;
}

// plik = { WITHUSEKOD KODSYM } { PAKDEKLKOD KODSYM } [ KODSYM ]
//        { INITDEKLKOD KODSYM } { ( INITINSTRKOD | INITINSTRPRZEDKOD ) KODSYM }
//        { INITINSTRPOKOD KODSYM } [ EXCEPTSKANKOD KODSYM ] [ EXCEPTPARSKOD KODSYM ]
//        linia { linia } [ blokfirst ] KONIECPL
void bryzas_pars::plik() {
  while (jest(Token_Kod::WITHUSEKOD)) {
    const std::string pakiet(wspolne::usun_spacje(wstawka_po_slowie(bledy::brak_wstawki_with_use)));
    wyb_.linia("with ", pakiet, "; use ", pakiet, ";", kod_uzytkownika);
    nastepny();
  }
  wyb_.linia();
  wyb_.linia("with ", pak_.nazwa_skan, "; use ", pak_.nazwa_skan, ";");
  wyb_.linia("with ", pak_.nazwa_proj, "_zbiory;", "use ", pak_.nazwa_proj, "_zbiory;");
  wyb_.linia();
  wyb_.linia("package body ", pak_.nazwa_pars, " is");
  wyb_.linia();
  wyb_.linia("Tok: Token_Typ;");
  while (jest(Token_Kod::PAKDEKLKOD)) {
    wyb_.linia(wspolne::usun_spacje(wstawka_po_slowie(bledy::brak_wstawki_pak_dekl)), kod_uzytkownika);
    nastepny();
  }
  if (jest(Token_Kod::KODSYM)) {
    wyb_.linia(wspolne::usun_spacje(tok.Wart), kod_uzytkownika);
    nastepny();
  }
  wyb_.linia();
  wyb_.linia("procedure Parsuj is");
  while (jest(Token_Kod::INITDEKLKOD)) {
    Wciecie deklaracja(wyb_, krok_wciecia);
    wyb_.linia(wspolne::usun_spacje(wstawka_po_slowie(bledy::brak_wstawki_init_dekl)), kod_uzytkownika);
    nastepny();
  }
  wyb_.linia("begin");
  {
    Wciecie instrukcje(wyb_, krok_wciecia);
    wyb_.linia("Init_Zbiory;");
    while (jest(Token_Kod::INITINSTRKOD) || jest(Token_Kod::INITINSTRPRZEDKOD)) {
      wyb_.linia(wspolne::usun_spacje(wstawka_po_slowie(bledy::brak_wstawki_init_instr)), kod_uzytkownika);
      nastepny();
    }
  }
  // The statements after the start symbol's call and the handlers wait
  // until the first production names that symbol; the last insert wins.
  while (jest(Token_Kod::INITINSTRPOKOD)) {
    buf_init_instr_po = wstawka_po_slowie(bledy::brak_wstawki_init_instr);
    jest_init_instr_po = true;
    nastepny();
  }
  if (jest(Token_Kod::EXCEPTSKANKOD)) {
    buf_except_skan = wstawka_po_slowie(bledy::brak_wstawki_except_skan);
    jestexcept = true;
    nastepny();
  }
  if (jest(Token_Kod::EXCEPTPARSKOD)) {
    buf_except_pars = wstawka_po_slowie(bledy::brak_wstawki_except_pars);
    jestexcept = true;
    nastepny();
  }
  linia();
  wyb_.linia();
  while (Zawiera_Sie(tok.Kod, first_linia)) linia();
  deklaruj_init_zbiory_pocz();
  if (Zawiera_Sie(tok.Kod, first_blokfirst))
    blokfirst();
  else
    konsola_.linia("*** ostrzezenie: Brak sekcji FIRST !");
  deklaruj_init_zbiory_kon();
  sprawdz(Token_Kod::KONIECPL, bledy::nadmiarowe_dane);
}

// linia = NAZWANT [ KODSYM ] ROWNA [ KODSYM ] wyr KROPKA
void bryzas_pars::linia() {
  sprawdz(Token_Kod::NAZWANT, bledy::brak_lewej_strony);
  // A left side seen before, or one more than the table holds.
  if (!tabl_lewych_stron.wstaw_token(tok.Wart)) blad(bledy::powtorzona_lewa_strona);
  const std::string x(wspolne::usun_spacje(tok.Wart));
  if (symbol_pocz) {
    symbol_pocz = false;
    dokoncz_parsuj(x);
  }
  wys_.linia("procedure ", x, ";");
  wyb_.linia("procedure ", x, " is");
  nastepny();
  if (jest(Token_Kod::KODSYM)) {
    // Declarations of the procedure.
    Wciecie deklaracje(wyb_, krok_wciecia);
    wyb_.linia(wspolne::usun_spacje(tok.Wart), kod_uzytkownika);
    nastepny();
  }
  wyb_.linia("begin");
  {
    Wciecie cialo(wyb_, krok_wciecia);
    sprawdz_nastepny(Token_Kod::ROWNA, bledy::brak_rowna);
    if (jest(Token_Kod::KODSYM)) {
      wyb_.linia(wspolne::usun_spacje(tok.Wart), kod_uzytkownika);
      nastepny();
    }
    wyr();
    sprawdz(Token_Kod::KROPKA, bledy::brak_kropki_produkcji);
  }
  wyb_.linia("end ", x, ";");
  wyb_.linia();
  nastepny();
}

// The rest of Parsuj, once the start symbol is known.
void bryzas_pars::dokoncz_parsuj(const std::string& symbol) {
  konsola_.linia("*** symbol poczatkowy gramatyki: '" + symbol + "'");
  {
    Wciecie instrukcje(wyb_, krok_wciecia);
    wyb_.linia("Tok := Skanuj;");
    wyb_.linia(symbol, ";");
    if (jest_init_instr_po) wyb_.linia(wspolne::usun_spacje(buf_init_instr_po), kod_uzytkownika);
  }
  if (jestexcept) {
    wyb_.linia("exception");
    Wciecie obsluga(wyb_, krok_wciecia);
    if (!wspolne::usun_spacje(buf_except_skan).empty())
      wyb_.linia("when Blad_Skanera =>", wspolne::usun_spacje(buf_except_skan), kod_uzytkownika);
    if (!wspolne::usun_spacje(buf_except_pars).empty())
      wyb_.linia("when Blad_Parsera =>", wspolne::usun_spacje(buf_except_pars), kod_uzytkownika);
  }
  wyb_.linia("end Parsuj;");
  wyb_.linia();
}

// wyr = wyr1 { wyr1 }
void bryzas_pars::wyr() {
  wyr1();
  while (Zawiera_Sie(tok.Kod, first_wyr1)) wyr1();
}

// wyr1 = nazwakod | opcjaj | opcjaw | wyralbo
void bryzas_pars::wyr1() {
  if (Zawiera_Sie(tok.Kod, first_nazwakod)) {
    nazwakod();
    kod_.gen_kod_wyr1_nazwakod_1(tok_nazwa_temp, tok_kod_temp);
  } else if (Zawiera_Sie(tok.Kod, first_opcjaj)) {
    opcjaj();
  } else if (Zawiera_Sie(tok.Kod, first_opcjaw)) {
    opcjaw();
  } else if (Zawiera_Sie(tok.Kod, first_wyralbo)) {
    wyralbo();
  } else {
    blad(bledy::brak_wyrazenia);
  }
}

// opcjaw = LNAWKL nazwakod { nazwakod } PNAWKL [ KODSYM ]
void bryzas_pars::opcjaw() {
  sprawdz(Token_Kod::LNAWKL, bledy::brak_lnawkl);
  wyb_.linia("loop");
  {
    Wciecie petla(wyb_, krok_wciecia);
    nastepny();
    nazwakod();
    kod_.gen_kod_opcjaw_nazwakod_1(tok_nazwa_temp, tok_kod_temp);
    dalsze_nazwy(&bryzas_kod::gen_kod_opcjaw_nazwakod_2);
    sprawdz(Token_Kod::PNAWKL, bledy::brak_pnawkl);
  }
  wyb_.linia("end loop;");
  nastepny();
  wstawka_koncowa();
}

// opcjaj = LNAWKW nazwakod { nazwakod } PNAWKW [ KODSYM ]
void bryzas_pars::opcjaj() {
  sprawdz_nastepny(Token_Kod::LNAWKW, bledy::brak_lnawkw);
  {
    // The emitter of the first name opens the if.
    nazwakod();
    Wciecie galaz = kod_.gen_kod_opcjaj_nazwakod_1(tok_nazwa_temp, tok_kod_temp);
    dalsze_nazwy(&bryzas_kod::gen_kod_opcjaj_nazwakod_2);
    sprawdz(Token_Kod::PNAWKW, bledy::brak_pnawkw);
  }
  wyb_.linia("end if;");
  nastepny();
  wstawka_koncowa();
}

// wyralbo = LNAW nazwakod { nazwakod } KRESKAPION nazwakod { nazwakod }
//           { KRESKAPION nazwakod { nazwakod } } PNAW [ KODSYM ]
void bryzas_pars::wyralbo() {
  const int linia = tok.linia, kol = tok.kol;
  sprawdz_nastepny(Token_Kod::LNAW, bledy::brak_lnaw);
  {
    nazwakod();
    Wciecie galaz = kod_.gen_kod_wyralbo_nazwakod_1(tok_nazwa_temp, tok_kod_temp);
    dalsze_nazwy(&bryzas_kod::gen_kod_wyralbo_nazwakod_2);
  }
  sprawdz_nastepny(Token_Kod::KRESKAPION, bledy::brak_kreski);
  galaz_alternatywy();
  while (jest(Token_Kod::KRESKAPION)) {
    nastepny();
    galaz_alternatywy();
  }
  sprawdz(Token_Kod::PNAW, bledy::brak_pnaw);
  // Its number is drawn after every number inside the branches.
  wyb_.linia("else Nr_Bledu_Pars:=", kod_.nr_bledu_alternatywy(linia, kol), "; raise Blad_Parsera;");
  wyb_.linia("end if;");
  nastepny();
  wstawka_koncowa();
}

// A branch after "|": its first name opens an elsif.
void bryzas_pars::galaz_alternatywy() {
  nazwakod();
  Wciecie galaz = kod_.gen_kod_wyralbo_nazwakod_3(tok_nazwa_temp, tok_kod_temp);
  dalsze_nazwy(&bryzas_kod::gen_kod_wyralbo_nazwakod_2);
}

// { nazwakod }: the names after the first one of a group, each written by
// the group's emitter for them.
void bryzas_pars::dalsze_nazwy(void (bryzas_kod::*emiter)(const Token_Typ&, const Token_Typ&)) {
  while (Zawiera_Sie(tok.Kod, first_nazwakod)) {
    nazwakod();
    (kod_.*emiter)(tok_nazwa_temp, tok_kod_temp);
  }
}

// nazwakod = ( NAZWAT | NAZWANT ) [ KODSYM ]
void bryzas_pars::nazwakod() {
  if (!jest(Token_Kod::NAZWAT) && !jest(Token_Kod::NAZWANT)) blad(bledy::brak_nazwy);
  tok_nazwa_temp = tok;
  nastepny();
  tok_kod_temp.Kod = Token_Kod::PUSTY;
  if (jest(Token_Kod::KODSYM)) {
    tok_kod_temp = tok;
    nastepny();
  }
}

// The code after a closing bracket: one line at the bracket's indentation.
void bryzas_pars::wstawka_koncowa() {
  if (!jest(Token_Kod::KODSYM)) return;
  wyb_.linia(wspolne::usun_spacje(tok.Wart), kod_uzytkownika);
  nastepny();
}

}  // namespace bryzas
