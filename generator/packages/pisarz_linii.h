// Line writer of the package emitters: every line reaches the file whole,
// started with the current indentation, so no emitter counts blanks itself.
#pragma once

#include <string>
#include <string_view>

#include "wspolne/blad_pliku.h"
#include "wspolne/plik_wy.h"

namespace bryzas {

class Pisarz_Linii {
public:
  explicit Pisarz_Linii(wspolne::Plik_Wy& plik) : plik_(plik) {}

  // One whole line made of the pieces written one after another; with no
  // pieces an empty line (an empty line carries no indentation).
  template <class... Kawalki>
  void linia(const Kawalki&... kawalki) {
    (dopisz(kawalki), ...);
    koniec_linii();
  }

  // Appends to the line being built; its first piece brings the indentation.
  void dopisz(std::string_view kawalek) {
    if (kawalek.empty()) return;
    if (!w_linii_) {
      plik_.pisz_znaki(static_cast<std::size_t>(wciecie_), ' ');
      w_linii_ = true;
    }
    plik_.pisz(kawalek);
  }

  void koniec_linii() {
    plik_.nowa_linia();
    w_linii_ = false;
  }

  int wciecie() const { return wciecie_; }
  wspolne::Plik_Wy& plik() { return plik_; }

private:
  friend class Wciecie;
  wspolne::Plik_Wy& plik_;
  int wciecie_ = 0;
  bool w_linii_ = false;
};

// Lines started while it lives are indented by `kolumny` more blanks.
class Wciecie {
public:
  Wciecie(Pisarz_Linii& w, int kolumny) : w_(w), kolumny_(kolumny) { w_.wciecie_ += kolumny_; }
  ~Wciecie() { w_.wciecie_ -= kolumny_; }
  Wciecie(const Wciecie&) = delete;
  Wciecie& operator=(const Wciecie&) = delete;

private:
  Pisarz_Linii& w_;
  int kolumny_;
};

}  // namespace bryzas
