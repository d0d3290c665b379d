#include "converter/osw.h"

#include <new>
#include <string_view>
#include <sys/stat.h>
#include <ostream>

#include "wspolne/blad_pliku.h"
#include "converter/osw_pars.h"
#include "converter/osw_skan.h"
#include "converter/ostrew_wy.h"
#include "wspolne/status.h"
#include "wspolne/wersja.h"

namespace ostrew {

namespace {

constexpr std::string_view pomoc_dzis[] = {
    "Sposob uzycia:  ostrew [<plik_we> [<plik_wy>]]",
};
constexpr std::string_view pomoc_swobodna[] = {
    "Sposob uzycia:  ostrew --swobodny [<plik_we> [<plik_wy>]]",
    " czyta plik INI (UTF-8) tak jak configparser Pythona: sekcje [nazwa],",
    " klucz = wartosc lub klucz: wartosc, komentarze # i ; w osobnych liniach,",
    " linie wciete glebiej niz klucz dopisane do wartosci; DEFAULT to zwykla sekcja;",
    " blad: <plik_we>:linia:kolumna: opis; <plik_wy> powstaje caly albo wcale",
};
constexpr std::string_view pomoc_wspolna[] = {
    " bez parametrow czyta a.ini i pisze a.xml w biezacym katalogu;",
    " bez <plik_wy> pisze plik o nazwie <plik_we> z rozszerzeniem .xml",
    " --swobodny czyta plik INI tak jak configparser Pythona (ostrew --swobodny --help)",
    " --help     wypisuje ten opis",
    " --version  wypisuje wersje",
    "Status: 0 sukces, 1 blad w pliku we, 2 bledne wywolanie, 3 nie mozna odczytac lub zapisac pliku",
};

// True when both names reach one existing file (a.xml given as the input of
// ostrew a.xml, or a link to it).
bool ten_sam_plik(const std::string& a, const std::string& b) {
  struct stat sa, sb;
  return ::stat(a.c_str(), &sa) == 0 && ::stat(b.c_str(), &sb) == 0 && sa.st_dev == sb.st_dev &&
         sa.st_ino == sb.st_ino;
}

// True when the name reaches something that exists and is neither a regular
// file nor a directory.
bool inny_niz_plik(const std::string& nazwa) {
  struct stat st;
  return ::stat(nazwa.c_str(), &st) == 0 && !S_ISREG(st.st_mode) && !S_ISDIR(st.st_mode);
}

}  // namespace

int Osw::uruchom(const std::vector<std::string>& parametry) {
  std::vector<std::string> argumenty = parametry;
  swobodny_ = std::erase(argumenty, "--swobodny") > 0;
  if (argumenty.size() == 1 && argumenty[0] == "--help") {
    pomoc();
    return wspolne::status_sukces;
  }
  if (argumenty.size() == 1 && argumenty[0] == "--version") {
    konsola_ << "ostrew " << wspolne::wersja << '\n';
    return wspolne::status_sukces;
  }
  for (const std::string& a : argumenty)
    if (!a.empty() && a[0] == '-') return odrzuc("Nieznana opcja [" + a + "] !!");
  if (argumenty.size() > 2) return odrzuc("Za duzo parametrow !!");
  const std::string plik_we = argumenty.empty() ? "a.ini" : argumenty[0];
  const std::string plik_wy = argumenty.size() == 2 ? argumenty[1] : argumenty.empty() ? "a.xml" : nazwa_wy(plik_we);
  // Creating the output would empty the input before a byte of it is read.
  if (!argumenty.empty() && ten_sam_plik(plik_we, plik_wy)) return odrzuc("Plik wyjsciowy jest plikiem wejsciowym !!");
  if (!swobodny_) return konwertuj(plik_we, plik_wy);
  // A device or a pipe cannot be replaced whole by another file.
  if (inny_niz_plik(plik_wy)) return odrzuc("Plik wyjsciowy nie jest zwyklym plikiem !!");
  return konwertuj_swobodnie(plik_we, plik_wy);
}

std::string nazwa_wy(const std::string& plik_we) {
  const std::size_t ukosnik = plik_we.rfind('/');
  const std::size_t poczatek = ukosnik == std::string::npos ? 0 : ukosnik + 1;
  const std::size_t kropka = plik_we.rfind('.');
  // A dot that begins the name (.ini) makes no extension.
  if (kropka == std::string::npos || kropka <= poczatek) return plik_we + ".xml";
  return plik_we.substr(0, kropka) + ".xml";
}

void Osw::pomoc() {
  if (swobodny_) {
    for (std::string_view l : pomoc_swobodna) konsola_ << l << '\n';
  } else {
    for (std::string_view l : pomoc_dzis) konsola_ << l << '\n';
  }
  for (std::string_view l : pomoc_wspolna) konsola_ << l << '\n';
}

int Osw::odrzuc(std::string_view powod) {
  konsola_ << powod << '\n';
  pomoc();
  return wspolne::status_bledne_wywolanie;
}

int Osw::konwertuj(const std::string& plik_we, const std::string& plik_wy) {
  Osw_Skan skan(konsola_);
  Ostrew_Wy wy;
  Osw_Pars pars(skan, wy, konsola_);

  int status = wspolne::status_sukces;
  bool blad = false;  // an error came out of the conversion: "Blad!"
  try {
    if (pars.Parsuj(plik_we, plik_wy)) status = wspolne::status_blad_wejscia;
  } catch (const Blad_Zakresu&) {
    status = wspolne::status_blad_wejscia;
    blad = true;
  } catch (const wspolne::Blad_Pliku& e) {
    // A missing input has already been reported in the input's own words.
    if (e.brak_pliku()) {
      status = wspolne::status_blad_wejscia;
    } else {
      konsola_ << e.opis() << '\n';
      status = wspolne::status_awaria;
    }
    blad = true;
  } catch (const std::bad_alloc&) {
    konsola_ << "*** blad: brak pamieci\n";
    status = wspolne::status_awaria;
    blad = true;
  }
  // After an error the output keeps the lines written so far: they still have to
  // reach the file, and that may fail too.
  try {
    wy.zamknij_plik_wy();
  } catch (const wspolne::Blad_Pliku& e) {
    konsola_ << e.opis() << '\n';
    status = wspolne::status_awaria;
    blad = true;
  }
  skan.zamknij_plik_we();
  if (blad) konsola_ << "Blad!\n";
  return status;
}

}  // namespace ostrew
