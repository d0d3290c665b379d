// The road of a grammar in today's notation, the one the notation has had
// from the start: its parser package is written in one pass as the grammar
// is read, so that after an error the files hold everything before it. Then
// the token file (when P.tok exists) is read, its scanner built for the
// grammar's terminals, and what is left is decided at once: the sets
// package, the scanner specification, the scanner, the main procedure, the
// error texts and the GNAT project are written from it.
#pragma once

#include <optional>

#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/konsola.h"
#include "gramatyka/bryzas_skan.h"
#include "wspolne/blad_pliku.h"

namespace bryzas::podstawowa {

class Droga {
public:
  // The scanner, its tables symbole, has the grammar file open, unless
  // opening it failed with blad_otwarcia, which the grammar phase reports.
  Droga(const Bryzas_Pak& pak, Bryzas_Skan& skan, Tablice_Symboli& symbole,
        const std::optional<wspolne::Blad_Pliku>& blad_otwarcia, Konsola& konsola);

  // Returns true when the grammar or the token file holds an error (the
  // other files are still written). A file that cannot be written or read
  // ends it with Blad_Pliku, the files of the run closed.
  bool uruchom();

private:
  bool skaner(bool& z_tokenami);

  const Bryzas_Pak& pak_;
  Bryzas_Skan& skan_;
  Tablice_Symboli& symbole_;
  const std::optional<wspolne::Blad_Pliku>& blad_otwarcia_;
  Konsola& konsola_;
};

}  // namespace bryzas::podstawowa
