// The GNAT project P.gpr that builds the parser as generated, for either
// notation: written only when absent and P can name Ada units.
#pragma once

#include "generator/wspolne/bryzas_pak.h"

namespace bryzas {

// z_pakietem_zbiorow: the parser uses the sets package P_zbiory (today's
// notation writes one, the extended none).
void pisz_projekt(const Bryzas_Pak& pak, bool z_pakietem_zbiorow);

}  // namespace bryzas
