#include "generator/parser/bryzas_pars.h"

#include "generator/podstawa/czas.h"
#include "wspolne/tekst.h"

namespace bryzas {

bryzas_pars::bryzas_pars(bryzas_pak& pak, bryzas_skan& skan, Konsola& konsola)
    : pak_(pak), skan_(skan), konsola_(konsola), pisarz_(pak.pl_wyb), kod_(pisarz_) {}

// The first error stops the phase. Files it opened stay open with what was
// written so far; the driver flushes and closes them at the end of the run.
bool bryzas_pars::parser() {
  konsola_.linia();
  try {
    utworz_pliki();
    poczatek_pl_s();
    poczatek_pl_b();
    parsuj();
    deklaruj_typ_zbior();
    deklaruj_zbiory_first();
    pak_.pl_lst.nowa_linia();
    pak_.pl_lst.pisz_linie("Bez bledu");
    zamknij_pliki();
    konsola_.linia("*** generacja kodu ...");
    pisz_plik_log();
  } catch (const Blad_Skanera& e) {
    zglos_blad("skanera", e.nr, bledy_skanera.at(static_cast<std::size_t>(e.nr)));
    return true;
  } catch (const Blad_Parsera& e) {
    zglos_blad("parsera", e.nr, komunikat_parsera(e.nr));
    return true;
  } catch (const wspolne::Blad_Pliku& e) {
    // A missing grammar file or an output file of this phase that cannot be
    // created is the user's error; anything else ends the run.
    if (!e.brak_pliku() && e.rodzaj() != wspolne::Blad_Pliku::Rodzaj::utworzenie) throw;
    konsola_.tekst("Bledna nazwa pliku wejsciowego");
    return true;
  }
  return false;
}

// One console line, then a marker under the error's column and the message
// in the listing.
void bryzas_pars::zglos_blad(std::string_view zrodlo, int nr, std::string_view komunikat) {
  const std::string polozenie =
      ") - l:" + wspolne::obraz(skan_.nr_linii) + ", k:" + wspolne::obraz(skan_.nr_kol) + ": ";
  konsola_.linia("Blad " + std::string(zrodlo) + " (" + wspolne::obraz(nr) + polozenie +
                 std::string(komunikat));
  const std::size_t kreski = skan_.nr_kol > 0 ? static_cast<std::size_t>(skan_.nr_kol) : 0;
  pisz_wiersz(pak_.pl_lst, {std::string(kreski + 5, '-'), "^"});
  pisz_wiersz(pak_.pl_lst, {"Blad ", zrodlo, ": ", komunikat});
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
  wspolne::Plik_Wy& s = pak_.pl_wys;
  const std::string& j = pak_.nazwa_proj;
  pisz_wiersz(s, {"-- pakiet ", pak_.nazwa_pars, " - specyfikacja"});
  pisz_wiersz(s, {"-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]"});
  pisz_wiersz(s, {"-- dnia ", data_str(pak_.epoka_zrodel), ", godz. ", czas_str(pak_.epoka_zrodel)});
  pisz_wiersz(s, {});
  pisz_wiersz(s, {"with ", j, "_Zbiory; use ", j, "_Zbiory;"});
  pisz_wiersz(s, {});
  pisz_wiersz(s, {"package ", pak_.nazwa_pars, " is"});
  pisz_wiersz(s, {});
  pisz_wiersz(s, {"Nr_Bledu_Pars: Integer;"});
  pisz_wiersz(s, {});
  pisz_wiersz(s, {"procedure Parsuj;"});
  pisz_wiersz(s, {"procedure Init_Zbiory;"});
}

void bryzas_pars::poczatek_pl_b() {
  wspolne::Plik_Wy& b = pak_.pl_wyb;
  pisz_wiersz(b, {"-- pakiet ", pak_.nazwa_pars, " - tresc"});
  pisz_wiersz(b, {"-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]"});
  pisz_wiersz(b, {"-- dnia ", data_str(pak_.epoka_zrodel), ", godz. ", czas_str(pak_.epoka_zrodel)});
  pisz_wiersz(b, {});
}

void bryzas_pars::deklaruj_typ_zbior() {
  // The number of grammar lines read, empty ones included.
  konsola_.linia("*** wczytane linie : " + wspolne::obraz(skan_.nr_linii));
  pisz_wiersz(pak_.pl_wys, {"Blad_Parsera: exception;"});
  pisz_wiersz(pak_.pl_wys, {});
}

// Every nonterminal of the whole file gets its set, also one named only in
// the FIRST section.
void bryzas_pars::deklaruj_zbiory_first() {
  wspolne::Plik_Wy& s = pak_.pl_wys;
  pisz_wiersz(s, {"private"});
  pisz_wiersz(s, {});
  for (const std::string& n : skan_.tablsymnterm.nazwy) pisz_wiersz(s, {"First_", n, ": Zbior_Tok;"});
  pisz_wiersz(s, {});
}

void bryzas_pars::zamknij_pliki() {
  pisz_wiersz(pak_.pl_wys, {"end ", pak_.nazwa_pars, ";"});
  pisz_wiersz(pak_.pl_wyb, {"end ", pak_.nazwa_pars, ";"});
  skan_.zamknij();
  pak_.pl_wys.zamknij();
  pak_.pl_wyb.zamknij();
  pak_.pl_lst.zamknij();
}

void bryzas_pars::pisz_plik_log() {
  wspolne::Plik_Wy& log = pak_.pl_log;
  log.utworz(pak_.plik_log);
  pisz_wiersz(log, {"Plik: [ ", pak_.plik_we, "]"});
  pisz_wiersz(log, {});
  pisz_wiersz(log, {"Tablica symboli nieterminalnych:"});
  for (const std::string& n : skan_.tablsymnterm.nazwy) pisz_wiersz(log, {n});
  pisz_wiersz(log, {});
  pisz_wiersz(log, {"Tablica symboli terminalnych:"});
  for (const std::string& n : skan_.tablsymterm.nazwy) pisz_wiersz(log, {n});
  pisz_wiersz(log, {});
  log.zamknij();
}

}  // namespace bryzas
