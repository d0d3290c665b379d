// GNAT's check of generated units before they take the place of the files
// of their names: a semantic check (gnatmake -c -u -gnatc) of one unit in
// the run's own directory, the generated units named by their files as
// bryzas names them, the grammar's directory searched after it, so that the
// user's own packages named in the header are found there.
#pragma once

#include <string>
#include <vector>

#include "generator/wspolne/bryzas_pak.h"

namespace bryzas {

// One message of GNAT: where it stands, whether it is an error, its text
// without "error: " or "warning: ", and the line as GNAT printed it.
struct Komunikat_Gnat {
  std::string plik;
  int linia = 0;
  int kol = 0;  // in bytes of the line, a tab counted as one
  bool blad = true;
  std::string tekst;
  std::string wiersz;
};

class Sprawdzenie_Gnat {
public:
  explicit Sprawdzenie_Gnat(const Bryzas_Pak& pak) : pak_(pak) {}

  // Whether gnatmake is on the PATH.
  static bool dostepny();

  // Checks the unit whose file plik stands in pak's directory with the
  // other generated files, P_Skan's .ads file in plik_skan_spec. What
  // GNAT says that is no message (a line of its own) becomes an error of
  // the file. Throws Blad_Pliku when the run cannot be made.
  std::vector<Komunikat_Gnat> sprawdz(const std::string& plik, const std::string& plik_skan_spec) const;

private:
  // The configuration pragmas that name each generated unit's file.
  void pisz_nazwy_plikow(const std::string& nazwa, const std::string& plik_skan_spec) const;
  std::string uruchom(const std::vector<std::string>& argumenty, int& status) const;
  std::vector<Komunikat_Gnat> komunikaty(const std::string& wyjscie, int status) const;

  const Bryzas_Pak& pak_;
};

}  // namespace bryzas
