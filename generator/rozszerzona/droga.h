// The road of a grammar in the extended notation: read, analyse, plan,
// write. The grammar (and P.tok) is read and analysed whole before anything
// else is written: an error stops the run with the messages on the console
// and under their lines in the listings, and no other file is written or
// changed, so a grammar error never destroys the last good parser. Warnings
// are printed and the files written, from one plan decided at once.
#pragma once

#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/konsola.h"
#include "gramatyka/bryzas_skan.h"

namespace bryzas::rozszerzona {

class Droga {
public:
  // The scanner has the grammar file open and has read its first token.
  Droga(const Bryzas_Pak& pak, bryzas_skan& skan, Konsola& konsola);

  // Returns true when the grammar or its token file holds an error. A file
  // that cannot be written or read ends it with Blad_Pliku.
  bool uruchom();

private:
  const Bryzas_Pak& pak_;
  bryzas_skan& skan_;
  Konsola& konsola_;
};

}  // namespace bryzas::rozszerzona
