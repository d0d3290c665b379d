#include "generator/bryzas_uruchom.h"

#include <optional>
#include <string>
#include <string_view>

#include "generator/podstawowa/droga.h"
#include "generator/rozszerzona/droga.h"
#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/konsola.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/nazwy_projektu.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/czas.h"
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
    " gramatyka od ++rozszerzona: notacja rozszerzona (grupy zagniezdzone, parametry <$ $>);",
    " wtedy FIRST liczy bryzas, sprawdza gramatyke jak bryzas_analiza przed zapisem, bez P_zbiory",
    " --bez-gnat przed nazwa: kodu Ady z gramatyki w notacji rozszerzonej nie sprawdza GNAT",
    " --help     wypisuje ten opis",
    " --version  wypisuje wersje",
    "Status: 0 sukces, 1 blad w gramatyce, 2 bledne wywolanie, 3 nie mozna zapisac lub odczytac pliku",
};

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

  // --bez-gnat before the project name: the extended notation's parser
  // package is put in place without GNAT's check.
  std::vector<std::string> reszta = argumenty;
  const bool sprawdz_gnat = reszta.empty() || reszta.front() != "--bez-gnat";
  if (!sprawdz_gnat) reszta.erase(reszta.begin());
  if (reszta.empty()) {
    konsola.linia("Brak parametru z nazwa projektu !!");
    return wspolne::status_bledne_wywolanie;
  }
  if (reszta.size() > 1) {
    konsola.linia("Za duzo parametrow !!");
    return wspolne::status_bledne_wywolanie;
  }
  // Blanks around the name would reach no file name anyway; trimming it
  // keeps them out of the names inside the generated text too.
  const Nazwa_Projektu projekt = sprawdz_nazwe_projektu(reszta[0]);
  if (!projekt.odrzucenie.empty()) {
    konsola.linia(projekt.odrzucenie);
    return wspolne::status_bledne_wywolanie;
  }

  const Bryzas_Pak pak(projekt.nazwa, wspolne::czytaj_epoke_zrodel(source_date_epoch));
  konsola.linia("*** czytam gramatyke z pliku: [" + pak.plik_we + "]");
  konsola.linia();
  konsola.linia("*** parsujemy .....");

  // The grammar file is opened once, and its first token read, to tell the
  // notation; a file that cannot be opened is today's notation's to report.
  Tablice_Symboli symbole;
  Bryzas_Skan skan(&symbole);
  std::optional<wspolne::Blad_Pliku> blad_otwarcia;
  try {
    skan.otworz(pak.plik_we);
  } catch (const wspolne::Blad_Pliku& e) {
    blad_otwarcia = e;
  }
  const bool rozszerzona = !blad_otwarcia && skan.pierwszy() == Token_Kod::ROZSZERZONA;
  try {
    const bool blad = rozszerzona ? rozszerzona::Droga(pak, skan, sprawdz_gnat, konsola).uruchom()
                                  : podstawowa::Droga(pak, skan, symbole, blad_otwarcia, konsola).uruchom();
    return blad ? wspolne::status_blad_wejscia : wspolne::status_sukces;
  } catch (const wspolne::Blad_Pliku& e) {
    konsola.domknij_linie();
    konsola.linia(e.opis());
    return wspolne::status_awaria;
  }
}

}  // namespace bryzas
