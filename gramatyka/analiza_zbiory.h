// Nullable, FIRST and FOLLOW sets of a grammar, computed from its productions
// alone; the FIRST section plays no part here.
#pragma once

#include <cstddef>
#include <vector>

#include "gramatyka/analiza_model.h"

namespace bryzas_analiza {

// Terminals by number, and the end of input as a member of its own.
class Zbior {
public:
  // Each returns true when the set grew.
  bool dodaj(int terminal);
  bool dodaj_koniec();
  bool dodaj(const Zbior& z);

  bool zawiera(int terminal) const;
  bool ma_koniec() const { return koniec_; }
  bool pusty() const;
  Zbior przeciecie(const Zbior& z) const;
  Zbior bez(const Zbior& z) const;
  // The terminals in increasing number, that is in order of first appearance.
  std::vector<int> terminale() const;

private:
  std::vector<bool> t_;
  bool koniec_ = false;
};

class analiza_zbiory {
public:
  explicit analiza_zbiory(const Gramatyka& g);

  bool pusty(int nieterminal) const { return pusty_[idx(nieterminal)]; }
  const Zbior& first(int nieterminal) const { return first_[idx(nieterminal)]; }
  const Zbior& follow(int nieterminal) const { return follow_[idx(nieterminal)]; }

  // FIRST of the symbols s[od..]; `pusty` tells whether they can all vanish.
  Zbior first_ciagu(const std::vector<Symbol>& s, std::size_t od, bool& pusty) const;
  // FIRST of the elements v[od..], with the same flag.
  Zbior first_elementow(const std::vector<Element>& v, std::size_t od, bool& pusty) const;
  // Every token that may come right after element i of production p, the
  // end of input included.
  Zbior za_elementem(const Produkcja& p, std::size_t i) const;

private:
  static std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }
  Zbior first_symbolu(const Symbol& s, bool& pusty) const;
  Zbior first_elementu(const Element& e, bool& pusty) const;
  void licz_first();
  void licz_follow();
  bool rozszerz_follow(int nieterminal, const Zbior& z);

  const Gramatyka& g_;
  std::vector<bool> pusty_;
  std::vector<Zbior> first_;
  std::vector<Zbior> follow_;
};

}  // namespace bryzas_analiza
