#include "generator/wspolne/pisarz.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "wspolne/blad_pliku.h"

namespace bryzas {

// Whatever opens for reading counts as present (a directory too); O_NONBLOCK
// keeps a FIFO of that name from stalling the probe. A file left incomplete
// by a failed write is removed: kept, it would count as present and never
// be written again.
void pisz_plik_gdy_brak(const std::string& nazwa, const std::function<void(Pisarz&)>& tresc) {
  int fd = ::open(nazwa.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return;
  }
  if (errno != ENOENT) throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, nazwa, errno);
  try {
    pisz_plik(nazwa, tresc);
  } catch (const wspolne::Blad_Pliku&) {
    ::unlink(nazwa.c_str());
    throw;
  }
}

}  // namespace bryzas
