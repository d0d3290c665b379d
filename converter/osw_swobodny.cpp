// The run of the free dialect: the input read line by line into a new file
// that takes the output's place only when the whole document is in it.
#include <unistd.h>

#include <cerrno>
#include <new>
#include <ostream>

#include "converter/osw.h"
#include "converter/ostrew_wy.h"
#include "converter/swob_bledy.h"
#include "converter/swob_pars.h"
#include "converter/swob_we.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/plik_wy.h"
#include "wspolne/plik_zastepczy.h"
#include "wspolne/status.h"

namespace ostrew {

int Osw::konwertuj_swobodnie(const std::string& plik_we, const std::string& plik_wy) {
  using wspolne::Blad_Pliku;
  try {
    Swob_We we;
    we.otworz(plik_we);
    // An output its owner has made read-only stays so, as with today's
    // dialect, which cannot open it.
    if (::access(plik_wy.c_str(), W_OK) != 0 && errno == EACCES)
      throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, plik_wy, EACCES);
    wspolne::Plik_Zastepczy nowy(plik_wy);
    // Blocks as large as today's dialect writes.
    wspolne::Plik_Wy wy(Ostrew_Wy::domyslny_bufor);
    wy.otworz(nowy.wez_plik(), plik_wy);
    Swob_Pars(we, wy).plik();
    wy.zamknij();
    nowy.zastap();
    return wspolne::status_sukces;
  } catch (const Blad_Swobodny& b) {
    konsola_ << opis(b, plik_we) << '\n';
    return wspolne::status_blad_wejscia;
  } catch (const Blad_Pliku& e) {
    konsola_ << e.opis() << '\n';
    // A missing input is the input's fault.
    return e.brak_pliku() ? wspolne::status_blad_wejscia : wspolne::status_awaria;
  } catch (const std::bad_alloc&) {
    konsola_ << "*** blad: brak pamieci\n";
    return wspolne::status_awaria;
  }
}

}  // namespace ostrew
