#include "generator/podstawa/nazwa_projektu.h"

#include "wspolne/tekst.h"

namespace bryzas {

namespace {

constexpr std::string_view znaki_zabronione = "-+=[]{}.,/\\|<>!@#$%^&*()~`';:?";

}  // namespace

Nazwa_Projektu sprawdz_nazwe_projektu(const std::string& argument) {
  if (argument.find_first_of(znaki_zabronione) != std::string::npos)
    return {{}, "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!"};
  Nazwa_Projektu n{std::string(wspolne::usun_spacje(argument)), {}};
  if (n.nazwa.size() > max_dl_nazwy_proj) n.odrzucenie = "Za dluga nazwa projektu (max 249 znakow) !!";
  return n;
}

}  // namespace bryzas
