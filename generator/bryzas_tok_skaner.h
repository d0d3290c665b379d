// The phase of the token file: when P.tok exists it is read and listed in
// P_tok.lst, and the scanner body P_skan.adb and the position package
// p_pozycja.ads are written from it.
#pragma once

#include <string>
#include <vector>

#include "generator/bryzas_pak.h"
#include "generator/konsola.h"
#include "gramatyka/bryzas_tok.h"
#include "gramatyka/bryzas_tok_automat.h"

namespace bryzas {

class Pisarz;

// The first line of every scanner written from a token file; a P_skan.adb
// that does not begin with it is the user's and is never replaced.
inline constexpr std::string_view znacznik_skanera = "-- wygenerowano przez bryzas z pliku tokenow ";

// An Ada expression of type String for any text: printable ASCII inside
// quotes, every other character by its code.
std::string wyrazenie_napisu(std::string_view tekst);

class bryzas_tok_skaner {
public:
  bryzas_tok_skaner(bryzas_pak& pak, Konsola& konsola);

  // True when the token file has an error (reported on the console and in
  // its listing); nothing is generated then.
  bool gen_skaner();

private:
  void pisz_pozycje(Pisarz& w);
  void pisz_skaner(Pisarz& w);
  void tablice(Pisarz& w);
  void wejscie(Pisarz& w);
  void komentarze(Pisarz& w);
  void skanuj(Pisarz& w);
  // Whether the file declares a comment to the end of the line (or one
  // between delimiters).
  bool jest_komentarz(bool liniowy) const;

  bryzas_pak& pak_;
  Konsola& konsola_;
  Opis_Tokenow opis_;
  std::vector<const Definicja_Tokenu*> tokeny_;  // those the grammar uses
  Wzorce_Skanera wzorce_;
  std::optional<Automat_Tokenow> automat_;
};

}  // namespace bryzas
