// Syntax errors of the grammar notation.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "gramatyka/pozycja.h"

namespace bryzas {

// A syntax error; its number (10 to 36) selects the message. A rule of the
// notation that the number alone does not tell comes as a note at the token
// that broke it, for the analyser to show.
struct Blad_Parsera {
  int nr;
  std::string uwaga = {};
  Pozycja poz_uwagi = {};
};

// The 201st production: the table of left sides is full. The generator
// reports it as a repeated left side (error 10); the analyser says why, at
// the left side `poz`.
struct Za_Duzo_Produkcji : Blad_Parsera {
  Pozycja poz;
};

// The table of left sides.
constexpr std::size_t max_produkcji = 200;

// The numbers of the notation's syntax errors.
namespace bledy {
constexpr int powtorzona_lewa_strona = 10;
constexpr int nadmiarowe_dane = 11;
constexpr int brak_lewej_strony = 12;
constexpr int brak_rowna = 13;
constexpr int brak_kropki_produkcji = 14;
constexpr int brak_wyrazenia = 15;
constexpr int brak_lnawkl = 16;  // '{'
constexpr int brak_pnawkl = 17;  // '}'
constexpr int brak_lnawkw = 18;  // '['
constexpr int brak_pnawkw = 19;  // ']'
constexpr int brak_lnaw = 20;    // '('
constexpr int brak_pnaw = 21;    // ')'
constexpr int brak_nazwy = 22;
constexpr int brak_procent2 = 23;
constexpr int brak_nieterminala_first = 24;
constexpr int brak_dwukropka = 25;
constexpr int brak_terminala_first = 26;
constexpr int brak_kropki_first = 27;
// A header keyword without its code insert, by section.
constexpr int brak_wstawki_with_use = 28;
constexpr int brak_wstawki_pak_dekl = 29;
constexpr int brak_wstawki_init_dekl = 30;
constexpr int brak_wstawki_init_instr = 31;  // the instructions before and after
constexpr int brak_wstawki_except_skan = 32;
constexpr int brak_wstawki_except_pars = 33;
constexpr int brak_kreski = 36;  // '|'
}  // namespace bledy

constexpr int pierwszy_blad_parsera = bledy::powtorzona_lewa_strona;
constexpr int ostatni_blad_parsera = bledy::brak_kreski;

// The message of syntax error nr, without padding.
std::string_view komunikat_parsera(int nr);

}  // namespace bryzas
