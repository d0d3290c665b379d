#include "wspolne/plik_wy.h"

#include <cerrno>

#include "wspolne/blad_pliku.h"

namespace wspolne {

void Plik_Wy::utworz(const std::string& nazwa) {
  if (plik_.otwarty()) zamknij();
  otworz(wspolne::utworz(nazwa), nazwa);
}

void Plik_Wy::otworz(Deskryptor plik, const std::string& nazwa) {
  if (plik_.otwarty()) zamknij();
  nazwa_ = nazwa;
  plik_ = std::move(plik);
  if (!bufor_) bufor_ = std::make_unique_for_overwrite<char[]>(rozmiar_bloku_);
  pojemnosc_ = rozmiar_bloku_;
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
  if (!plik_.otwarty()) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, nazwa_, EBADF);
  const std::size_t ile = zajete_;
  // Whatever happens, these bytes are done with: a failure is reported once.
  zajete_ = 0;
  zapisz(plik_.fd(), bufor_.get(), ile, nazwa_);
}

void Plik_Wy::zamknij() {
  if (!plik_.otwarty()) return;
  // Closed whatever happens; from then on any text is a write failure.
  pojemnosc_ = 0;
  try {
    oproznij();
  } catch (...) {
    plik_.porzuc();
    throw;
  }
  plik_.zamknij(nazwa_);
}

}  // namespace wspolne
