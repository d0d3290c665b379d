#include "bryzas_pak_emitery.h"

namespace bryzas {

bryzas_pak_emitery::bryzas_pak_emitery(bryzas_pak& pak, const bryzas_skan& skan)
    : pak_(pak), skan_(skan) {}

// Not built yet: write nothing.
void bryzas_pak_emitery::naglowek_dane(Plik_Wy&) {}
void bryzas_pak_emitery::gen_zbiory() {}
void bryzas_pak_emitery::gen_skaner_spec() {}
void bryzas_pak_emitery::gen_main() {}

}  // namespace bryzas
