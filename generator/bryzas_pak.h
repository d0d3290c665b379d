// Project state of one generator run: the names derived from the project
// name and the output files that the phases share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generator/konsola.h"
#include "wspolne/plik_wy.h"

namespace bryzas {

struct bryzas_pak {
  // Name fields, set once by the driver. The design keeps them in blank-padded
  // fields of 260 characters that every reader trims; the project name is
  // trimmed before they are formed, so they are held here already trimmed.
  std::string nazwa_proj;    // P
  std::string nazwa_skan;    // P_Skan
  std::string nazwa_pars;    // P_Pars
  std::string plik_we;       // P.gpa
  std::string plik_log;      // P.log
  std::string plik_lst;      // P.lst
  std::string plik_wys;      // P_pars.ads
  std::string plik_wyb;      // P_pars.adb
  std::string plik_wyskans;  // P_skan_t.ads

  // Files shared by the phases.
  wspolne::Plik_Wy pl_wys;
  wspolne::Plik_Wy pl_wyb;
  wspolne::Plik_Wy pl_lst;
  wspolne::Plik_Wy pl_log;
  wspolne::Plik_Wy pl_wyskans;

  // The text of every syntax error number of the generated body, what was
  // expected and where in the grammar; filled by the grammar phase, even
  // when it stops at an error, for the error-text package.
  struct Opis_Bledu {
    int nr;
    std::string tekst;
  };
  std::vector<Opis_Bledu> opisy_bledow;

  // A token file P.tok was read: the scanner body and the position package
  // are generated, and the error texts can say where an error happened.
  bool z_tokenami = false;

  // SOURCE_DATE_EPOCH, when it holds a non-negative integer: the instant that
  // generated headers show instead of the local clock.
  std::optional<long long> epoka_zrodel;

  // Fills the nine name fields from a project name.
  void ustaw_nazwy(const std::string& projekt);
};

}  // namespace bryzas
