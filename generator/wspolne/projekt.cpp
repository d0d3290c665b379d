#include "generator/wspolne/projekt.h"

#include <string_view>

#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/pisarz.h"
#include "gramatyka/nazwy_projektu.h"

namespace bryzas {

namespace {

// Every unit mapped to the file bryzas writes (GNAT would look for
// lower-case names), the scanner body to the one the user writes, objects in
// obj/, the program beside the grammar; optimised unless the scenario asks
// for debugging.
void tresc_projektu(Pisarz& w, const Bryzas_Pak& pak, bool z_pakietem_zbiorow) {
  const std::string& p = pak.nazwa_proj;
  w.linia("-- projekt GNAT ", p);
  naglowek_danych(w, pak.epoka_zrodel);
  w.linia("project ", p, " is");
  {
    Wciecie glebiej(w, krok_wciecia);
    w.linia("for Source_Dirs use (\".\");");
    w.linia("for Object_Dir use \"obj\";");
    w.linia("for Exec_Dir use \".\";");
    w.linia("for Main use (\"", pak.plik_main, "\");");
    w.linia();
    w.linia("-- zwykla budowa optymalizuje, z wszystkimi sprawdzeniami Ady; do szukania");
    w.linia("-- bledow: gprbuild -P ", pak.plik_gpr, " -XTRYB=debug");
    w.blok(R"ada(
type Tryb_Budowy is ("optymalny", "debug");
Tryb : Tryb_Budowy := external ("TRYB", "optymalny");

package Compiler is
  case Tryb is
    when "optymalny" =>
      for Default_Switches ("Ada") use ("-O2", "-gnatn");
    when "debug" =>
      for Default_Switches ("Ada") use ("-g", "-O0", "-gnata");
  end case;
end Compiler;

)ada");
    w.linia("package Naming is");
    {
      Wciecie pliki(w, krok_wciecia);
      auto jednostka = [&](std::string_view czesc, const std::string& nazwa, const std::string& plik) {
        w.linia("for ", czesc, " (\"", nazwa, "\") use \"", plik, "\";");
      };
      jednostka("Spec", pak.nazwa_pars, pak.plik_wys);
      jednostka("Body", pak.nazwa_pars, pak.plik_wyb);
      if (z_pakietem_zbiorow) {
        jednostka("Spec", pak.nazwa_zbiory, pak.nazwa_zbiory + ".ads");
        jednostka("Body", pak.nazwa_zbiory, pak.nazwa_zbiory + ".adb");
      }
      jednostka("Spec", pak.nazwa_skan, pak.plik_wyskans);
      jednostka("Body", pak.nazwa_skan, pak.plik_skan);
      jednostka("Spec", pak.nazwa_bledy, pak.plik_bledy + ".ads");
      jednostka("Body", pak.nazwa_bledy, pak.plik_bledy + ".adb");
      jednostka("Body", p, pak.plik_main);
    }
    w.linia("end Naming;");
  }
  w.linia("end ", p, ";");
}

}  // namespace

// Only a name that can name Ada units gets a project: no other can compile.
void pisz_projekt(const Bryzas_Pak& pak, bool z_pakietem_zbiorow) {
  if (identyfikator_ady(pak.nazwa_proj))
    pisz_plik_gdy_brak(pak.plik(pak.plik_gpr), [&](Pisarz& w) { tresc_projektu(w, pak, z_pakietem_zbiorow); });
}

bool projekt_do_napisania(const Bryzas_Pak& pak) {
  return identyfikator_ady(pak.nazwa_proj) && brak_pliku(pak.plik_gpr);
}

}  // namespace bryzas
