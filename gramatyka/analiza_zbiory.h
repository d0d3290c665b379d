// Nullable, FIRST and FOLLOW sets of a grammar, computed from its productions
// alone (the FIRST section plays no part here), and what may follow each
// element of a right side, groups at any depth included. Taken over the
// grammar as written, or over the derivations that keep off some
// nonterminals, for the proofs of the counterexample search.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "gramatyka/analiza_model.h"

namespace bryzas_analiza {

// Terminals by number, and the end of input as a member of its own. The
// terminals are bits of 64-bit words; a set of one word keeps it in place,
// a larger one keeps blocks of 4096 terminals, from the block of its
// smallest member to that of its largest, so that a small set costs little
// however many terminals the grammar has, and a union or an intersection
// of large ones goes 64 terminals a step. Copies share their blocks until
// one of them changes one, and a union takes the blocks the other set has
// and this one lacks as they are: the sets of what follows, large on long
// chains of productions and each the one before with a terminal more, then
// hold most of their blocks once.
class Zbior {
public:
  // Each returns true when the set grew.
  bool dodaj(int terminal);
  bool dodaj_koniec();
  bool dodaj(const Zbior& z);

  bool zawiera(int terminal) const;
  bool ma_koniec() const { return koniec_; }
  bool pusty() const { return !koniec_ && jedno_ == 0 && bloki_.empty(); }
  // Whether the two sets share a member.
  bool przecina(const Zbior& z) const;
  Zbior przeciecie(const Zbior& z) const;
  Zbior bez(const Zbior& z) const;
  // The terminals in increasing number, that is in order of first appearance.
  std::vector<int> terminale() const;

private:
  using Slowo = std::uint64_t;
  static constexpr std::size_t bity = 64;
  static constexpr std::size_t slow_w_bloku = 64;
  using Blok = std::array<Slowo, slow_w_bloku>;

  // The word of number nr, 0 where none is kept.
  Slowo slowo(std::size_t nr) const;
  // Calls f(nr, word) on every word that is not 0, in increasing number,
  // while f returns true.
  template <class F>
  void dla_slow(F f) const;
  // Adds the bits of word nr.
  void dodaj_slowo(std::size_t nr, Slowo s);
  // Moves the word kept in place into its block.
  void do_blokow();
  // Makes the blocks kept cover od..do_ (not included).
  void obejmij(std::size_t od, std::size_t do_);
  // The words of block b to change: this set's own, copied first when
  // shared, made when there is none.
  Blok& blok(std::size_t b);

  // Without blocks, the one word kept in place: its number, and it (0 for
  // no terminal).
  std::size_t nr_jednego_ = 0;
  Slowo jedno_ = 0;
  std::size_t od_ = 0;  // the number of the first block kept
  // None, or from a block that is kept to one that is kept; those between
  // may be none (null).
  std::vector<std::shared_ptr<Blok>> bloki_;
  bool koniec_ = false;
};

class Analiza_Zbiory {
public:
  // What a nonterminal counts as in the derivations taken.
  enum class Stan : unsigned char {
    zwykly,       // derives what its production derives
    wykluczony,   // derives nothing
    zalozony,     // derives something: what its production derives, or
                  // without one, strings beginning as its FIRST line says
  };

  // The grammar as written: every production counts, whether it can be
  // reached and derive a string of terminals or not.
  explicit Analiza_Zbiory(const Gramatyka& g);
  // Only what derivations of strings of terminals from the start symbol can
  // use, each nonterminal counting as `stan` says: a name that derives
  // nothing adds nothing and ends its sequence, a branch that holds one is
  // left out.
  Analiza_Zbiory(const Gramatyka& g, std::vector<Stan> stan);

  bool pusty(int nieterminal) const { return pusty_[idx(nieterminal)]; }
  const Zbior& first(int nieterminal) const { return first_[idx(nieterminal)]; }
  const Zbior& follow(int nieterminal) const { return follow_[idx(nieterminal)]; }
  // Whether the nonterminal stands in some derivation (as written: each).
  bool zywy(int nieterminal) const { return zywy_[idx(nieterminal)]; }
  bool wyprowadza(const Ciag& ciag) const;

  // FIRST of the elements c[od..do_) (to the end without do_); `pusty` tells
  // whether they can all vanish.
  Zbior first_ciagu(const Ciag& c, std::size_t od, bool& pusty) const { return first_ciagu(c, od, c.size(), pusty); }
  Zbior first_ciagu(const Ciag& c, std::size_t od, std::size_t do_, bool& pusty) const;
  Zbior first_elementu(const Element& e, bool& pusty) const;
  // Whether the group (of a production of the grammar) stands in some
  // derivation, and then every token that may come right after it, the end
  // of input included: its FOLLOW.
  bool w_wyprowadzeniach(const Element& e) const { return za_.contains(&e); }
  const Zbior& za(const Element& e) const { return za_.at(&e); }

private:
  Analiza_Zbiory(const Gramatyka& g, std::vector<Stan> stan, bool jak_napisana);
  static std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }
  bool wyprowadza(const Symbol& s) const { return s.terminal || wyprowadza_[idx(s.nr)]; }
  bool wyprowadza(const Element& e) const;
  Zbior first_symbolu(const Symbol& s, bool& pusty) const;
  void licz_wyprowadzalne();
  void licz_first();
  void licz_zywe();
  void licz_follow();
  bool przejdz(const Ciag& c, const Zbior& za_ciagiem, const Zbior& dodatek);

  const Gramatyka& g_;
  std::vector<Stan> stan_;
  std::vector<bool> wyprowadza_;  // derives a string of terminals
  std::vector<bool> pusty_;
  std::vector<Zbior> first_;
  std::vector<bool> zywy_;
  std::vector<Zbior> follow_;
  std::unordered_map<const Element*, Zbior> za_;  // by group
};

}  // namespace bryzas_analiza
