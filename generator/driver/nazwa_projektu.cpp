#include "nazwa_projektu.h"

namespace bryzas {

namespace {

constexpr std::string_view znaki_zabronione = "-+=[]{}.,/\\|<>!@#$%^&*()~`';:?";

std::string bez_spacji_na_brzegach(const std::string& s) {
  auto a = s.find_first_not_of(' ');
  if (a == std::string::npos) return {};
  auto b = s.find_last_not_of(' ');
  return s.substr(a, b - a + 1);
}

}  // namespace

Nazwa_Projektu sprawdz_nazwe_projektu(const std::string& argument) {
  if (argument.find_first_of(znaki_zabronione) != std::string::npos)
    return {{}, "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!"};
  Nazwa_Projektu n{bez_spacji_na_brzegach(argument), {}};
  if (n.nazwa.size() > max_dl_nazwy_proj) n.odrzucenie = "Za dluga nazwa projektu (max 249 znakow) !!";
  return n;
}

}  // namespace bryzas
