#include "generator/podstawowa/pliki.h"

#include <optional>

namespace bryzas::podstawowa {

void Pliki::zamknij() {
  std::optional<wspolne::Blad_Pliku> pierwszy;
  for (wspolne::Plik_Wy* f : {&wys, &wyb, &lst, &log, &skan_t}) {
    try {
      f->zamknij();
    } catch (const wspolne::Blad_Pliku& e) {
      if (!pierwszy) pierwszy = e;
    }
  }
  if (pierwszy) throw *pierwszy;
}

}  // namespace bryzas::podstawowa
