#include "gramatyka/analiza_wstawki.h"

#include <string_view>

#include "gramatyka/komunikaty_analizy.h"

namespace bryzas_analiza {

namespace {

using K = Komunikat_Analizy;

bool znak_slowa(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

// Where a comment begins in a line of Ada, outside string and character
// literals; npos without one.
std::size_t komentarz(std::string_view linia) {
  bool w_napisie = false;
  for (std::size_t i = 0; i < linia.size(); ++i) {
    if (linia[i] == '"') w_napisie = !w_napisie;
    else if (!w_napisie && linia[i] == '\'' && i + 2 < linia.size() && linia[i + 2] == '\'') i += 2;
    else if (!w_napisie && linia.substr(i, 2) == "--") return i;
  }
  return std::string_view::npos;
}

std::string_view ostatnie_slowo(std::string_view s) {
  std::size_t a = s.size();
  while (a > 0 && znak_slowa(s[a - 1])) --a;
  return s.substr(a);
}

std::string_view pierwsze_slowo(std::string_view s) {
  std::size_t b = 0;
  while (b < s.size() && znak_slowa(s[b])) ++b;
  return s.substr(0, b);
}

}  // namespace

void sprawdz_wstawki(const Gramatyka& g, Analiza_Raport& raport) {
  for (const Wstawka& w : g.wstawki) {
    // The text line by line, as the grammar holds it.
    std::vector<std::string_view> linie;
    std::vector<int> numery{w.poz.linia};
    std::size_t od = 0;
    for (const Wstawka::Granica& gr : w.granice) {
      linie.push_back(std::string_view(w.tekst).substr(od, gr.od - od));
      numery.push_back(gr.linia);
      od = gr.od;
    }
    linie.push_back(std::string_view(w.tekst).substr(od));
    for (std::size_t i = 0; i + 1 < linie.size(); ++i) {
      if (komentarz(linie[i]) != std::string_view::npos) {
        raport.ostrzezenie(w.poz, tresc(K::wstawka_komentarz, {std::to_string(numery[i])}));
        break;
      }
      if (!linie[i].empty() && !linie[i + 1].empty() && znak_slowa(linie[i].back()) &&
          znak_slowa(linie[i + 1].front()))
        raport.ostrzezenie(w.poz,
                           tresc(K::wstawka_sklejenie, {ostatnie_slowo(linie[i]), pierwsze_slowo(linie[i + 1])}));
    }
  }
}

}  // namespace bryzas_analiza
