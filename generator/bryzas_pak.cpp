#include "generator/bryzas_pak.h"

namespace bryzas {

void bryzas_pak::ustaw_nazwy(const std::string& p) {
  nazwa_proj = p;
  nazwa_skan = p + "_Skan";
  nazwa_pars = p + "_Pars";
  plik_we = p + ".gpa";
  plik_log = p + ".log";
  plik_lst = p + ".lst";
  plik_wys = p + "_pars" + ".ads";
  plik_wyb = p + "_pars" + ".adb";
  plik_wyskans = p + "_skan_t" + ".ads";
}

}  // namespace bryzas
