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

constexpr std::string_view pomoc[] = {
    "Sposob uzycia:  ostrew [<plik_we> [<plik_wy>]]",
    " bez parametrow czyta a.ini i pisze a.xml w biezacym katalogu;",
    " bez <plik_wy> pisze plik o nazwie <plik_we> z rozszerzeniem .xml",
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

}  // namespace

int osw::uruchom(const std::vector<std::string>& argumenty) {
  if (argumenty.size() == 1 && argumenty[0] == "--help") {
    for (std::string_view l : pomoc) konsola_ << l << '\n';
    return wspolne::status_sukces;
  }
  if (argumenty.size() == 1 && argumenty[0] == "--version") {
    konsola_ << "ostrew " << wspolne::wersja << '\n';
    return wspolne::status_sukces;
  }
  for (const std::string& a : argumenty)
    if (!a.empty() && a[0] == '-') return odrzuc("Nieznana opcja [" + a + "] !!");
  if (argumenty.size() > 2) return odrzuc("Za duzo parametrow !!");
  if (argumenty.empty()) return konwertuj("a.ini", "a.xml");
  const std::string plik_wy = argumenty.size() == 2 ? argumenty[1] : nazwa_wy(argumenty[0]);
  // Creating the output would empty the input before a byte of it is read.
  if (ten_sam_plik(argumenty[0], plik_wy)) return odrzuc("Plik wyjsciowy jest plikiem wejsciowym !!");
  return konwertuj(argumenty[0], plik_wy);
}

std::string nazwa_wy(const std::string& plik_we) {
  const std::size_t ukosnik = plik_we.rfind('/');
  const std::size_t poczatek = ukosnik == std::string::npos ? 0 : ukosnik + 1;
  const std::size_t kropka = plik_we.rfind('.');
  // A dot that begins the name (.ini) makes no extension.
  if (kropka == std::string::npos || kropka <= poczatek) return plik_we + ".xml";
  return plik_we.substr(0, kropka) + ".xml";
}

int osw::odrzuc(std::string_view powod) {
  konsola_ << powod << '\n';
  for (std::string_view l : pomoc) konsola_ << l << '\n';
  return wspolne::status_bledne_wywolanie;
}

int osw::konwertuj(const std::string& plik_we, const std::string& plik_wy) {
  osw_skan skan(konsola_);
  ostrew_wy wy;
  osw_pars pars(skan, wy, konsola_);

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
