// The deterministic automaton of a token file's patterns: built from their
// nondeterministic one by subsets, trimmed of the states from which no
// pattern can end, its characters grouped into classes with equal columns.
#pragma once

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gramatyka/bryzas_tok.h"

namespace bryzas {

// One pattern to recognise; of two that end together the one with the
// smaller priority wins, then the one given first.
struct Wzorzec {
  const Wzor* wzor;
  bool bez_wielkosci;  // letters match in either case
  int priorytet;
};

// How far the automaton may grow: by fixed limits, or by limits that grow
// with the number of patterns (for a token file of thousands of keywords),
// which keep the construction's time and memory linear in the patterns
// whatever they are.
enum class Granice_Automatu { stale, rosnace };

class Automat_Tokenow {
public:
  // Fixed limits that keep a run on any token file short.
  static constexpr std::size_t max_stanow_nka = 200000;
  static constexpr std::size_t max_stanow = 4000;
  // Growing ones: the nondeterministic automaton may have this many more
  // states for each pattern; the deterministic one max_stanow more than the
  // nondeterministic one has, and its states together may hold
  // praca_na_stan times that many states of the other (a keyword's states
  // are each in one of them, a name rule's in many).
  static constexpr std::size_t stanow_nka_na_wzorzec = 64;
  static constexpr std::size_t praca_na_stan = 16;

  // nullopt when the automaton would exceed its limits.
  static std::optional<Automat_Tokenow> zbuduj(const std::vector<Wzorzec>& wzorce,
                                               Granice_Automatu granice = Granice_Automatu::stale);

  // States 1..licz_stanow(), 1 the start; 0 is the dead state.
  int licz_stanow() const { return static_cast<int>(wygrany_.size()) - 1; }
  int przejscie(int stan, unsigned char c) const {
    return stan == 0 ? 0 : tablica_[static_cast<std::size_t>(stan) * static_cast<std::size_t>(licz_klas_) +
                                    static_cast<std::size_t>(klasy_[c])];
  }
  // The pattern that a match ending in the state gives, or -1.
  int wygrany(int stan) const { return wygrany_[static_cast<std::size_t>(stan)]; }
  // Every pattern that can end in the state, in the order given.
  const std::vector<int>& konczace(int stan) const { return konczace_[static_cast<std::size_t>(stan)]; }
  // The state after the whole text from the start, 0 when it dies.
  int przebieg(std::string_view tekst) const;
  // A shortest text that leads from the start into each state, made of
  // printable characters where it can be.
  std::vector<std::string> najkrotsze() const;

  // Characters whose columns are equal share a class, numbered from 0 by
  // their first character.
  const std::vector<int>& klasy() const { return klasy_; }
  int licz_klas() const { return licz_klas_; }

private:
  std::vector<int> tablica_;  // [stan * licz_klas_ + klasa]; row 0 unused
  std::vector<int> wygrany_;
  std::vector<std::vector<int>> konczace_;
  std::vector<int> klasy_;
  int licz_klas_ = 0;
};

// The patterns of a generated scanner: the characters it skips, the
// openers of its comments and the tokens it gives, in this order of
// priority: skips and comments first, then keywords, then the rest.
struct Wzorce_Skanera {
  enum class Rodzaj { pomin, komentarz, token };
  struct Cel {
    Rodzaj rodzaj;
    int nr;  // the comment's index, or the token's in the list given
  };
  std::deque<Wzor> wlasne;  // the patterns made here (stable addresses)
  std::vector<Wzorzec> wzorce;
  std::vector<Cel> cele;
};

Wzorce_Skanera wzorce_skanera(const Opis_Tokenow& opis, const std::vector<const Definicja_Tokenu*>& tokeny);

// The scanner of one grammar: the definitions of the terminals that the
// grammar uses, in the order of the file, their patterns and the automaton;
// or, when the automaton would be too big, error 66 at the first definition
// that makes it so.
struct Skaner_Tokenow {
  std::vector<const Definicja_Tokenu*> tokeny;
  Wzorce_Skanera wzorce;
  std::optional<Automat_Tokenow> automat;
  std::optional<Blad_Tokenow> blad;
};

// Builds the patterns and the automaton of s.tokeny, or the error.
void zbuduj_automat(const Opis_Tokenow& opis, Skaner_Tokenow& s, Granice_Automatu granice);

template <class Uzywa>
Skaner_Tokenow zbuduj_skaner(const Opis_Tokenow& opis, Uzywa uzywa_terminala,
                             Granice_Automatu granice = Granice_Automatu::stale) {
  Skaner_Tokenow s;
  for (const Definicja_Tokenu& d : opis.tokeny)
    if (uzywa_terminala(d.nazwa)) s.tokeny.push_back(&d);
  zbuduj_automat(opis, s, granice);
  return s;
}

}  // namespace bryzas
