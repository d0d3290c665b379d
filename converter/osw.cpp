#include "converter/osw.h"

#include <new>
#include <ostream>

#include "wspolne/blad_pliku.h"
#include "converter/osw_pars.h"
#include "converter/osw_skan.h"
#include "converter/ostrew_wy.h"
#include "wspolne/status.h"

namespace ostrew {

int osw::uruchom() {
  osw_skan skan(konsola_);
  ostrew_wy wy;
  osw_pars pars(skan, wy, konsola_);

  int status = wspolne::status_sukces;
  bool blad = false;  // an error came out of the conversion: "Blad!"
  try {
    if (pars.Parsuj()) status = wspolne::status_blad_wejscia;
  } catch (const Blad_Zakresu&) {
    status = wspolne::status_blad_wejscia;
    blad = true;
  } catch (const wspolne::Blad_Pliku& e) {
    // A missing a.ini has already been reported in the input's own words.
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
  // After an error a.xml keeps the lines written so far: they still have to
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
