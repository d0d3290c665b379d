// The token file beside the grammar, if there is one: its syntax, and how
// its definitions fit the grammar's terminals and one another.
#pragma once

#include <optional>
#include <string>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"
#include "gramatyka/bryzas_tok.h"

namespace bryzas_analiza {

// What the scanner gives at the end of the input: without a token file, a
// token of the hand-written scanner that the grammar does not name; with one,
// the token of its ++koniec, or Pusty, which no grammar may name. Of a token
// file in error nothing is known.
struct Koniec_Wejscia {
  enum class Rodzaj { skaner_wlasny, token, pusty, nieznany };
  Rodzaj rodzaj = Rodzaj::skaner_wlasny;
  std::string token;  // the ++koniec token
};

// Messages about the grammar (a terminal without a definition) go to
// gramatyki, those located in the token file to tokenow. The description
// read goes to opis, when the file exists and its syntax holds.
Koniec_Wejscia sprawdz_tokeny(const Gramatyka& g, const std::string& plik_tok, analiza_raport& gramatyki,
                              analiza_raport& tokenow, std::optional<bryzas::Opis_Tokenow>& opis);

}  // namespace bryzas_analiza
