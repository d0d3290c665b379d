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
  if (!bufor_) bufor_ = std::make_unique_for_overwrite<char[]>(rozmiar_bloku);
  pojemnosc_ = rozmiar_bloku;
  zajete_ = 0;
}

void Plik_Wy::pisz_znaki(std::size_t ile, char znak) {
  while (ile > pojemnosc_ - zajete_) {
    const std::size_t czesc = pojemnosc_ - zajete_;
    std::fill_n(bufor_.get() + zajete_, czesc, znak);
    zajete_ += czesc;
    ile -= czesc;
    oproznij();
  }
  std::fill_n(bufor_.get() + zajete_, ile, znak);
  zajete_ += ile;
}

void Plik_Wy::pisz_wiersz(std::size_t wciecie, std::initializer_list<std::string_view> kawalki) {
  std::size_t dlug = wciecie + 1;
  for (std::string_view k : kawalki) dlug += k.size();
  if (dlug > pojemnosc_ - zajete_) {
    // Too long for the room left: piece by piece, through the buffer.
    pisz_znaki(wciecie, ' ');
    for (std::string_view k : kawalki) pisz(k);
    nowa_linia();
    return;
  }
  char* p = std::fill_n(bufor_.get() + zajete_, wciecie, ' ');
  for (std::string_view k : kawalki) p = std::copy(k.begin(), k.end(), p);
  *p = '\n';
  zajete_ += dlug;
}

// A piece larger than the room left: the buffer is filled, written out and
// filled again until the piece is all in.
void Plik_Wy::pisz_z_oproznieniem(std::string_view tekst) {
  for (;;) {
    const std::size_t czesc = std::min(tekst.size(), pojemnosc_ - zajete_);
    std::copy_n(tekst.data(), czesc, bufor_.get() + zajete_);
    zajete_ += czesc;
    tekst.remove_prefix(czesc);
    if (tekst.empty()) return;
    oproznij();
  }
}

void Plik_Wy::oproznij() {
  if (fd_ < 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa_, EBADF);
  std::size_t zapisane = 0;
  while (zapisane < zajete_) {
    ssize_t n = ::write(fd_, bufor_.get() + zapisane, zajete_ - zapisane);
    if (n <= 0) {
      if (n < 0 && errno == EINTR) continue;
      const int e = n < 0 ? errno : EIO;  // a write that takes nothing would loop for ever
      zajete_ = 0;
      throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa_, e);
    }
    zapisane += static_cast<std::size_t>(n);
  }
  zajete_ = 0;
}

void Plik_Wy::zamknij() {
  if (fd_ < 0) return;
  int fd = fd_;
  try {
    oproznij();
  } catch (...) {
    fd_ = -1;
    pojemnosc_ = 0;
    ::close(fd);
    throw;
  }
  fd_ = -1;
  pojemnosc_ = 0;
  if (::close(fd) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zamkniecie, nazwa_, errno);
}

}  // namespace bryzas
