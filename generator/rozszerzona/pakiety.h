// The packages around the parser of a grammar in the extended notation:
// the scanner's specification (with Tekst, the whole text of a token), the
// error package that reports "PLIK:L:K: text" on standard error, and the
// main procedure that parses a file named on its command line.
#pragma once

#include <string>
#include <vector>

#include "generator/rozszerzona/plan.h"
#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/teksty_bledow.h"

namespace bryzas {
class Pisarz;
}

namespace bryzas::rozszerzona {

class Pakiety {
public:
  // opisy: what each error number of the parser body expects.
  Pakiety(const Bryzas_Pak& pak, const Plan& plan, const std::vector<Opis_Bledu>& opisy);

  void gen_skaner_spec();
  // P_bledy.ads and P_bledy.adb.
  void gen_bledy();
  // P.adb, only when it is absent.
  void gen_main();

private:
  void skaner_spec(Pisarz& w);
  // P_Bledy: pakiety_bledy.cpp.
  void bledy_specyfikacja(Pisarz& w);
  void wziete_specyfikacja(Pisarz& w);
  void bledy_tresc(Pisarz& w);
  void lista_oczekiwanych(Pisarz& w);
  void opis(Pisarz& w);
  void funkcja_rodzaju(Pisarz& w, const std::string& nazwa, const std::vector<std::string>& teksty);
  void zglaszanie(Pisarz& w);
  void do_zgloszenia(Pisarz& w);
  void licz_zgloszenie(Pisarz& w);
  void zglos_parsera(Pisarz& w);
  void zglos_skanera(Pisarz& w);
  void tresc_main(Pisarz& w);

  const Bryzas_Pak& pak_;
  const Plan& plan_;
  const std::vector<Opis_Bledu>& opisy_;
};

}  // namespace bryzas::rozszerzona
