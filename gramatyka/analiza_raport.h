// The problems found in one grammar, each with its position, and their
// printing as located messages sorted by position.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

enum class Waga { blad, ostrzezenie };

// The choice of the parser that a message blames: the group and the numbers
// of the branches concerned (none named: the group as a whole, an option or
// a repetition against what follows it).
struct Wybor {
  const Element* grupa = nullptr;
  std::vector<std::size_t> galezie;
};

struct Komunikat {
  Pozycja poz;
  Waga waga = Waga::blad;
  std::string tekst;
  std::string uwaga;  // a second line, when not empty
  Pozycja poz_uwagi;  // its place
  Wybor wybor;        // when it blames a choice
};

class Analiza_Raport {
public:
  // Each returns the message's number, for the two below.
  int blad(Pozycja poz, std::string tekst, Wybor wybor = {});
  int ostrzezenie(Pozycja poz, std::string tekst, Wybor wybor = {});
  // At the message's own place, or at another.
  void dodaj_uwage(int nr, std::string uwaga);
  void dodaj_uwage(int nr, std::string uwaga, Pozycja poz);
  // An error that turned out harmless.
  void na_ostrzezenie(int nr);

  // By line and column; at one position errors before warnings, otherwise
  // in the order found.
  std::vector<Komunikat> posortowane() const;
  int bledy() const { return bledy_; }
  int ostrzezenia() const { return static_cast<int>(lista_.size()) - bledy_; }

  // One line per message, "PLIK:LINIA:KOL: blad: TEKST", and its note
  // "PLIK:LINIA:KOL: uwaga: UWAGA" right after it.
  void wypisz(std::ostream& os, const std::string& plik) const;
  // The closing line with both counts, of this report and another one.
  void wypisz_podsumowanie(std::ostream& os) const { wypisz_podsumowanie(os, Analiza_Raport()); }
  void wypisz_podsumowanie(std::ostream& os, const Analiza_Raport& drugi) const;

private:
  std::vector<Komunikat> lista_;
  int bledy_ = 0;
};

// Names as the grammar writes them: "N" for a nonterminal, 't' for a terminal.
std::string cytat_nieterminala(const Gramatyka& g, int nr);
std::string cytat_terminala(const Gramatyka& g, int nr);
// The terminals of a set in order of first appearance, each quoted, separated
// by one blank; the end of input is not among them.
std::string cytaty_terminali(const Gramatyka& g, const Zbior& z);

}  // namespace bryzas_analiza
