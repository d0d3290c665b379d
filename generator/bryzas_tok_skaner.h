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

// Whether the scanner body P_skan.adb is bryzas's to write: absent, or
// written by it before.
bool skaner_do_napisania(const std::string& plik_skan);

// The errors a generated scanner raises (Nr_Bledu_Skan): P_skan.adb declares
// each number as a constant of the given name and raises it by that name,
// P_Bledy.Opis_Skanera tells it in words.
struct Blad_Skanera_Ady {
  int nr;
  std::string_view stala;
  std::string_view tekst;
};
inline constexpr Blad_Skanera_Ady zly_znak_ady{1, "Zly_Znak_We", "nieoczekiwany znak"};
inline constexpr Blad_Skanera_Ady bledy_skanera_ady[] = {
    zly_znak_ady,
    {2, "Za_Dlugi_Token_We", "token dluzszy niz 100 znakow"},
    {3, "Komentarz_Bez_Konca_We", "komentarz bez konca"},
};

// An Ada expression of type String for any text: printable ASCII inside
// quotes, every other character by its code.
std::string wyrazenie_napisu(std::string_view tekst);

// A table as a positional aggregate, a few values to a line, one step
// deeper than the line before it; `koniec` closes its last line.
void agregat(Pisarz& w, const std::vector<std::string>& wartosci, std::string_view koniec);

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
  Skaner_Tokenow skaner_;  // of the terminals the grammar uses
};

}  // namespace bryzas
