// The grammar phase: parses P.gpa and writes the parser package, the listing
// and the log as it goes.
#pragma once

#include "bryzas_pak.h"
#include "bryzas_skan.h"
#include "konsola.h"

namespace bryzas {

class bryzas_pars {
public:
  bryzas_pars(bryzas_pak& pak, bryzas_skan& skan, Konsola& konsola);

  // Runs the whole phase. Returns true when it reported an error of the
  // grammar (missing grammar file, an output file it could not create, a
  // scanner or syntax error). Any other file failure propagates as Blad_Pliku.
  bool parser();

private:
  bryzas_pak& pak_;
  bryzas_skan& skan_;
  Konsola& konsola_;
};

}  // namespace bryzas
