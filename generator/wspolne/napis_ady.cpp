#include "generator/wspolne/napis_ady.h"

#include <vector>

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

}  // namespace bryzas
