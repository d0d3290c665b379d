// Fuzz target: the input as the token file Fuzz.tok beside a fixed grammar,
// run through the generator and then the analyser. Both must end with a
// status of 0 or 1; an error in the token file is reported by both at the
// same place, listed with a marker under its column, and leaves no scanner;
// without one, the scanner begins with its marker line.
#include <cstdint>
#include <fstream>
#include <sstream>

#include "analyzer/analiza_uruchom.h"
#include "fuzz/wspolne.h"
#include "generator/bryzas_uruchom.h"
#include "wspolne/status.h"

namespace {

using fuzz::sprawdz;

constexpr std::string_view gramatyka =
    "\"S\" = { \"E\" } 'Koniec' .\n"
    "\"E\" = ( 'Nazwa' | 'Liczba' | 'Plus' | 'Kw' ) .\n"
    "%%\n"
    "\"S\" : 'Nazwa' 'Liczba' 'Plus' 'Kw' .\n"
    "\"E\" : 'Nazwa' 'Liczba' 'Plus' 'Kw' .\n";

// "Blad tokenow ( 52) - Fuzz.tok, l: 3, k: 7: ..." gives "3:7:".
std::string miejsce_bryzas(std::string_view w) {
  const std::size_t l = w.find(", l: "), k = w.find(", k: ");
  sprawdz(l != w.npos && k != w.npos, "no place in the error line", w);
  const std::size_t d = w.find(':', k + 5);
  return std::string(w.substr(l + 5, k - l - 5)) + ":" + std::string(w.substr(k + 5, d - k - 5)) + ":";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  fuzz::wejscie("Fuzz.tok", std::string_view(reinterpret_cast<const char*>(dane), rozmiar));
  std::ofstream("Fuzz.gpa") << gramatyka;
  std::ostringstream konsola;
  const int status = bryzas::bryzas_uruchom({"--bez-gnat", "Fuzz"}, konsola, "0");
  const std::string tekst = konsola.str();
  sprawdz(status == wspolne::status_sukces || status == wspolne::status_blad_wejscia, "bryzas status", tekst);
  std::string blad;
  for (std::string_view w : fuzz::wiersze(tekst))
    if (w.starts_with("Blad tokenow")) blad = miejsce_bryzas(w);
  sprawdz((status == wspolne::status_blad_wejscia) == !blad.empty(), "status and token errors disagree", tekst);

  bool jest = false;
  const std::string lista = fuzz::czytaj("Fuzz_tok.lst", jest);
  sprawdz(jest, "no listing of the token file");
  const std::string skaner = fuzz::czytaj("Fuzz_skan.adb", jest);
  if (blad.empty()) {
    sprawdz(lista.ends_with("\nBez bledu\n"), "listing end", lista);
    sprawdz(jest && skaner.starts_with("-- wygenerowano przez bryzas z pliku tokenow Fuzz.tok"), "no scanner");
  } else {
    const std::vector<std::string_view> w = fuzz::wiersze(lista);
    sprawdz(w.size() >= 2 && w.back().starts_with("Blad tokenow: ") && w[w.size() - 2].ends_with("^"),
            "listing end", lista);
    const std::size_t kol = static_cast<std::size_t>(std::atoi(blad.substr(blad.find(':') + 1).c_str()));
    const std::size_t numer = blad.find(':') + 3;  // " L: " before the line
    sprawdz(w[w.size() - 2].size() == numer + kol, "marker not under the column", lista);
    sprawdz(!jest, "a scanner written despite the error");
  }

  std::ostringstream wyjscie, bledy;
  const int status_analizy = bryzas_analiza::bryzas_analiza_uruchom({"Fuzz"}, wyjscie, bledy);
  sprawdz(status_analizy == wspolne::status_sukces || status_analizy == wspolne::status_blad_wejscia,
          "analyser status", wyjscie.str());
  if (!blad.empty())
    sprawdz(wyjscie.str().find("Fuzz.tok:" + blad + " blad: ") != std::string::npos,
            "the analyser does not report the error where bryzas does", wyjscie.str() + tekst);
  return 0;
}
