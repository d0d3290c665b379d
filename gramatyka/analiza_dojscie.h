// Whether a suspected choice can go wrong in a derivation that keeps off
// some nonterminals: the sets of the grammar whose derivations are only
// those that use none of them, and derive a string of terminals.
#pragma once

#include <cstddef>
#include <map>
#include <memory>
#include <vector>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

// A way a sentence can go at a suspected choice where the parser goes
// another: through the group's sequence that begins at `ciag`, with its
// symbols from `od` on (those before vanishing) up to `do_` (not
// included), and, where these vanish too, what follows the group when `za`.
// With `tylko_za` the group is passed by and only what follows it counts.
struct Strona {
  Pozycja ciag;
  std::size_t od = 0;
  static constexpr std::size_t do_konca = static_cast<std::size_t>(-1);
  std::size_t do_ = do_konca;
  bool za = false;
  bool tylko_za = false;
};

class analiza_dojscie {
public:
  // What each nonterminal counts as.
  enum class Stan : unsigned char {
    zwykly,       // derives what its production derives
    wykluczony,   // derives nothing
    zalozony,     // derives something: what its production derives, or
                  // without one, strings beginning as its FIRST line says
  };

  analiza_dojscie(const Gramatyka& g, std::vector<Stan> stan);

  // Whether some derivation from the start symbol goes that way with one
  // of the tokens next.
  bool dochodzi(const Strona& s, const Zbior& tokeny) const;
  bool zywy(int nieterminal) const { return zywy_[idx(nieterminal)]; }

private:
  struct Miejsce {
    std::size_t produkcja, element, galaz;
  };

  static std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }
  bool wyprowadza(const Symbol& s) const;
  bool wyprowadza(const std::vector<Symbol>& ciag) const;
  bool wyprowadza(const Element& e) const;
  Zbior first_ciagu(const std::vector<Symbol>& ciag, std::size_t od, std::size_t do_, bool& pusty) const;
  Zbior first_elementu(const Element& e, bool& pusty) const;
  Zbior za_elementem(const Produkcja& p, std::size_t i) const;
  void licz_wyprowadzalne();
  void licz_first();
  void licz_zywe();
  void licz_follow();

  const Gramatyka& g_;
  std::vector<Stan> stan_;
  std::vector<int> produkcja_dla_;
  std::vector<bool> wyprowadza_;  // derives a string of terminals
  std::vector<bool> pusty_;
  std::vector<Zbior> first_;
  std::vector<bool> zywy_;        // in some derivation of a sentence
  std::vector<Zbior> follow_;
  std::map<Pozycja, Miejsce> ciagi_;  // by their first symbol
};

// The faulty nonterminals of a grammar (by nonterminal, true for those
// whose derivations are kept off) against the suspected choices.
class analiza_wad {
public:
  analiza_wad(const Gramatyka& g, std::vector<bool> wadliwe);

  // Whether the choice can go wrong once every fault is mended, and whether
  // it can in a derivation that keeps off every faulty nonterminal.
  bool mozliwe(const std::vector<Strona>& strony, const Zbior& tokeny) const;
  bool bez_wad(const std::vector<Strona>& strony, const Zbior& tokeny) const;
  // The faulty nonterminals that a derivation from the start symbol can
  // meet, in order of number.
  const std::vector<int>& spotykane() const { return spotykane_; }
  // Those of them that every derivation in which the choice goes wrong
  // passes through, the rest mended.
  std::vector<int> konieczne(const std::vector<Strona>& strony, const Zbior& tokeny);

private:
  static bool dochodzi(const analiza_dojscie& a, const std::vector<Strona>& strony, const Zbior& tokeny);

  const Gramatyka& g_;
  std::vector<bool> wadliwe_;
  analiza_dojscie naprawiona_;
  analiza_dojscie bez_wad_;
  std::vector<int> spotykane_;
  // By the faulty nonterminals met: the grammar mended but for that one,
  // built when first needed.
  std::vector<std::unique_ptr<analiza_dojscie>> bez_jednego_;
};

}  // namespace bryzas_analiza
