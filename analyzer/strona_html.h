// The report of one analysis as a page, P.html beside the grammar: the
// summary with a link to each message, then for each production in the
// grammar's order its railroad diagram with what the messages blame marked
// in it, its nonterminal's FIRST and FOLLOW, and the messages that concern
// it. The page stands alone: its styles, pictures and a few lines of script
// are inline, nothing is fetched. A grammar whose syntax stopped its reading
// has no model to draw: its page holds the messages alone.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "analyzer/diagram_svg.h"
#include "gramatyka/analiza.h"
#include "gramatyka/nazwy_projektu.h"
#include "wspolne/plik_wy.h"

namespace bryzas_analiza {

class Strona_Html {
public:
  // `epoka` is the instant the page is dated with, the clock without one.
  Strona_Html(const Analiza& a, const bryzas::Nazwy_Projektu& n, const std::optional<long long>& epoka);
  // The diagrams hold the marks by reference.
  Strona_Html(const Strona_Html&) = delete;
  Strona_Html& operator=(const Strona_Html&) = delete;

  // Writes P.html; a file that cannot be written throws Blad_Pliku.
  void pisz() const;

private:
  // A message, the production it is written under (-1: none) and the ids
  // of the parts it marks.
  struct Wpis {
    Komunikat k;
    bool tokenow = false;
    int produkcja = -1;
    std::vector<std::string> cele;
  };

  void zbierz(const Ciag& c, int produkcja);
  void oznacz(Wpis& w);
  int produkcja_miejsca(Pozycja p) const;
  void naglowek(wspolne::Plik_Wy& wy) const;
  void produkcja(wspolne::Plik_Wy& wy, std::size_t i) const;
  void komunikaty(wspolne::Plik_Wy& wy, int produkcja) const;
  std::string linia(const Wpis& w, bool uwaga) const;

  const Analiza& a_;
  const bryzas::Nazwy_Projektu& n_;
  std::string data_;
  Oznaczenia oznaczenia_;
  std::optional<Diagram_Svg> svg_;  // of a grammar read whole
  std::vector<Wpis> wpisy_;
  std::vector<std::optional<Waga>> naglowki_;  // the weight of each production's heading
  std::vector<int> produkcja_dla_;
  std::unordered_map<const Element*, int> produkcja_elementu_;
  std::map<Pozycja, const Element*> symbole_;
};

}  // namespace bryzas_analiza
