#include "faza.h"

#include <sstream>

#include "bryzas_pak.h"
#include "bryzas_pars.h"
#include "bryzas_skan.h"
#include "konsola.h"

namespace testy {

namespace {

// Restores the working directory however the phase ends.
class Zmiana_Katalogu {
public:
  explicit Zmiana_Katalogu(const std::filesystem::path& k) : stary_(std::filesystem::current_path()) {
    std::filesystem::current_path(k);
  }
  ~Zmiana_Katalogu() {
    std::error_code e;
    std::filesystem::current_path(stary_, e);
  }

private:
  std::filesystem::path stary_;
};

void zamknij_wszystko(bryzas::bryzas_pak& pak, bryzas::bryzas_skan& skan) {
  skan.zamknij();
  for (bryzas::Plik_Wy* f : {&pak.pl_wys, &pak.pl_wyb, &pak.pl_lst, &pak.pl_log, &pak.pl_wyskans})
    f->zamknij();
}

}  // namespace

Wynik_Fazy uruchom_faze(const std::filesystem::path& katalog, const std::string& projekt) {
  Zmiana_Katalogu zmiana(katalog);
  bryzas::bryzas_pak pak;
  pak.ustaw_nazwy(projekt);
  pak.epoka_zrodel = 1796461507;
  bryzas::bryzas_skan skan(pak.pl_lst);
  std::ostringstream wyjscie;
  bryzas::Konsola konsola(wyjscie);
  bool blad = false;
  try {
    blad = bryzas::bryzas_pars(pak, skan, konsola).parser();
  } catch (...) {
    zamknij_wszystko(pak, skan);
    throw;
  }
  zamknij_wszystko(pak, skan);
  return {blad, wyjscie.str()};
}

}  // namespace testy
