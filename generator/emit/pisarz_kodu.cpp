#include "pisarz_kodu.h"

#include <stdexcept>

namespace bryzas {

std::string usun_spacje(std::string_view s) {
  const auto a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  const auto b = s.find_last_not_of(' ');
  return std::string(s.substr(a, b - a + 1));
}

void pisz_wiersz(Plik_Wy& f, std::initializer_list<std::string_view> kawalki) { f.pisz_wiersz(0, kawalki); }

void Pisarz_Kodu::linia_do(Plik_Wy& f, std::initializer_list<std::string_view> kawalki) {
  f.pisz_wiersz(static_cast<std::size_t>(wciecie_), kawalki);
}

void Pisarz_Kodu::plycej() {
  // Only an unpaired close could get here; it is a fault of the caller.
  if (wciecie_ < 2) throw std::logic_error("wciecie ponizej zera");
  wciecie_ -= 2;
}

}  // namespace bryzas
