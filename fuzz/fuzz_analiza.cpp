// Fuzz target: one run of the analyser on the input as the grammar
// Fuzz.gpa, with every search on. Beside the sanitizers' findings it checks
// what a run promises whatever the grammar holds: it ends (the searches stay
// within their bounds), with status 0 or 1, a summary that counts the
// messages printed, and every note right after a message.
#include <cstdint>
#include <sstream>
#include <string>

#include "analyzer/analiza_uruchom.h"
#include "fuzz/wspolne.h"
#include "wspolne/status.h"

namespace {

using fuzz::sprawdz;

// "Fuzz.gpa:3:7: blad: ..." gives "Fuzz.gpa:3:7:" and "blad".
bool rozbierz(std::string_view w, std::string_view& miejsce, std::string_view& rodzaj) {
  std::size_t a = w.find(':');
  if (a == w.npos || (a = w.find(':', a + 1)) == w.npos || (a = w.find(':', a + 1)) == w.npos) return false;
  miejsce = w.substr(0, a + 1);
  const std::size_t b = w.find(':', a + 2);
  if (b == w.npos || w.substr(a, 2) != ": ") return false;
  rodzaj = w.substr(a + 2, b - a - 2);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  fuzz::wejscie("Fuzz.gpa", std::string_view(reinterpret_cast<const char*>(dane), rozmiar));
  std::ostringstream wyjscie, bledy;
  const int status = bryzas_analiza::bryzas_analiza_uruchom({"Fuzz"}, wyjscie, bledy);
  const std::string konsola = wyjscie.str();
  sprawdz(bledy.str().empty(), "standard error without --first", bledy.str());
  sprawdz(status == wspolne::status_sukces || status == wspolne::status_blad_wejscia, "unexpected exit status",
          konsola);
  const std::vector<std::string_view> w = fuzz::wiersze(konsola);
  sprawdz(!w.empty(), "no output");
  int ile_bledow = 0, ile_ostrzezen = 0;
  std::string_view poprzednie;
  for (std::size_t i = 0; i + 1 < w.size(); ++i) {
    std::string_view miejsce, rodzaj;
    sprawdz(w[i].starts_with("Fuzz.gpa:") && rozbierz(w[i], miejsce, rodzaj), "not a message", w[i]);
    if (rodzaj == "uwaga") {
      sprawdz(!poprzednie.empty(), "a note not right after its message", konsola);
      poprzednie = {};
      continue;
    }
    sprawdz(rodzaj == "blad" || rodzaj == "ostrzezenie", "unknown kind of message", w[i]);
    (rodzaj == "blad" ? ile_bledow : ile_ostrzezen) += 1;
    poprzednie = miejsce;
  }
  const std::string podsumowanie =
      "*** bledy: " + std::to_string(ile_bledow) + ", ostrzezenia: " + std::to_string(ile_ostrzezen);
  sprawdz(w.back() == podsumowanie, "summary does not count the messages", konsola);
  sprawdz((status == wspolne::status_blad_wejscia) == (ile_bledow > 0), "status and errors disagree", konsola);
  return 0;
}
