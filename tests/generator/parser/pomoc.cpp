#include "pomoc.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace testy {

Katalog_Tymczasowy::Katalog_Tymczasowy() {
  std::string wzor = (std::filesystem::temp_directory_path() / "testy_pars_XXXXXX").string();
  if (mkdtemp(wzor.data()) == nullptr) throw std::runtime_error("mkdtemp");
  sciezka_ = wzor;
}

Katalog_Tymczasowy::~Katalog_Tymczasowy() {
  std::error_code e;
  std::filesystem::permissions(sciezka_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, e);
  std::filesystem::remove_all(sciezka_, e);
}

std::string czytaj_plik(const std::filesystem::path& p) {
  std::ifstream f(p, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + p.string());
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void zapisz_plik(const std::filesystem::path& p, const std::string& tresc) {
  std::ofstream f(p, std::ios::binary);
  f << tresc;
  if (!f) throw std::runtime_error("cannot write " + p.string());
}

}  // namespace testy
