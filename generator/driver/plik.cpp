#include "plik.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace bryzas {

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

constexpr std::size_t rozmiar_bloku = 1 << 16;

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

Plik_Wy::~Plik_Wy() {
  // The run closes every file it opened; this only guards an early exit.
  if (fd_ >= 0) ::close(fd_);
}

void Plik_Wy::utworz(const std::string& nazwa) {
  if (fd_ >= 0) zamknij();
  nazwa_ = nazwa;
  int fd = ::open(nazwa.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, nazwa, errno);
  fd_ = fd;
  bufor_.clear();
  bufor_.reserve(rozmiar_bloku);
}

void Plik_Wy::pisz(std::string_view tekst) {
  bufor_.append(tekst);
  if (bufor_.size() >= rozmiar_bloku) oproznij();
}

void Plik_Wy::pisz_linie(std::string_view tekst) {
  bufor_.append(tekst);
  nowa_linia();
}

void Plik_Wy::nowa_linia() {
  bufor_.push_back('\n');
  if (bufor_.size() >= rozmiar_bloku) oproznij();
}

void Plik_Wy::oproznij() {
  std::size_t zapisane = 0;
  while (zapisane < bufor_.size()) {
    ssize_t n = ::write(fd_, bufor_.data() + zapisane, bufor_.size() - zapisane);
    if (n < 0) {
      if (errno == EINTR) continue;
      int e = errno;
      bufor_.clear();
      throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa_, e);
    }
    zapisane += static_cast<std::size_t>(n);
  }
  bufor_.clear();
}

void Plik_Wy::zamknij() {
  if (fd_ < 0) return;
  int fd = fd_;
  try {
    oproznij();
  } catch (...) {
    fd_ = -1;
    ::close(fd);
    throw;
  }
  fd_ = -1;
  if (::close(fd) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zamkniecie, nazwa_, errno);
}

}  // namespace bryzas
