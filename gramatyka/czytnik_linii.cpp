#include "gramatyka/czytnik_linii.h"

#include <algorithm>
#include <cstring>

namespace bryzas {

namespace {

// Bytes read from the file at once.
constexpr std::size_t rozmiar_bloku_we = 1 << 16;

}  // namespace

void Czytnik_Linii::otworz(const std::string& nazwa) {
  zamknij();
  nazwa_ = nazwa;
  plik_ = wspolne::otworz_do_odczytu(nazwa);
  if (!bufor_) bufor_ = std::make_unique_for_overwrite<char[]>(rozmiar_bloku_we);
  przed_buforem_ = pocz_ = kon_ = 0;
  koniec_pliku_ = false;
  zapewnij(1);
}

void Czytnik_Linii::zamknij() {
  if (!plik_.otwarty()) return;
  // Nothing was written to the file, so a failing close loses nothing.
  plik_.porzuc();
  pocz_ = kon_ = 0;
  koniec_pliku_ = true;
}

std::size_t Czytnik_Linii::zapewnij(std::size_t ile) {
  while (kon_ - pocz_ < ile && plik_.otwarty() && !koniec_pliku_) {
    // Keep the unread tail at the front, then fill the rest of the buffer.
    if (pocz_ > 0) {
      std::memmove(bufor_.get(), bufor_.get() + pocz_, kon_ - pocz_);
      przed_buforem_ += pocz_;
      kon_ -= pocz_;
      pocz_ = 0;
    }
    const std::size_t n = wspolne::czytaj(plik_.fd(), bufor_.get() + kon_, rozmiar_bloku_we - kon_, nazwa_);
    if (n == 0)
      koniec_pliku_ = true;
    else
      kon_ += n;
  }
  return kon_ - pocz_;
}

bool Czytnik_Linii::koniec() { return zapewnij(1) == 0; }

std::size_t Czytnik_Linii::czytaj(Linia& linia) {
  // A whole piece and a CR LF right after it are in the buffer unless the
  // file ends first, so the line end is found by one search.
  const std::size_t zasieg = std::min(zapewnij(dl_linii + 2), dl_linii + 2);
  if (zasieg == 0) return 0;
  const char* p = bufor_.get() + pocz_;
  if (const void* lf = std::memchr(p, '\n', zasieg)) {
    const auto k = static_cast<std::size_t>(static_cast<const char*>(lf) - p);
    const std::size_t dlug = k > 0 && p[k - 1] == '\r' ? k - 1 : k;
    // A terminator right after a full piece still belongs to that piece.
    if (dlug <= dl_linii) {
      std::memcpy(linia.data(), p, dlug);
      pocz_ += k + 1;
      return dlug;
    }
  }
  // No line end within reach: a full piece, or the last line of a file that
  // ends without a line end. A CR copied here has no LF after it.
  const std::size_t dlug = std::min(zasieg, dl_linii);
  std::memcpy(linia.data(), p, dlug);
  pocz_ += dlug;
  return dlug;
}

}  // namespace bryzas
