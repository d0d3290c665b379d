#include "bryzas_pars.h"

namespace bryzas {

bryzas_pars::bryzas_pars(bryzas_pak& pak, bryzas_skan& skan, Konsola& konsola)
    : pak_(pak), skan_(skan), konsola_(konsola) {}

// Not built yet: reports nothing and writes nothing.
bool bryzas_pars::parser() { return false; }

}  // namespace bryzas
