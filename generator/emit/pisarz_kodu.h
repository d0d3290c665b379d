// The line writer of the generated parser body. It owns the indentation of
// body lines and the counter of error numbers written into the generated
// code; the grammar parser and the code emitters share one instance.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

#include "wspolne/blad_pliku.h"
#include "wspolne/plik_wy.h"
#include "wspolne/tekst.h"

namespace bryzas {

// Writes the pieces, joined with nothing between them, as one whole line.
void pisz_wiersz(wspolne::Plik_Wy& f, std::initializer_list<std::string_view> kawalki);

class Pisarz_Kodu {
public:
  explicit Pisarz_Kodu(wspolne::Plik_Wy& pl_gen) : pl_gen_(pl_gen) {}
  Pisarz_Kodu(const Pisarz_Kodu&) = delete;
  Pisarz_Kodu& operator=(const Pisarz_Kodu&) = delete;

  // One body line: `wciecie` blanks, then the pieces.
  void linia(std::initializer_list<std::string_view> kawalki) { linia_do(pl_gen_, kawalki); }
  // The same indentation, written to another file (the package specification).
  void linia_do(wspolne::Plik_Wy& f, std::initializer_list<std::string_view> kawalki);

  // Constructs open and close in pairs, so the depth changes by two.
  void glebiej() { wciecie_ += 2; }
  void plycej();
  int wciecie() const { return wciecie_; }

  // The next error number for the generated code, as bare digits: the first
  // call gives "100". Numbers are drawn while their line is being built, so
  // they grow from the top of the body to the bottom.
  std::string nr_bl_str() { return std::to_string(++nr_bledu_gen_); }

private:
  wspolne::Plik_Wy& pl_gen_;
  int wciecie_ = 0;
  int nr_bledu_gen_ = 99;
};

}  // namespace bryzas
