#include "wspolne/blad_pliku.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace wspolne {

namespace {

const char* czynnosc(Blad_Pliku::Rodzaj r) {
  switch (r) {
    case Blad_Pliku::Rodzaj::otwarcie: return "otworzyc";
    case Blad_Pliku::Rodzaj::utworzenie: return "utworzyc";
    case Blad_Pliku::Rodzaj::odczyt: return "odczytac";
    case Blad_Pliku::Rodzaj::zapis: return "zapisac";
    case Blad_Pliku::Rodzaj::zamkniecie: return "zamknac";
  }
  return "obsluzyc";
}

}  // namespace

std::string powod_bledu(int kod_errno) {
  switch (kod_errno) {
    case ENOENT: return "brak pliku lub katalogu";
    case EACCES:
    case EPERM: return "brak uprawnien";
    case EISDIR: return "to jest katalog";
    case ENOTDIR: return "element sciezki nie jest katalogiem";
    case ENOSPC: return "brak miejsca na dysku";
    case EDQUOT: return "przekroczony przydzial dysku";
    case EROFS: return "system plikow tylko do odczytu";
    case ENAMETOOLONG: return "za dluga nazwa pliku";
    case EFBIG: return "za duzy plik";
    case EIO: return "blad urzadzenia";
    case EMFILE:
    case ENFILE: return "za duzo otwartych plikow";
    default: return "blad systemowy nr " + std::to_string(kod_errno);
  }
}

Blad_Pliku::Blad_Pliku(Rodzaj rodzaj, std::string plik, int kod_errno)
    : rodzaj_(rodzaj), plik_(std::move(plik)), kod_errno_(kod_errno) {
  opis_ = std::string("*** blad: nie mozna ") + czynnosc(rodzaj_) + " pliku [" + plik_ +
          "]: " + powod_bledu(kod_errno_);
}

bool Blad_Pliku::brak_pliku() const {
  return rodzaj_ == Rodzaj::otwarcie && kod_errno_ == ENOENT;
}

void Deskryptor::porzuc() noexcept {
  if (fd_ >= 0) ::close(std::exchange(fd_, -1));
}

void Deskryptor::zamknij(const std::string& nazwa) {
  if (fd_ < 0) return;
  if (::close(std::exchange(fd_, -1)) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zamkniecie, nazwa, errno);
}

Deskryptor otworz_do_odczytu(const std::string& nazwa) {
  const int fd = ::open(nazwa.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::otwarcie, nazwa, errno);
  return Deskryptor(fd);
}

Deskryptor utworz(const std::string& nazwa) {
  const int fd = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, nazwa, errno);
  return Deskryptor(fd);
}

std::size_t czytaj(int fd, char* dane, std::size_t n, const std::string& nazwa) {
  for (;;) {
    const ssize_t r = ::read(fd, dane, n);
    if (r >= 0) return static_cast<std::size_t>(r);
    if (errno != EINTR) throw Blad_Pliku(Blad_Pliku::Rodzaj::odczyt, nazwa, errno);
  }
}

void zapisz(int fd, const char* dane, std::size_t n, const std::string& nazwa) {
  std::size_t zapisane = 0;
  while (zapisane < n) {
    const ssize_t r = ::write(fd, dane + zapisane, n - zapisane);
    if (r > 0) {
      zapisane += static_cast<std::size_t>(r);
    } else if (r == 0) {
      throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa, EIO);
    } else if (errno != EINTR) {
      throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa, errno);
    }
  }
}

}  // namespace wspolne
