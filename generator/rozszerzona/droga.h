// The road of a grammar in the extended notation: read, analyse, plan,
// write, check, put in place. The grammar (and P.tok) is read and analysed
// whole before anything is written; the files of one plan are then written
// into a directory of the run's own and GNAT checks the parser package,
// its messages about text copied from P.gpa told at their places there.
// Any error stops the run with the messages on the console and under their
// lines in the listings, and no other file is written or changed, so an
// error never destroys the last good parser. Warnings are printed and the
// files put in place.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "generator/rozszerzona/pakiet_parsera.h"
#include "generator/rozszerzona/plan.h"
#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/konsola.h"
#include "gramatyka/analiza.h"
#include "gramatyka/bryzas_skan.h"

namespace bryzas::rozszerzona {

class Droga {
public:
  // The scanner has the grammar file open and has read its first token.
  // With sprawdz_gnat GNAT checks the parser package before it is put in
  // place.
  Droga(const Bryzas_Pak& pak, Bryzas_Skan& skan, bool sprawdz_gnat, Konsola& konsola);

  // Returns true when the grammar, its token file or the Ada it copies
  // holds an error. A file that cannot be written or read ends it with
  // Blad_Pliku.
  bool uruchom();

private:
  // The files of the plan, in the directory that pak names, checked by GNAT;
  // their names.
  std::vector<std::string> pisz(const Bryzas_Pak& pak, const Plan& plan, bryzas_analiza::Analiza_Raport& raport);
  // GNAT's messages: those about the grammar's text join its report, the
  // others are kept as GNAT gave them.
  void sprawdz(const Bryzas_Pak& pak, const Pakiet_Parsera& parser, bryzas_analiza::Analiza_Raport& raport);
  void zglos(const bryzas_analiza::Analiza& analiza, const bryzas_analiza::Analiza_Raport& raport);
  int bledy(const bryzas_analiza::Analiza& analiza, const bryzas_analiza::Analiza_Raport& raport) const;

  const Bryzas_Pak& pak_;
  Bryzas_Skan& skan_;
  const bool sprawdz_gnat_;
  Konsola& konsola_;
  // GNAT's messages about generated text, as it gave them, and how many of
  // them are errors.
  std::vector<std::string> wygenerowane_;
  int bledy_wygenerowanych_ = 0;
};

}  // namespace bryzas::rozszerzona
