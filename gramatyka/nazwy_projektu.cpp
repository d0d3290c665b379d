#include "gramatyka/nazwy_projektu.h"

#include "wspolne/tekst.h"

namespace bryzas {

Nazwy_Projektu::Nazwy_Projektu(const std::string& p)
    : nazwa_proj(p),
      plik_we(p + ".gpa"),
      plik_tok(p + ".tok"),
      plik_lst(p + ".lst"),
      plik_tok_lst(p + "_tok.lst"),
      plik_log(p + ".log"),
      nazwa_pars(p + "_Pars"),
      plik_wys(p + "_pars.ads"),
      plik_wyb(p + "_pars.adb"),
      nazwa_zbiory(p + "_zbiory"),
      nazwa_skan(p + "_Skan"),
      plik_wyskans(p + "_skan_t.ads"),
      plik_skan(p + "_skan.adb"),
      nazwa_bledy(p + "_Bledy"),
      plik_bledy(p + "_bledy"),
      nazwa_pozycji(p + "_Pozycja"),
      plik_pozycji(wspolne::male_litery(p + "_pozycja.ads")),
      plik_main(p + ".adb"),
      plik_gpr(p + ".gpr") {}

}  // namespace bryzas
