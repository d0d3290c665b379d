#include "converter/ostrew_wy.h"

#include <algorithm>
#include <cstring>
#include <unistd.h>

#include "wspolne/blad_pliku.h"

namespace ostrew {

Ostrew_Wy::Ostrew_Wy(std::size_t rozmiar_bufora)
    : rozmiar_(std::max<std::size_t>(rozmiar_bufora, 1)),
      bufor_(new char[rozmiar_ + najdluzszy_wiersz]) {}

void Ostrew_Wy::otworz_plik_wy(const std::string& nazwa) {
  zamknij_plik_wy();
  nazwa_ = nazwa;
  plik_ = wspolne::utworz(nazwa);
  uzyte_ = 0;
}

// A line of any length: its parts go in pieces that fit, each byte above
// 127 encoded.
void Ostrew_Wy::pisz_dlugi(std::string_view przed, std::string_view x, std::string_view po) {
  for (std::string_view t : {przed, x, po, std::string_view("\n")}) {
    while (!t.empty()) {
      std::size_t ile = std::min(t.size(), krotki_tekst);
      char* d = koduj(miejsce(), t.substr(0, ile));
      uzyte_ = static_cast<std::size_t>(d - bufor_.get());
      t.remove_prefix(ile);
    }
  }
}

void Ostrew_Wy::oproznij() {
  const std::size_t ile = uzyte_;
  uzyte_ = 0;
  try {
    wspolne::zapisz(plik_.fd(), bufor_.get(), ile, nazwa_);
  } catch (const wspolne::Blad_Pliku&) {
    // Nothing more can reach this file; the failure is reported once.
    plik_.porzuc();
    throw;
  }
}

void Ostrew_Wy::zamknij_plik_wy() {
  if (!plik_.otwarty()) return;
  oproznij();
  plik_.zamknij(nazwa_);
}

}  // namespace ostrew
