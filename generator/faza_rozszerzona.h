// The run of bryzas on a grammar in the extended notation. The grammar (and
// P.tok) is read and analysed whole before anything else is written: an
// error stops the run with the messages on the console and under their
// lines in the listings, and no other file is written or changed, so a
// grammar error never destroys the last good parser. Warnings are printed
// and the files written.
#pragma once

#include <string>

#include "generator/bryzas_pak.h"
#include "generator/konsola.h"

namespace bryzas {

// Whether the grammar file begins with the marker of the extended notation.
// Anything else, an unreadable or missing file too, is for the grammar
// phase of today's notation to read and report.
bool jest_rozszerzona(const std::string& plik_we);

class Faza_Rozszerzona {
public:
  Faza_Rozszerzona(bryzas_pak& pak, Konsola& konsola);

  // Returns true when the grammar or its token file holds an error.
  bool uruchom();

private:
  bryzas_pak& pak_;
  Konsola& konsola_;
};

}  // namespace bryzas
