// The token file beside the grammar, if there is one: its syntax, and how
// its definitions fit the grammar's terminals and one another.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"
#include "gramatyka/plik_tokenow.h"
#include "wspolne/blad_pliku.h"

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

// Reads the token file, once: nullptr when there is none. A file that
// cannot be read is an error in tokenow, and nullptr too, its failure left
// in blad for a caller that stops on it.
std::unique_ptr<const bryzas::Plik_Tokenow> czytaj_tokeny(const Gramatyka& g, const std::string& plik_tok,
                                                          Analiza_Raport& tokenow,
                                                          std::optional<wspolne::Blad_Pliku>& blad);

// Checks the token file as read (plik null: none, or blad_pliku: one that
// could not be read). Messages about the grammar (a terminal without a
// definition) go to gramatyki, those located in the token file to tokenow.
Koniec_Wejscia sprawdz_tokeny(const Gramatyka& g, const bryzas::Plik_Tokenow* plik, bool blad_pliku,
                              const std::string& plik_tok, Analiza_Raport& gramatyki, Analiza_Raport& tokenow);

}  // namespace bryzas_analiza
