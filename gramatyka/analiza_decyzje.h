// How the generated parser decides each group: every branch has a set of
// tokens it is tested on, the branches in order, and the first whose set
// holds the current token is taken; an option or a repetition that none
// takes is passed by, an alternative rejects the token.
// In today's notation a branch is tested on its first symbol: its terminal,
// or the FIRST line declared for its first nonterminal (a group there, which
// that notation cannot write, on its computed FIRST). In the extended one on
// its predict set: its FIRST, and in an alternative, when the branch can
// derive the empty text, also what follows the group; so an option is
// entered and a repetition goes round once more on the FIRST of what it
// holds.
#pragma once

#include <unordered_map>
#include <vector>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

struct Decyzja_Grupy {
  Zbior za;                         // FOLLOW of the group
  bool pusta = false;               // the group can derive the empty text
  std::vector<bool> puste;          // each branch can
  std::vector<Zbior> przewidywane;  // the set each branch is tested on
  // The tokens that take each branch: those of its set that no earlier
  // branch's set holds, so that no two share one.
  std::vector<Zbior> wybierane;

  // The tokens on which an option is entered or a repetition goes round
  // once more: those that take some branch.
  Zbior wejscie() const;
};

class analiza_decyzje {
public:
  analiza_decyzje(const Gramatyka& g, const analiza_zbiory& zbiory);

  // Of a group of one of the grammar's productions.
  const Decyzja_Grupy& grupy(const Element& grupa) const { return decyzje_.at(&grupa); }
  // The union of the nonterminal's FIRST lines.
  const Zbior& deklarowany(int nieterminal) const { return deklarowany_[static_cast<std::size_t>(nieterminal)]; }

private:
  void zbierz(const Ciag& c);
  // The set a branch is tested on, in today's notation and in the extended.
  Zbior test(const Ciag& galaz) const;
  Zbior przewidywane(const Element& grupa, const Ciag& galaz, const Decyzja_Grupy& d) const;

  const Gramatyka& g_;
  const analiza_zbiory& zbiory_;
  std::vector<Zbior> deklarowany_;
  std::unordered_map<const Element*, Decyzja_Grupy> decyzje_;
};

}  // namespace bryzas_analiza
