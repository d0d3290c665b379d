#include "generator/emit/pisarz_kodu.h"

#include <stdexcept>

namespace bryzas {

void pisz_wiersz(wspolne::Plik_Wy& f, std::initializer_list<std::string_view> kawalki) { f.pisz_wiersz(0, kawalki); }

void Pisarz_Kodu::linia_do(wspolne::Plik_Wy& f, std::initializer_list<std::string_view> kawalki) {
  f.pisz_wiersz(static_cast<std::size_t>(wciecie_), kawalki);
}

void Pisarz_Kodu::plycej() {
  // Only an unpaired close could get here; it is a fault of the caller.
  if (wciecie_ < 2) throw std::logic_error("wciecie ponizej zera");
  wciecie_ -= 2;
}

}  // namespace bryzas
