// Fuzz target: the converter's scanner reads a.ini in blocks; the tokens,
// their texts, the line count after each token and the error that ends the
// scan (with the line count it is reported with) must not depend on where
// the blocks happen to end. The input is scanned with the usual block and
// with blocks of a few bytes and around 1000, which puts a block end inside
// every CR LF pair and every 1000-character piece. At the end of the input
// the line count must be the number of lines of the file.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>

#include "osw_skan.h"
#include "wspolne.h"

namespace {

// The scan as text: one line per token, then how it ended.
std::string przebieg(std::size_t blok, int& linie_na_koncu) {
  std::ostringstream konsola;
  ostrew::osw_skan skan(konsola, blok);
  skan.otworz_plik_we("a.ini");
  std::string opis;
  linie_na_koncu = -1;
  try {
    for (;;) {
      const ostrew::Token_Typ t = skan.Skanuj();
      opis += std::to_string(static_cast<int>(t.Kod)) + " [" + std::string(t.tekst()) + "] l" +
              std::to_string(skan.nr_linii()) + "\n";
      if (t.Kod == ostrew::Token_Kod::KONIECPL) {
        linie_na_koncu = skan.nr_linii();
        break;
      }
    }
  } catch (const ostrew::Blad_Skanera& b) {
    opis += "blad skanera " + std::to_string(b.nr) + " l" + std::to_string(skan.nr_linii()) + "\n";
  } catch (const ostrew::Blad_Zakresu&) {
    // A value out of range is reported without a line number.
    opis += "blad zakresu\n";
  }
  skan.zamknij_plik_we();
  fuzz::sprawdz(konsola.str().empty(), "the scanner wrote to the console", konsola.str());
  return opis;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::przygotuj_katalog();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  fuzz::wyczysc_katalog();
  fuzz::zapisz("a.ini", wejscie);

  int linie = 0;
  const std::string wzor = przebieg(ostrew::osw_skan::domyslny_blok, linie);
  if (linie >= 0)
    fuzz::sprawdz(linie == static_cast<int>(fuzz::linie(wejscie).size()),
                  "line count at the end of the input", wzor);
  for (std::size_t blok : {2, 3, 5, 999, 1001}) {
    int l = 0;
    const std::string inny = przebieg(blok, l);
    fuzz::sprawdz(inny == wzor, "the scan depends on the block size",
                  "block " + std::to_string(blok) + ":\n" + inny + "usual block:\n" + wzor);
  }
  return 0;
}
