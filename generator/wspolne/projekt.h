// The GNAT project P.gpr that builds the parser as generated, for either
// notation: written only when absent and P can name Ada units.
#pragma once

#include "generator/wspolne/bryzas_pak.h"

namespace bryzas {

// The notation the parser is written from: today's parser uses the sets
// package P_zbiory, the extended one has none and is bound with the GNAT
// library inside the program, so that it starts without loading it.
enum class Notacja_Projektu { dzisiejsza, rozszerzona };

// Written where pak puts files.
void pisz_projekt(const Bryzas_Pak& pak, Notacja_Projektu notacja);

// Whether the run is to write P.gpr: P can name Ada units, and no file of
// that name opens in the current directory.
bool projekt_do_napisania(const Bryzas_Pak& pak);

}  // namespace bryzas
