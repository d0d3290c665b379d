// The packages around the parser of a grammar in the extended notation:
// the scanner's specification (with Tekst, the whole text of a token), the
// error package that reports "PLIK:L:K: text" on standard error, and the
// main procedure that parses a file named on its command line.
#pragma once

#include <string>
#include <vector>

#include "generator/bryzas_pak.h"

namespace bryzas {

class Pisarz;

class Pakiety_Rozszerzone {
public:
  // terminale: the token kinds in the order of the grammar's terminals.
  Pakiety_Rozszerzone(bryzas_pak& pak, std::vector<std::string> terminale);

  void gen_skaner_spec();
  // P_bledy.ads and P_bledy.adb, from the error texts in pak.opisy_bledow.
  void gen_bledy();
  // P.adb, only when it is absent.
  void gen_main();

private:
  void skaner_spec(Pisarz& w);
  void bledy_tresc(Pisarz& w);
  void pisz_opis(Pisarz& w) const;
  void tresc_main(Pisarz& w);

  bryzas_pak& pak_;
  std::vector<std::string> terminale_;
};

}  // namespace bryzas
