// The railroad diagram of a production as inline SVG: terminals in rounded
// boxes spelt as the messages spell them, nonterminals in square ones that
// link to their own diagrams, groups between rails, inserts and parameters
// as marks whose text shows on hover, and so does the set each branch is
// chosen on. The parts that messages blame carry their weight as a class.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "analyzer/diagram_uklad.h"
#include "gramatyka/analiza.h"
#include "wspolne/plik_wy.h"

namespace bryzas_analiza {

// The weights that messages give to the parts of the diagrams they concern:
// a group as a whole or a symbol, and a branch of a group. An error outweighs
// a warning.
struct Oznaczenia {
  std::unordered_map<const Element*, Waga> elementy;
  std::map<std::pair<const Element*, std::size_t>, Waga> galezie;

  void dodaj(const Element* e, Waga w) { podnies(elementy.try_emplace(e, w).first->second, w); }
  void dodaj(const Element* e, std::size_t galaz, Waga w) {
    podnies(galezie.try_emplace({e, galaz}, w).first->second, w);
  }

private:
  static void podnies(Waga& jest, Waga w) { jest = w == Waga::blad ? w : jest; }
};

class Diagram_Svg {
public:
  // Of a grammar read whole. Every element of it gets a number, in the
  // order of the productions, for ids that no other part of a page shares.
  Diagram_Svg(const Analiza& a, const Oznaczenia& o);

  // The id of an element's part of the picture, and of a branch's.
  std::string id(const Element& e) const;
  std::string id(const Element& e, std::size_t galaz) const;
  // The set as the page writes it: terminals spelt, the end of input in words.
  std::string zbior(const Zbior& z) const;

  void pisz(wspolne::Plik_Wy& wy, const Produkcja& p) const;

private:
  // What a node of the layout draws.
  struct Opis {
    enum class Co { inne, symbol, grupa, galaz, znacznik };
    Co co = Co::inne;
    const Element* e = nullptr;
    std::size_t galaz = 0;
    std::string tytul;  // what shows on hover
  };

  void numeruj(const Ciag& c, int& nr);
  void elementy(const Ciag& c, diagram::Wezel& w, std::vector<Opis>& opisy) const;
  static void znacznik(diagram::Wezel& w, std::vector<Opis>& opisy, std::string tytul);
  void blok(wspolne::Plik_Wy& wy, const diagram::Blok& b, const std::vector<Opis>& opisy) const;
  void pudelko(wspolne::Plik_Wy& wy, const diagram::Blok& b, const Opis& o) const;
  std::string tytul_grupy(const Element& e) const;
  std::string tytul_galezi(const Element& e, std::size_t k) const;
  std::string klasa(const Opis& o) const;

  const Analiza& a_;
  const Oznaczenia& o_;
  std::unordered_map<const Element*, int> numery_;
  std::vector<int> produkcja_dla_;
  std::vector<std::string> pisownie_;  // of each terminal, in UTF-8
};

}  // namespace bryzas_analiza
