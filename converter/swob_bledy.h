// Errors of the free dialect (ostrew --swobodny): the faults of its input,
// each with a number, its place and the words that fill its text.
#pragma once

#include <string>
#include <vector>

namespace ostrew {

namespace bledy_swobodne {
constexpr int klucz_poza_sekcja = 21;
constexpr int brak_separatora = 22;     // a line with neither "=" nor ":"
constexpr int brak_nawiasu = 23;        // "[" without the "]" that ends a name
constexpr int pusta_nazwa_sekcji = 24;
constexpr int pusty_klucz = 25;
constexpr int powtorzona_sekcja = 26;
constexpr int powtorzony_klucz = 27;
constexpr int zly_utf8 = 28;
constexpr int znak_poza_xml = 29;       // a character XML 1.0 cannot hold
}  // namespace bledy_swobodne

// A fault of the input at line `linia`, column `kolumna` (characters from
// 1). `slowa` fill the "{}" of the error's text, in order.
struct Blad_Swobodny {
  int nr;
  long long linia;
  long long kolumna;
  std::vector<std::string> slowa;
};

// "a.ini:3:1: klucz poza sekcja": the console line of the error in the file
// `plik`.
std::string opis(const Blad_Swobodny& b, const std::string& plik);

}  // namespace ostrew
