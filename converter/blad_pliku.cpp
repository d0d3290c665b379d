#include "blad_pliku.h"

#include <cerrno>

namespace ostrew {

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

}  // namespace ostrew
