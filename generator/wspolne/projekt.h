// The GNAT project P.gpr that builds the parser as generated, for either
// notation: written only when absent and P can name Ada units.
#pragma once

#include "generator/wspolne/bryzas_pak.h"

namespace bryzas {

// z_pakietem_zbiorow: the parser uses the sets package P_zbiory (today's
// notation writes one, the extended none). Written where pak puts files.
void pisz_projekt(const Bryzas_Pak& pak, bool z_pakietem_zbiorow);

// Whether the run is to write P.gpr: P can name Ada units, and no file of
// that name opens in the current directory.
bool projekt_do_napisania(const Bryzas_Pak& pak);

}  // namespace bryzas
