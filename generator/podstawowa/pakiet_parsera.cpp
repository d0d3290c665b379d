#include "generator/podstawowa/pakiet_parsera.h"

#include <algorithm>

#include "generator/wspolne/naglowek.h"
#include "gramatyka/bryzas_pars.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/tekst.h"

namespace bryzas::podstawowa {

Pakiet_Parsera::Pakiet_Parsera(const Bryzas_Pak& pak, Bryzas_Skan& skan, const Tablice_Symboli& symbole,
                               const std::optional<wspolne::Blad_Pliku>& blad_otwarcia, Pliki& pliki,
                               Konsola& konsola)
    : pak_(pak), skan_(skan), symbole_(symbole), blad_otwarcia_(blad_otwarcia), pliki_(pliki),
      konsola_(konsola), wys_(pliki.wys), wyb_(pliki.wyb), lst_(pliki.lst), kod_(wyb_) {}

// The first error stops the phase. Files it opened stay open with what was
// written so far; the driver flushes and closes them at the end of the run.
bool Pakiet_Parsera::parser() {
  konsola_.linia();
  bool blad = true;
  try {
    utworz_pliki();
    poczatek_pl_s();
    poczatek_pl_b();
    Bryzas_Pars(skan_, *this).parsuj();
    deklaruj_typ_zbior();
    deklaruj_zbiory_first();
    lst_.linia();
    lst_.linia("Bez bledu");
    zamknij_pliki();
    konsola_.linia("*** generacja kodu ...");
    pisz_plik_log();
    blad = false;
  } catch (const Blad_Skanera& e) {
    zglos_blad("skanera", e.nr, komunikat_skanera(e.nr));
  } catch (const Blad_Parsera& e) {
    // The analyser's notes are its own; here the number says it all.
    zglos_blad("parsera", e.nr, komunikat_parsera(e.nr));
  } catch (const wspolne::Blad_Pliku& e) {
    // A missing grammar file or an output file of this phase that cannot be
    // created is the user's error; anything else ends the run.
    if (!e.brak_pliku() && e.rodzaj() != wspolne::Blad_Pliku::Rodzaj::utworzenie) throw;
    konsola_.tekst("Bledna nazwa pliku wejsciowego");
  }
  // The error texts describe the body as written, also up to an error.
  opisz_bledy();
  return blad;
}

// "oczekiwano 'X'", or "oczekiwano jednego z: 'A' 'B'" for an alternative, whose branches a nonterminal opens with the
// terminals of its FIRST line (or, without one, with its own name).
void Pakiet_Parsera::opisz_bledy() {
  opisy_bledow_.clear();
  for (const Blad_Kodu& b : kod_.bledy()) {
    std::vector<std::string> oczekiwane;
    auto dodaj = [&](std::string s) {
      if (std::find(oczekiwane.begin(), oczekiwane.end(), s) == oczekiwane.end()) oczekiwane.push_back(s);
    };
    for (const Token_Typ& t : b.oczekiwane) {
      const std::string nazwa(wspolne::usun_spacje(t.Wart));
      auto first = first_sekcji_.find(nazwa);
      if (t.Kod == Token_Kod::NAZWAT)
        dodaj("'" + nazwa + "'");
      else if (first == first_sekcji_.end())
        dodaj("\"" + nazwa + "\"");
      else
        for (const std::string& terminal : first->second) dodaj("'" + terminal + "'");
    }
    std::string tekst = oczekiwane.size() == 1 ? "oczekiwano" : "oczekiwano jednego z:";
    for (const std::string& o : oczekiwane) tekst += " " + o;
    opisy_bledow_.push_back({b.nr, std::move(tekst), b.linia, b.kol});
  }
}

// One console line, then a marker under the error's column and the message
// in the listing.
void Pakiet_Parsera::zglos_blad(std::string_view zrodlo, int nr, std::string_view komunikat) {
  const std::string polozenie =
      ") - l:" + wspolne::obraz(skan_.nr_linii) + ", k:" + wspolne::obraz(skan_.nr_kol) + ": ";
  konsola_.linia("Blad " + std::string(zrodlo) + " (" + wspolne::obraz(nr) + polozenie +
                 std::string(komunikat));
  const std::size_t kreski = skan_.nr_kol > 0 ? static_cast<std::size_t>(skan_.nr_kol) : 0;
  lst_.linia(std::string(kreski + 5, '-'), "^");
  lst_.linia("Blad ", zrodlo, ": ", komunikat);
}

// The grammar file was opened by the driver, which read its first token to
// tell the notation; the lines read so far reach the listing now.
void Pakiet_Parsera::utworz_pliki() {
  if (blad_otwarcia_) {
    if (blad_otwarcia_->brak_pliku()) konsola_.linia("* Brak pliku [ " + pak_.plik_we + " ]");
    throw *blad_otwarcia_;
  }
  pliki_.wys.utworz(pak_.plik_wys);
  pliki_.wyb.utworz(pak_.plik_wyb);
  pliki_.lst.utworz(pak_.plik_lst);
  skan_.listuj(pliki_.lst);
}

void Pakiet_Parsera::poczatek_pl_s() {
  const std::string& j = pak_.nazwa_proj;
  wys_.linia("-- pakiet ", pak_.nazwa_pars, " - specyfikacja");
  wys_.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(wys_, pak_.epoka_zrodel);
  wys_.linia();
  // The sets package P_zbiory, named here with a capital Z, as ever.
  wys_.linia("with ", j, "_Zbiory; use ", j, "_Zbiory;");
  wys_.linia();
  wys_.linia("package ", pak_.nazwa_pars, " is");
  wys_.linia();
  wys_.linia("Nr_Bledu_Pars: Integer;");
  wys_.linia();
  wys_.linia("procedure Parsuj;");
  wys_.linia("procedure Init_Zbiory;");
}

void Pakiet_Parsera::poczatek_pl_b() {
  wyb_.linia("-- pakiet ", pak_.nazwa_pars, " - tresc");
  wyb_.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(wyb_, pak_.epoka_zrodel);
  wyb_.linia();
}

void Pakiet_Parsera::deklaruj_typ_zbior() {
  // The number of grammar lines read, empty ones included.
  konsola_.linia("*** wczytane linie : " + wspolne::obraz(skan_.nr_linii));
  wys_.linia("Blad_Parsera: exception;");
  wys_.linia();
}

// Every nonterminal of the whole file gets its set, also one named only in
// the FIRST section.
void Pakiet_Parsera::deklaruj_zbiory_first() {
  wys_.linia("private");
  wys_.linia();
  for (const std::string& n : symbole_.tablsymnterm.nazwy()) wys_.linia("First_", n, ": Zbior_Tok;");
  wys_.linia();
}

void Pakiet_Parsera::zamknij_pliki() {
  wys_.linia("end ", pak_.nazwa_pars, ";");
  wyb_.linia("end ", pak_.nazwa_pars, ";");
  skan_.zamknij();
  pliki_.wys.zamknij();
  pliki_.wyb.zamknij();
  pliki_.lst.zamknij();
}

void Pakiet_Parsera::pisz_plik_log() {
  pliki_.log.utworz(pak_.plik_log);
  Pisarz log(pliki_.log);
  log.linia("Plik: [ ", pak_.plik_we, "]");
  log.linia();
  log.linia("Tablica symboli nieterminalnych:");
  for (const std::string& n : symbole_.tablsymnterm.nazwy()) log.linia(n);
  log.linia();
  log.linia("Tablica symboli terminalnych:");
  for (const std::string& n : symbole_.tablsymterm.nazwy()) log.linia(n);
  log.linia();
  pliki_.log.zamknij();
}

namespace {

constexpr std::string_view kod_uzytkownika = " -- <- kod uzytkownika";

}  // namespace

// A line of user code at the current indentation.
void Pakiet_Parsera::linia_wstawki(std::string_view tekst) {
  wyb_.linia(wspolne::usun_spacje(tekst), kod_uzytkownika);
}

// The header: context clauses, declarations of the body and of Parsuj and
// its first statements go out at once; the statements after the start
// symbol's call and the handlers wait until the first production names
// that symbol (the last insert of each wins).
void Pakiet_Parsera::naglowek(const Token_Typ& slowo, const Token_Typ& wstawka) {
  switch (slowo.Kod) {
    case Token_Kod::WITHUSEKOD: {
      const std::string pakiet(wspolne::usun_spacje(wstawka.Wart));
      wyb_.linia("with ", pakiet, "; use ", pakiet, ";", kod_uzytkownika);
      break;
    }
    case Token_Kod::INITDEKLKOD:
    case Token_Kod::INITINSTRKOD:
    case Token_Kod::INITINSTRPRZEDKOD: {
      Wciecie w_parsuj(wyb_, krok_wciecia);
      linia_wstawki(wstawka.Wart);
      break;
    }
    case Token_Kod::INITINSTRPOKOD: init_instr_po_ = wstawka.Wart; break;
    case Token_Kod::EXCEPTSKANKOD: except_skan_ = wstawka.Wart; break;
    case Token_Kod::EXCEPTPARSKOD: except_pars_ = wstawka.Wart; break;
    default: linia_wstawki(wstawka.Wart);
  }
}

void Pakiet_Parsera::koniec_czesci(Czesc_Naglowka czesc) {
  switch (czesc) {
    case Czesc_Naglowka::with_use:
      wyb_.linia();
      wyb_.linia("with ", pak_.nazwa_skan, "; use ", pak_.nazwa_skan, ";");
      wyb_.linia("with ", pak_.nazwa_zbiory, ";", "use ", pak_.nazwa_zbiory, ";");
      wyb_.linia();
      wyb_.linia("package body ", pak_.nazwa_pars, " is");
      wyb_.linia();
      wyb_.linia("Tok: Token_Typ;");
      break;
    case Czesc_Naglowka::deklaracje:
      wyb_.linia();
      wyb_.linia("procedure Parsuj is");
      break;
    case Czesc_Naglowka::init_dekl: {
      wyb_.linia("begin");
      Wciecie instrukcje(wyb_, krok_wciecia);
      wyb_.linia("Init_Zbiory;");
      break;
    }
  }
}

void Pakiet_Parsera::lewa_strona(const Token_Typ& nazwa) {
  produkcja_ = wspolne::usun_spacje(nazwa.Wart);
  if (symbol_pocz_) {
    symbol_pocz_ = false;
    dokoncz_parsuj(produkcja_);
  }
  wys_.linia("procedure ", produkcja_, ";");
  wyb_.linia("procedure ", produkcja_, " is");
}

void Pakiet_Parsera::deklaracje(const Token_Typ& wstawka) {
  Wciecie deklaracje(wyb_, krok_wciecia);
  linia_wstawki(wstawka.Wart);
}

void Pakiet_Parsera::cialo() {
  wyb_.linia("begin");
  cialo_.emplace(wyb_, krok_wciecia);
}

void Pakiet_Parsera::wstawka_poczatkowa(const Token_Typ& wstawka) { linia_wstawki(wstawka.Wart); }

void Pakiet_Parsera::koniec_produkcji() {
  cialo_.reset();
  wyb_.linia("end ", produkcja_, ";");
  wyb_.linia();
}

void Pakiet_Parsera::po_pierwszej_produkcji() { wyb_.linia(); }

// The rest of Parsuj, once the start symbol is known.
void Pakiet_Parsera::dokoncz_parsuj(const std::string& symbol) {
  konsola_.linia("*** symbol poczatkowy gramatyki: '" + symbol + "'");
  {
    Wciecie instrukcje(wyb_, krok_wciecia);
    wyb_.linia("Tok := Skanuj;");
    wyb_.linia(symbol, ";");
    if (init_instr_po_) linia_wstawki(*init_instr_po_);
  }
  if (except_skan_ || except_pars_) {
    wyb_.linia("exception");
    Wciecie obsluga(wyb_, krok_wciecia);
    auto obsluz = [&](std::string_view wyjatek, const std::optional<std::string>& wstawka) {
      if (wstawka && !wspolne::usun_spacje(*wstawka).empty())
        wyb_.linia("when ", wyjatek, " =>", wspolne::usun_spacje(*wstawka), kod_uzytkownika);
    };
    obsluz("Blad_Skanera", except_skan_);
    obsluz("Blad_Parsera", except_pars_);
  }
  wyb_.linia("end Parsuj;");
  wyb_.linia();
}

// A name goes to the emitter for its place: alone in the sequence, first
// or later in a repetition, an option or a branch of an alternative. The
// emitter of a first name in an option or a branch opens its if and hands
// back the indentation of its inside, kept until the option or branch ends.
void Pakiet_Parsera::symbol(const Token_Typ& nazwa, const Token_Typ&, const Token_Typ& wstawka) {
  const bool pierwsza = pierwsza_nazwa_;
  pierwsza_nazwa_ = false;
  switch (grupa_.Kod) {
    case Token_Kod::LNAWKL:
      if (pierwsza)
        kod_.gen_kod_opcjaw_nazwakod_1(nazwa, wstawka);
      else
        kod_.gen_kod_opcjaw_nazwakod_2(nazwa, wstawka);
      break;
    case Token_Kod::LNAWKW:
      if (pierwsza)
        galaz_.emplace(kod_.gen_kod_opcjaj_nazwakod_1(nazwa, wstawka));
      else
        kod_.gen_kod_opcjaj_nazwakod_2(nazwa, wstawka);
      break;
    case Token_Kod::LNAW:
      if (pierwsza && pierwsza_galaz_)
        galaz_.emplace(kod_.gen_kod_wyralbo_nazwakod_1(nazwa, wstawka));
      else if (pierwsza)
        galaz_.emplace(kod_.gen_kod_wyralbo_nazwakod_3(nazwa, wstawka));
      else
        kod_.gen_kod_wyralbo_nazwakod_2(nazwa, wstawka);
      break;
    default: kod_.gen_kod_wyr1_nazwakod_1(nazwa, wstawka);
  }
}

// A repetition is a loop from its bracket on; an option and an alternative
// open their if at their first name.
void Pakiet_Parsera::grupa(const Token_Typ& nawias) {
  grupa_ = nawias;
  pierwsza_nazwa_ = true;
  pierwsza_galaz_ = true;
  if (nawias.Kod != Token_Kod::LNAWKL) return;
  wyb_.linia("loop");
  galaz_.emplace(wyb_, krok_wciecia);
}

void Pakiet_Parsera::galaz() {
  galaz_.reset();
  pierwsza_nazwa_ = true;
  pierwsza_galaz_ = false;
}

void Pakiet_Parsera::koniec_grupy(const Token_Typ& nawias) {
  galaz_.reset();
  const Token_Typ otwarcie = grupa_;
  grupa_ = Token_Typ{};
  switch (nawias.Kod) {
    case Token_Kod::PNAWKL: wyb_.linia("end loop;"); break;
    case Token_Kod::PNAWKW: wyb_.linia("end if;"); break;
    default:
      // Its number is drawn after every number inside the branches.
      wyb_.linia("else Nr_Bledu_Pars:=", kod_.nr_bledu_alternatywy(otwarcie.linia, otwarcie.kol),
                 "; raise Blad_Parsera;");
      wyb_.linia("end if;");
  }
}

// The code after a closing bracket: one line at the bracket's indentation.
void Pakiet_Parsera::wstawka_po_grupie(const Token_Typ& wstawka) { linia_wstawki(wstawka.Wart); }

// Init_Zbiory begins when the token after the last production has been
// read: the nonterminals that first occur in the FIRST section are not
// known yet. Its lines stand at a fixed indentation.
void Pakiet_Parsera::po_produkcjach() {
  wyb_.linia("procedure Init_Zbiory is");
  wyb_.linia("begin");
  Wciecie cialo(wyb_, krok_wciecia);
  for (const std::string& n : symbole_.tablsymnterm.nazwy()) wyb_.linia("Zeruj(First_", n, ");");
}

void Pakiet_Parsera::brak_sekcji_first() { konsola_.linia("*** ostrzezenie: Brak sekcji FIRST !"); }

// A FIRST line is written piece by piece as the tokens come; an error leaves
// it unfinished.
void Pakiet_Parsera::linia_first(const Token_Typ& nieterminal) {
  linia_first_ = wspolne::usun_spacje(nieterminal.Wart);
  Wciecie cialo(wyb_, krok_wciecia);
  wyb_.dopisz("First_" + linia_first_ + " := First_" + linia_first_);
}

void Pakiet_Parsera::terminal_first(const Token_Typ& terminal) {
  const std::string t(wspolne::usun_spacje(terminal.Wart));
  wyb_.dopisz("+");
  wyb_.dopisz(t);
  first_sekcji_[linia_first_].push_back(t);
}

void Pakiet_Parsera::koniec_terminali_first() { wyb_.linia(";"); }

void Pakiet_Parsera::koniec_first() {
  wyb_.linia("end Init_Zbiory;");
  wyb_.linia();
}

}  // namespace bryzas::podstawowa
