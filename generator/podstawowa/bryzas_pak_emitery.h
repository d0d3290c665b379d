// The package emitters of today's notation: the generated files that do not
// depend on the productions: the sets package, the scanner specification,
// the main procedure and the error texts P_Bledy. They write from what the
// grammar phase and the token file left: the names, the error numbers of
// the body, and whether a scanner was written from P.tok.
#pragma once

#include <string>
#include <vector>

#include "generator/podstawowa/pliki.h"
#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/teksty_bledow.h"
#include "gramatyka/tablica_symboli.h"

namespace bryzas {
class Pisarz;
}

namespace bryzas::podstawowa {

class Bryzas_Pak_Emitery {
public:
  Bryzas_Pak_Emitery(const Bryzas_Pak& pak, const Tablice_Symboli& symbole, const std::vector<Opis_Bledu>& opisy,
                     Pliki& pliki);

  void gen_zbiory();
  void gen_skaner_spec();
  void gen_main();
  // P_bledy.ads and P_bledy.adb, the texts of the generated parser's errors;
  // z_tokenami: a scanner was written from P.tok, so they can also say
  // where an error happened.
  void gen_bledy(bool z_tokenami);

private:
  // The three-line header block of every file written here.
  void naglowek_dane(Pisarz& w);
  void zbiory_specyfikacja(Pisarz& w, const std::string& n);
  void zbiory_tresc(Pisarz& w, const std::string& n);
  void deklaracja_kodow(Pisarz& w);
  void tresc_main(Pisarz& w);
  void bledy_specyfikacja(Pisarz& w, bool z_tokenami);
  void bledy_tresc(Pisarz& w, bool z_tokenami);
  void bledy_z_miejscem(Pisarz& w);

  const Bryzas_Pak& pak_;
  const Tablice_Symboli& symbole_;
  const std::vector<Opis_Bledu>& opisy_;
  Pliki& pliki_;
};

}  // namespace bryzas::podstawowa
