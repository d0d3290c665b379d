// Texts the tests expect, written out from the programs' documented output:
// the generator's banner and progress lines, the Kalk grammar and what a
// clean run of it prints.
#pragma once

#include <string>
#include <string_view>

namespace awarie {

// The grammar of the calculator example: two productions and a FIRST section,
// five lines, each ended by a line feed.
constexpr std::string_view kalk =
    "\"Wyrazenie\" = \"Liczba\" 'Plus' \"Liczba\" .\n"
    "\"Liczba\" = 'Cyfra' .\n"
    "%%\n"
    "\"Wyrazenie\" : 'Cyfra' .\n"
    "\"Liczba\" : 'Cyfra' .\n";

// Everything the generator prints for project P before the grammar phase
// reports anything, the phase's opening empty line included.
inline std::string poczatek(const std::string& projekt) {
  return "Bryza - generator parserow\n"
         "Zespol autorski zestawu Bryza\n"
         "    (generator parserow LL(1) i konwerter INI do XML)\n"
         "wersja 0.1.1 \n"
         "\n"
         "Pomoc dydaktyczna do przedmiotu:\n"
         "  'Metody translacji'\n"
         "\n"
         "Sposob uzycia:  bryzas <nazwa_projektu>\n"
         " gramatyka w pliku <nazwa_projektu>.gpa\n"
         "\n"
         "*** czytam gramatyke z pliku: [" +
         projekt + ".gpa]\n\n*** parsujemy .....\n\n";
}

// A successful grammar phase on the Kalk grammar: start symbol, the count of
// the five lines read, the generation line.
inline std::string faza_kalk(int linie = 5) {
  return poczatek("Kalk") + "*** symbol poczatkowy gramatyki: 'Wyrazenie'\n" +
         "*** wczytane linie :  " + std::to_string(linie) + "\n*** generacja kodu ...\n";
}

inline constexpr std::string_view koniec = "*** koniec parsowania\n";

// The listing of the Kalk grammar after success.
inline std::string listing_kalk() {
  return " 1: \"Wyrazenie\" = \"Liczba\" 'Plus' \"Liczba\" .\n"
         " 2: \"Liczba\" = 'Cyfra' .\n"
         " 3: %%\n"
         " 4: \"Wyrazenie\" : 'Cyfra' .\n"
         " 5: \"Liczba\" : 'Cyfra' .\n"
         "\n"
         "Bez bledu\n";
}

// Every file a run for Kalk writes.
inline constexpr std::string_view pliki_kalk[] = {
    "Kalk.adb",        "Kalk.log",        "Kalk.lst",         "Kalk_pars.adb",
    "Kalk_pars.ads",   "Kalk_skan_t.ads", "Kalk_zbiory.adb", "Kalk_zbiory.ads",
};

// The last line every complete file of a Kalk run ends with.
inline std::string ostatnia_linia(std::string_view plik) {
  if (plik == "Kalk.adb") return "end  Kalk;\n";
  if (plik == "Kalk.log") return "Cyfra\n\n";
  if (plik == "Kalk.lst") return "\nBez bledu\n";
  if (plik == "Kalk_pars.adb" || plik == "Kalk_pars.ads") return "\nend Kalk_Pars;\n";
  if (plik == "Kalk_skan_t.ads") return "\nend  Kalk_Skan;\n";
  return "\nend Kalk_zbiory;\n";
}

}  // namespace awarie
