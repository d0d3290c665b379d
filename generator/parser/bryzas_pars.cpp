#include "generator/parser/bryzas_pars.h"

#include <algorithm>

#include "generator/podstawa/czas.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/tekst.h"

namespace bryzas {

bryzas_pars::bryzas_pars(bryzas_pak& pak, bryzas_skan& skan, Konsola& konsola)
    : pak_(pak), skan_(skan), konsola_(konsola), wys_(pak.pl_wys), wyb_(pak.pl_wyb),
      lst_(pak.pl_lst), kod_(wyb_) {}

// The first error stops the phase. Files it opened stay open with what was
// written so far; the driver flushes and closes them at the end of the run.
bool bryzas_pars::parser() {
  konsola_.linia();
  bool blad = true;
  try {
    utworz_pliki();
    poczatek_pl_s();
    poczatek_pl_b();
    parsuj();
    deklaruj_typ_zbior();
    deklaruj_zbiory_first();
    lst_.linia();
    lst_.linia("Bez bledu");
    zamknij_pliki();
    konsola_.linia("*** generacja kodu ...");
    pisz_plik_log();
    blad = false;
  } catch (const Blad_Skanera& e) {
    zglos_blad("skanera", e.nr, bledy_skanera.at(static_cast<std::size_t>(e.nr)));
  } catch (const Blad_Parsera& e) {
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

// "oczekiwano 'X' (P.gpa:L:K)", or "oczekiwano jednego z: 'A' 'B' (...)"
// for an alternative, whose branches a nonterminal opens with the
// terminals of its FIRST line (or, without one, with its own name).
void bryzas_pars::opisz_bledy() {
  pak_.opisy_bledow.clear();
  for (const Blad_Kodu& b : kod_.bledy()) {
    std::vector<std::string> oczekiwane;
    auto dodaj = [&](std::string s) {
      if (std::find(oczekiwane.begin(), oczekiwane.end(), s) == oczekiwane.end()) oczekiwane.push_back(s);
    };
    for (const Token_Typ& t : b.oczekiwane) {
      const std::string nazwa(wspolne::usun_spacje(t.Wart));
      auto first = first_sekcji.find(nazwa);
      if (t.Kod == Token_Kod::NAZWAT)
        dodaj("'" + nazwa + "'");
      else if (first == first_sekcji.end())
        dodaj("\"" + nazwa + "\"");
      else
        for (const std::string& terminal : first->second) dodaj("'" + terminal + "'");
    }
    std::string tekst = oczekiwane.size() == 1 ? "oczekiwano" : "oczekiwano jednego z:";
    for (const std::string& o : oczekiwane) tekst += " " + o;
    tekst += " (" + pak_.plik_we + ":" + std::to_string(b.linia) + ":" + std::to_string(b.kol) + ")";
    pak_.opisy_bledow.push_back({b.nr, std::move(tekst)});
  }
}

// One console line, then a marker under the error's column and the message
// in the listing.
void bryzas_pars::zglos_blad(std::string_view zrodlo, int nr, std::string_view komunikat) {
  const std::string polozenie =
      ") - l:" + wspolne::obraz(skan_.nr_linii) + ", k:" + wspolne::obraz(skan_.nr_kol) + ": ";
  konsola_.linia("Blad " + std::string(zrodlo) + " (" + wspolne::obraz(nr) + polozenie +
                 std::string(komunikat));
  const std::size_t kreski = skan_.nr_kol > 0 ? static_cast<std::size_t>(skan_.nr_kol) : 0;
  lst_.linia(std::string(kreski + 5, '-'), "^");
  lst_.linia("Blad ", zrodlo, ": ", komunikat);
}

void bryzas_pars::utworz_pliki() {
  try {
    skan_.otworz(pak_.plik_we);
  } catch (const wspolne::Blad_Pliku& e) {
    if (e.brak_pliku()) konsola_.linia("* Brak pliku [ " + pak_.plik_we + " ]");
    throw;
  }
  pak_.pl_wys.utworz(pak_.plik_wys);
  pak_.pl_wyb.utworz(pak_.plik_wyb);
  pak_.pl_lst.utworz(pak_.plik_lst);
}

void bryzas_pars::poczatek_pl_s() {
  const std::string& j = pak_.nazwa_proj;
  wys_.linia("-- pakiet ", pak_.nazwa_pars, " - specyfikacja");
  wys_.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(wys_, pak_.epoka_zrodel);
  wys_.linia();
  wys_.linia("with ", j, "_Zbiory; use ", j, "_Zbiory;");
  wys_.linia();
  wys_.linia("package ", pak_.nazwa_pars, " is");
  wys_.linia();
  wys_.linia("Nr_Bledu_Pars: Integer;");
  wys_.linia();
  wys_.linia("procedure Parsuj;");
  wys_.linia("procedure Init_Zbiory;");
}

void bryzas_pars::poczatek_pl_b() {
  wyb_.linia("-- pakiet ", pak_.nazwa_pars, " - tresc");
  wyb_.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(wyb_, pak_.epoka_zrodel);
  wyb_.linia();
}

void bryzas_pars::deklaruj_typ_zbior() {
  // The number of grammar lines read, empty ones included.
  konsola_.linia("*** wczytane linie : " + wspolne::obraz(skan_.nr_linii));
  wys_.linia("Blad_Parsera: exception;");
  wys_.linia();
}

// Every nonterminal of the whole file gets its set, also one named only in
// the FIRST section.
void bryzas_pars::deklaruj_zbiory_first() {
  wys_.linia("private");
  wys_.linia();
  for (const std::string& n : skan_.tablsymnterm.nazwy()) wys_.linia("First_", n, ": Zbior_Tok;");
  wys_.linia();
}

void bryzas_pars::zamknij_pliki() {
  wys_.linia("end ", pak_.nazwa_pars, ";");
  wyb_.linia("end ", pak_.nazwa_pars, ";");
  skan_.zamknij();
  pak_.pl_wys.zamknij();
  pak_.pl_wyb.zamknij();
  pak_.pl_lst.zamknij();
}

void bryzas_pars::pisz_plik_log() {
  pak_.pl_log.utworz(pak_.plik_log);
  Pisarz log(pak_.pl_log);
  log.linia("Plik: [ ", pak_.plik_we, "]");
  log.linia();
  log.linia("Tablica symboli nieterminalnych:");
  for (const std::string& n : skan_.tablsymnterm.nazwy()) log.linia(n);
  log.linia();
  log.linia("Tablica symboli terminalnych:");
  for (const std::string& n : skan_.tablsymterm.nazwy()) log.linia(n);
  log.linia();
  pak_.pl_log.zamknij();
}

}  // namespace bryzas
