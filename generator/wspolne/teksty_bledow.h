// The texts of the generated parser's and scanner's errors, which both
// notations' error packages P_Bledy carry.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace bryzas {

class Pisarz;

// A syntax error number of the generated parser: what it expected there
// ("oczekiwano 'X'") and where in the grammar.
struct Opis_Bledu {
  int nr;
  std::string tekst;
  int linia;
  int kol;
};

// The statement of a function of Nr that returns the text of each error of
// the generated parser: an Ada expression of its description.
void pisz_teksty_bledow(Pisarz& w, const std::vector<Opis_Bledu>& opisy,
                        const std::function<std::string(const Opis_Bledu&)>& tekst);

// The function Opis_Skanera (Nr) of P_Bledy: what the generated scanner met
// at its error Nr, from the table of its errors; it sees P_Pozycja.Znak.
// In the extended notation (skaner: the scanner package) it also names a
// token begun and not finished, P_Pozycja.Niedokonczony, as the function
// Pisownia declared before it spells that kind.
void pisz_opis_skanera(Pisarz& w, std::string_view skaner = {});

}  // namespace bryzas
