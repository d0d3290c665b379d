#include "generator/wspolne/pisarz.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "wspolne/blad_pliku.h"

namespace bryzas {

std::optional<Pozycja> Mapa_Zrodel::znajdz(int linia, int kol) const {
  auto od = std::lower_bound(odcinki_.begin(), odcinki_.end(), linia,
                             [](const Odcinek& o, int l) { return o.linia < l; });
  for (; od != odcinki_.end() && od->linia == linia; ++od)
    if (kol >= od->od && kol < od->do_) return Pozycja{od->zrodlo.linia, od->zrodlo.kol + kol - od->od};
  return std::nullopt;
}

// Whatever opens for reading counts as present (a directory too); O_NONBLOCK
// keeps a FIFO of that name from stalling the probe.
bool brak_pliku(const std::string& nazwa) {
  int fd = ::open(nazwa.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return false;
  }
  if (errno != ENOENT) throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, nazwa, errno);
  return true;
}

// A file left incomplete by a failed write is removed: kept, it would count
// as present and never be written again.
void pisz_plik_gdy_brak(const std::string& nazwa, const std::function<void(Pisarz&)>& tresc) {
  if (!brak_pliku(nazwa)) return;
  try {
    pisz_plik(nazwa, tresc);
  } catch (const wspolne::Blad_Pliku&) {
    ::unlink(nazwa.c_str());
    throw;
  }
}

}  // namespace bryzas
