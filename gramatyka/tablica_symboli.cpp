#include "gramatyka/tablica_symboli.h"

namespace bryzas {

bool Tablica_Symboli::wstaw_token(std::string_view nazwa) {
  if (nazwy_.size() >= pojemnosc_ || znajdz(nazwa) >= 0) return false;
  nazwy_.emplace_back(nazwa);
  numery_.emplace(nazwy_.back(), licz());
  return true;
}

}  // namespace bryzas
