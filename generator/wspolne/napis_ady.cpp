#include "generator/wspolne/napis_ady.h"

#include <vector>

#include "generator/wspolne/pisarz.h"

namespace bryzas {

std::string napis_ady(std::string_view tekst) {
  if (tekst.empty()) return "\"\"";
  std::vector<std::string> czesci;
  std::string biezacy;
  for (char c : tekst) {
    const auto u = static_cast<unsigned char>(c);
    if ((u >= 32 && u < 127) || u >= 160) {
      biezacy += c;
      if (c == '"') biezacy += '"';
      continue;
    }
    if (!biezacy.empty()) czesci.push_back("\"" + biezacy + "\"");
    biezacy.clear();
    czesci.push_back("Character'Val (" + std::to_string(u) + ")");
  }
  if (!biezacy.empty()) czesci.push_back("\"" + biezacy + "\"");
  // One character by its code is a Character: String'(1 => ...) makes it a text.
  if (czesci.size() == 1 && czesci[0][0] != '"') return "String'(1 => " + czesci[0] + ")";
  std::string s;
  for (const std::string& c : czesci) s += (s.empty() ? "" : " & ") + c;
  return s;
}

void tablica_tekstow(Pisarz& w, const std::vector<std::string>& teksty) {
  std::vector<std::string> od{"1"};
  std::size_t dlugosc = 1;
  w.linia("-- tekst numer I to Teksty (Od (I) .. Od (I + 1) - 1)");
  w.linia("Teksty : constant String :=");
  {
    Wciecie czesci(w, krok_wciecia);
    for (std::size_t i = 0; i < teksty.size(); ++i) {
      w.linia(napis_ady(teksty[i]), i + 1 < teksty.size() ? " &" : ";");
      od.push_back(std::to_string(dlugosc += teksty[i].size()));
    }
  }
  w.linia("Od : constant array (1 .. ", std::to_string(od.size()), ") of Positive := (");
  agregat(w, od, ");");
}

}  // namespace bryzas
