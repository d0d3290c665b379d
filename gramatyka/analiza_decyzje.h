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

  // With recovery, of a repetition of one branch that begins with a
  // terminal, a separator ({ ',' "Wartosc" }): the tokens on which it goes
  // round once more without the separator, those that can follow the
  // separator but neither start nor follow the repetition; the separator
  // is then reported missing and the parse goes on at once.
  Zbior brak_separatora;

  // The tokens on which an option is entered or a repetition goes round
  // once more: those that take some branch.
  Zbior wejscie() const;
};

// What can follow a place of a production: the tokens the rest of the
// production can begin with and, when the rest can vanish, what the
// production's callers go on with.
struct Reszta {
  Zbior tokeny;
  bool wywolujacy = false;
};

class Analiza_Decyzje {
public:
  Analiza_Decyzje(const Gramatyka& g, const Analiza_Zbiory& zbiory);

  // Of a group of one of the grammar's productions.
  const Decyzja_Grupy& grupy(const Element& grupa) const { return decyzje_.at(&grupa); }
  // The union of the nonterminal's FIRST lines.
  const Zbior& deklarowany(int nieterminal) const { return deklarowany_[static_cast<std::size_t>(nieterminal)]; }

  // What follows element i of c when c is followed by za; what follows the
  // branches of a group followed by za (a repetition's its round once more).
  Reszta reszta(const Ciag& c, std::size_t i, const Reszta& za) const;
  Reszta wnetrze(const Element& grupa, const Reszta& za) const;
  // With recovery: whether the nonterminal's procedure is handed what its
  // callers go on with exactly, for the message of a separator missing
  // where it can end after the repetition (or of one it calls so).
  bool z_oczekiwanymi_potem(int nieterminal) const {
    return z_oczekiwanymi_potem_[static_cast<std::size_t>(nieterminal)];
  }

private:
  void zbierz(const Ciag& c);
  Zbior brak_separatora(const Element& grupa, const Decyzja_Grupy& d) const;
  void oczekiwane_potem();
  // The set a branch is tested on, in today's notation and in the extended.
  Zbior test(const Ciag& galaz) const;
  Zbior przewidywane(const Element& grupa, const Ciag& galaz, const Decyzja_Grupy& d) const;

  const Gramatyka& g_;
  const Analiza_Zbiory& zbiory_;
  std::vector<Zbior> deklarowany_;
  std::unordered_map<const Element*, Decyzja_Grupy> decyzje_;
  std::vector<bool> z_oczekiwanymi_potem_;
};

}  // namespace bryzas_analiza
