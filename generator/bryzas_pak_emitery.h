// Emitters of the generated files that do not depend on the productions:
// the sets package, the scanner specification, the main procedure, the
// error texts P_Bledy and the GNAT project.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "generator/bryzas_pak.h"

namespace bryzas {

class Pisarz;

// The statement of a function of Nr that returns the text of each error of
// the generated parser: an Ada expression of its description.
void pisz_teksty_bledow(Pisarz& w, const std::vector<bryzas_pak::Opis_Bledu>& opisy,
                        const std::function<std::string(const bryzas_pak::Opis_Bledu&)>& tekst);

// The function Opis_Skanera (Nr) of P_Bledy: what the generated scanner met
// at its error Nr, from the table of its errors; it sees P_Pozycja.Znak.
void pisz_opis_skanera(Pisarz& w);

class bryzas_pak_emitery {
public:
  explicit bryzas_pak_emitery(bryzas_pak& pak);

  // The three-line header block of every file written here.
  void naglowek_dane(Pisarz& w);
  void gen_zbiory();
  void gen_skaner_spec();
  void gen_main();
  // P.gpr, when absent and P can name Ada units.
  void gen_projekt();
  // P_bledy.ads and P_bledy.adb, the texts of the generated parser's errors.
  void gen_bledy();

private:
  void zbiory_specyfikacja(Pisarz& w, const std::string& n);
  void zbiory_tresc(Pisarz& w, const std::string& n);
  void deklaracja_kodow(Pisarz& w);
  void tresc_main(Pisarz& w);
  void tresc_projektu(Pisarz& w);
  void bledy_z_miejscem(Pisarz& w);

  bryzas_pak& pak_;
};

}  // namespace bryzas
