// The project state of one run of bryzas: the names derived from the
// project name and the instant that generated headers show. The driver sets
// it once; every stage of both notations only reads it.
#pragma once

#include <optional>
#include <string>

#include "gramatyka/nazwy_projektu.h"

namespace bryzas {

struct Bryzas_Pak : Nazwy_Projektu {
  Bryzas_Pak(const std::string& projekt, std::optional<long long> epoka)
      : Nazwy_Projektu(projekt), epoka_zrodel(epoka) {}

  // SOURCE_DATE_EPOCH, when it holds a non-negative integer: the instant that
  // generated headers show instead of the local clock.
  std::optional<long long> epoka_zrodel;

  // Where the generated files are created: the current directory, or a
  // directory of the run's own from which they are put in place once checked.
  std::string katalog;
  std::string plik(const std::string& nazwa) const { return katalog.empty() ? nazwa : katalog + "/" + nazwa; }
};

}  // namespace bryzas
