#include "generator/wspolne/lista.h"

#include <algorithm>

#include "generator/wspolne/pisarz.h"
#include "wspolne/tekst.h"

namespace bryzas {

void pisz_liste(Pisarz& w, const std::vector<std::string>& linie, const std::vector<Uwaga_Listy>& uwagi,
                int do_linii) {
  std::size_t u = 0;
  auto pod_linia = [&](int nr) {
    for (; u < uwagi.size() && uwagi[u].linia <= nr; ++u) {
      const Uwaga_Listy& m = uwagi[u];
      const std::string numer = wspolne::obraz(m.linia) + ": ";
      w.linia(std::string(numer.size() + static_cast<std::size_t>(std::max(m.kol, 1)) - 1, '-'), "^");
      for (const std::string& l : m.tekst) w.linia(l);
    }
  };
  const int ile = static_cast<int>(std::min<std::size_t>(linie.size(), static_cast<std::size_t>(do_linii)));
  for (int nr = 1; nr <= ile; ++nr) {
    w.linia(wspolne::obraz(nr), ": ", linie[static_cast<std::size_t>(nr - 1)]);
    pod_linia(nr);
  }
  pod_linia(do_linii);
}

}  // namespace bryzas
