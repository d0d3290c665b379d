// Whether a suspected choice can go wrong in a derivation that keeps off
// some nonterminals: the sets of the grammar taken over only those
// derivations that use none of them and derive a string of terminals.
#pragma once

#include <cstddef>
#include <memory>
#include <vector>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

// A way a sentence can go at a suspected choice where the parser goes
// another: through the branch `galaz`, with its elements from `od` on
// (those before vanishing) up to `do_` (not included), and, where these
// vanish too, what follows the group when `za`. With `tylko_za` the group
// is passed by and only what follows it counts.
struct Strona {
  Galaz galaz;
  std::size_t od = 0;
  static constexpr std::size_t do_konca = static_cast<std::size_t>(-1);
  std::size_t do_ = do_konca;
  bool za = false;
  bool tylko_za = false;
};

// Whether some derivation that the sets take goes that way with one of the
// tokens next.
bool dochodzi(const Analiza_Zbiory& z, const Strona& s, const Zbior& tokeny);

// The faulty nonterminals of a grammar (by nonterminal, true for those
// whose derivations are kept off) against the suspected choices.
class Analiza_Wad {
public:
  Analiza_Wad(const Gramatyka& g, std::vector<bool> wadliwe);

  // Whether the choice can go wrong once every fault is mended, and whether
  // it can in a derivation that keeps off every faulty nonterminal.
  bool mozliwe(const std::vector<Strona>& strony, const Zbior& tokeny) const;
  bool bez_wad(const std::vector<Strona>& strony, const Zbior& tokeny) const;
  // The faulty nonterminals that a derivation from the start symbol can
  // meet, in order of number.
  const std::vector<int>& spotykane() const { return spotykane_; }
  // Those of them that every derivation in which the choice goes wrong
  // passes through, the rest mended; none when more than max_bez_jednego
  // can be met, which would cost the sets of the grammar as many times.
  static constexpr std::size_t max_bez_jednego = 64;
  std::vector<int> konieczne(const std::vector<Strona>& strony, const Zbior& tokeny);

private:
  static bool dochodzi(const Analiza_Zbiory& z, const std::vector<Strona>& strony, const Zbior& tokeny);

  const Gramatyka& g_;
  std::vector<bool> wadliwe_;
  Analiza_Zbiory naprawiona_;
  Analiza_Zbiory bez_wad_;
  std::vector<int> spotykane_;
  // By the faulty nonterminals met: the grammar mended but for that one,
  // built when first needed.
  std::vector<std::unique_ptr<Analiza_Zbiory>> bez_jednego_;
};

}  // namespace bryzas_analiza
