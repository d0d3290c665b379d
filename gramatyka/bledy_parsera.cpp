#include "gramatyka/bledy_parsera.h"

#include <array>

namespace bryzas {

namespace {

constexpr std::string_view brak_wstawki = "Spodziewany kod wstawki pomiedzy '#$' i '$#'";

// Indexed from error 10.
constexpr std::array<std::string_view, ostatni_blad_parsera - pierwszy_blad_parsera + 1>
    bledy_parsera = {
        "Powtorzenie lewej strony produkcji",                 // 10
        "Nadmiarowe dane w pliku wejsciowym",                 // 11
        "Bledna (brak) lewa strona produkcji",                // 12
        "Spodziewany znak '='",                               // 13
        "Spodziewana '.' konczaca produkcje",                 // 14
        "Spodziewany symbol gramatyki albo '{', '[', '('",    // 15
        "Spodziewany znak '{'",                               // 16
        "Spodziewany znak '}'",                               // 17
        "Spodziewany znak '['",                               // 18
        "Spodziewany znak ']'",                               // 19
        "Spodziewany znak '('",                               // 20
        "Spodziewany znak ')'",                               // 21
        "Spodziewana nazwa symbolu gramatyki w \" lub '",     // 22
        "Spodziewany znak '%%'",                              // 23
        "Spodziewany symbol nieterminalny w \"",              // 24
        "Spodziewany znak ':'",                               // 25
        "Spodziewany symbol terminalny w ' '",                // 26
        "Spodziewany znak '.'",                               // 27
        brak_wstawki,                                         // 28 after with_use
        brak_wstawki,                                         // 29 after pak_dekl
        brak_wstawki,                                         // 30 after init_dekl
        brak_wstawki,                                         // 31 after init_instr...
        brak_wstawki,                                         // 32 after except_skan
        brak_wstawki,                                         // 33 after except_pars
        brak_wstawki,                                         // 34 unused
        brak_wstawki,                                         // 35 unused
        "Spodziewany znak '|'",                               // 36
};

}  // namespace

std::string_view komunikat_parsera(int nr) {
  if (nr < pierwszy_blad_parsera || nr > ostatni_blad_parsera) return "Nieznany blad";
  return bledy_parsera[static_cast<std::size_t>(nr - pierwszy_blad_parsera)];
}

}  // namespace bryzas
