// The errors of the two notations, in three families as the programs report
// them: the grammar file's lexical errors, its syntax errors and the token
// file's errors. Every number is named here; its text stands in one table
// beside it, in bledy.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "gramatyka/pozycja.h"

namespace bryzas {

// A lexical error of the grammar file.
struct Blad_Skanera {
  int nr;
};

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

namespace bledy_skanera {
constexpr int koniec_pliku = 0;
constexpr int brak_minusa = 1;          // "--" of a comment
constexpr int znak_nieterminala = 2;
constexpr int znak_terminala = 4;
constexpr int slowo_sekcji = 5;         // "++" and a keyword
constexpr int brak_procentu = 7;        // "%%"
constexpr int niedozwolony_znak = 9;
constexpr int brak_dolara = 10;         // "#$"
constexpr int za_dlugi_tekst = 11;      // a name, keyword or insert
constexpr int brak_dolara_parametrow = 12;  // "<$"
// The extended notation's: an insert or parameters that the file ends in.
constexpr int wstawka_bez_konca = 13;
constexpr int parametry_bez_konca = 14;
}  // namespace bledy_skanera

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
// The extended notation's header: a section out of its order, or one that
// may stand once standing again.
constexpr int sekcja_nie_na_miejscu = 37;
// Parameters "<$ $>" after a terminal.
constexpr int parametry_terminala = 38;
}  // namespace bledy

// An error in the token file, at its line and column.
struct Blad_Tokenow {
  int nr;
  int linia;
  int kol;
};

namespace bledy_tok {
constexpr int oczekiwano_definicji = 50;
constexpr int brak_rowna = 51;
constexpr int brak_kropki = 52;
constexpr int brak_czynnika = 53;
constexpr int brak_pnawkl = 54;
constexpr int brak_pnawkw = 55;
constexpr int brak_pnaw = 56;
constexpr int napis_bez_konca = 57;
constexpr int pusty_napis = 58;
constexpr int zly_kod = 59;
constexpr int zakres_dlugi = 60;
constexpr int zakres_odwrocony = 61;
constexpr int nieznana_nazwa = 62;
constexpr int powtorna_definicja = 63;
constexpr int nieznana_opcja = 64;
constexpr int zle_argumenty = 65;
constexpr int za_duzy_automat = 66;
constexpr int zly_znak = 67;
constexpr int za_dluga_nazwa = 68;
}  // namespace bledy_tok

// The text of error nr of each family; "Nieznany blad" for a number the
// family does not have.
std::string_view komunikat_skanera(int nr);
std::string_view komunikat_parsera(int nr);
std::string_view komunikat_tokenow(int nr);

}  // namespace bryzas
