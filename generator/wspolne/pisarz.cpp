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

void agregat(Pisarz& w, const std::vector<std::string>& wartosci, std::string_view koniec, std::size_t w_linii) {
  Wciecie glebiej(w, krok_wciecia);
  for (std::size_t i = 0; i < wartosci.size(); i += w_linii) {
    const std::size_t do_ = std::min(i + w_linii, wartosci.size());
    std::string l;
    for (std::size_t j = i; j < do_; ++j) l += wartosci[j] + (j + 1 < wartosci.size() ? "," : "") + (j + 1 < do_ ? " " : "");
    w.linia(l, do_ == wartosci.size() ? koniec : "");
  }
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
