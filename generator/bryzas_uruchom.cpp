#include "generator/bryzas_uruchom.h"

#include <string>
#include <string_view>

#include "generator/bryzas_pak.h"
#include "generator/bryzas_pak_emitery.h"
#include "generator/pakiet_parsera.h"
#include "gramatyka/bryzas_skan.h"
#include "generator/bryzas_tok_skaner.h"
#include "generator/faza_rozszerzona.h"
#include "generator/naglowek.h"
#include "wspolne/czas.h"
#include "generator/konsola.h"
#include "gramatyka/nazwa_projektu.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/status.h"
#include "wspolne/wersja.h"

namespace bryzas {

namespace {

constexpr std::string_view baner[] = {
    "Bryza - generator parserow",
    "Zespol autorski zestawu Bryza",
    "    (generator parserow LL(1) i konwerter INI do XML)",
    "wersja 0.1.1 ",
    "",
    "Pomoc dydaktyczna do przedmiotu:",
    "  'Metody translacji'",
    "",
    "Sposob uzycia:  bryzas <nazwa_projektu>",
    " gramatyka w pliku <nazwa_projektu>.gpa",
    "",
};

constexpr std::string_view pomoc[] = {
    "Sposob uzycia:  bryzas <nazwa_projektu>",
    " czyta gramatyke z <nazwa_projektu>.gpa i pisze parser w Adzie: P_pars.ads, P_pars.adb,",
    " P_zbiory.ads, P_zbiory.adb, P_skan_t.ads, P_bledy.ads, P_bledy.adb, P.lst, P.log,",
    " a gdy ich brak: P.adb i P.gpr (P: nazwa projektu); gdy jest P.tok, takze skaner",
    " P_skan.adb (chyba ze P_skan.adb napisal uzytkownik), p_pozycja.ads i P_tok.lst",
    " --help     wypisuje ten opis",
    " --version  wypisuje wersje",
    "Status: 0 sukces, 1 blad w gramatyce, 2 bledne wywolanie, 3 nie mozna zapisac lub odczytac pliku",
};

// Closes what an error left open, flushing it; the first failure is reported.
void zamknij_otwarte(bryzas_pak& pak, bryzas_skan& skan) {
  skan.zamknij();
  for (wspolne::Plik_Wy* f : {&pak.pl_wys, &pak.pl_wyb, &pak.pl_lst, &pak.pl_log, &pak.pl_wyskans}) {
    try {
      f->zamknij();
    } catch (const wspolne::Blad_Pliku&) {
      // Keep closing the others, then report the first failure.
      for (wspolne::Plik_Wy* g : {&pak.pl_wys, &pak.pl_wyb, &pak.pl_lst, &pak.pl_log, &pak.pl_wyskans})
        if (g != f && g->otwarty()) try { g->zamknij(); } catch (const wspolne::Blad_Pliku&) {}
      throw;
    }
  }
}

}  // namespace

int bryzas_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie,
                   const char* source_date_epoch) {
  Konsola konsola(wyjscie);
  // A project name never begins with "-", so these two are no project.
  if (argumenty.size() == 1 && argumenty[0] == "--help") {
    for (std::string_view l : pomoc) konsola.linia(l);
    return wspolne::status_sukces;
  }
  if (argumenty.size() == 1 && argumenty[0] == "--version") {
    konsola.linia("bryzas " + std::string(wspolne::wersja));
    return wspolne::status_sukces;
  }
  for (std::string_view l : baner) konsola.linia(l);

  if (argumenty.empty()) {
    konsola.linia("Brak parametru z nazwa projektu !!");
    return wspolne::status_bledne_wywolanie;
  }
  if (argumenty.size() > 1) {
    konsola.linia("Za duzo parametrow !!");
    return wspolne::status_bledne_wywolanie;
  }
  // Blanks around the name would reach no file name anyway; trimming it
  // keeps them out of the names inside the generated text too.
  const Nazwa_Projektu projekt = sprawdz_nazwe_projektu(argumenty[0]);
  if (!projekt.odrzucenie.empty()) {
    konsola.linia(projekt.odrzucenie);
    return wspolne::status_bledne_wywolanie;
  }

  bryzas_pak pak(projekt.nazwa);
  pak.epoka_zrodel = wspolne::czytaj_epoke_zrodel(source_date_epoch);

  konsola.linia("*** czytam gramatyke z pliku: [" + pak.plik_we + "]");
  konsola.linia();
  konsola.linia("*** parsujemy .....");

  bryzas_skan skan(&pak.pl_lst, &pak.symbole);
  int status = wspolne::status_sukces;
  try {
    if (jest_rozszerzona(pak.plik_we)) {
      konsola.linia();
      if (Faza_Rozszerzona(pak, konsola).uruchom()) status = wspolne::status_blad_wejscia;
      konsola.linia("*** koniec parsowania");
      return status;
    }
    Pakiet_Parsera pars(pak, skan, konsola);
    if (pars.parser()) status = wspolne::status_blad_wejscia;
    bryzas_pak_emitery emitery(pak);
    emitery.gen_zbiory();
    emitery.gen_skaner_spec();
    bryzas_tok_skaner tokeny(pak, konsola);
    if (tokeny.gen_skaner()) status = wspolne::status_blad_wejscia;
    emitery.gen_main();
    emitery.gen_bledy();
    emitery.gen_projekt();
    konsola.linia("*** koniec parsowania");
    zamknij_otwarte(pak, skan);
  } catch (const wspolne::Blad_Pliku& e) {
    try {
      zamknij_otwarte(pak, skan);
    } catch (const wspolne::Blad_Pliku&) {
      // The first failure is the one reported.
    }
    konsola.domknij_linie();
    konsola.linia(e.opis());
    return wspolne::status_awaria;
  }
  return status;
}

}  // namespace bryzas
