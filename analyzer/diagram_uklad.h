// Railroad diagrams laid out without a browser: boxes, marks, sequences and
// groups placed on a plane, joined by lines, in pure geometry. Labels are
// measured in a fixed-width font (characters times the advance), so the
// picture needs nothing of the page it stands in; a sequence wider than it
// may be wraps into rows, the line turning back beneath each row.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bryzas_analiza::diagram {

// Measures of the picture, in pixels. The label font is a monospace one of
// rozmiar_czcionki, whose advance is at most znak.
inline constexpr double rozmiar_czcionki = 14;
inline constexpr double znak = 8.5;
inline constexpr double wys_pudelka = 26;
inline constexpr double margines_tekstu = 10;  // on each side of a label
inline constexpr double odstep = 20;           // the line between two neighbours of a row
inline constexpr double luk = 10;              // a rail's distance from what it passes
inline constexpr double przerwa = 10;          // between branches, rows and rails
inline constexpr double znacznik = 10;         // the size of a mark
inline constexpr std::size_t max_znakow = 40;  // a longer label is shortened

enum class Rodzaj { terminal, nieterminal, znacznik, poczatek, koniec, ciag, alternatywa, opcja, powtorzenie };

// What to draw: a box with its label, a mark, the start or end of the
// diagram, a sequence of others, or a group of branches (each a sequence).
// `id` is the caller's, handed on to the block that draws the node.
struct Wezel {
  Rodzaj rodzaj = Rodzaj::ciag;
  std::string tekst;           // a box's label, UTF-8
  std::vector<Wezel> dzieci;   // a sequence's elements, a group's branches
  int id = -1;
};

struct Punkt {
  double x = 0;
  double y = 0;
};
using Linia = std::vector<Punkt>;  // a polyline

// A node laid out: its extent, the height of the line where it enters at its
// left edge and leaves at its right edge, its own lines and the blocks within
// it, all in the coordinates of the picture. A branch's lines join it to the
// rails of its group, outside its extent.
struct Blok {
  Rodzaj rodzaj = Rodzaj::ciag;
  int id = -1;
  double x = 0;
  double y = 0;
  double szer = 0;
  double wys = 0;
  double os_we = 0;
  double os_wy = 0;
  std::string tekst;  // a box's label as drawn
  bool skrocony = false;
  std::vector<Linia> linie;
  std::vector<Blok> dzieci;

  void przesun(double dx, double dy);
};

// The node laid out from (0, 0), as narrow as `szerokosc` allows: wider
// only where a box with its groups around it cannot fit.
Blok uloz(const Wezel& w, double szerokosc);

// The characters of a UTF-8 text: its width in advances.
std::size_t znaki(const std::string& tekst);

}  // namespace bryzas_analiza::diagram
