// The proof of a suspected wrong choice: the shortest sentence of the
// language (derived from the start symbol) that the parser as bryzas
// generates it, deciding its groups as Analiza_Decyzje says, does not parse
// whole, made while the parser decides the suspected choice on the
// suspected token.
// Sentences are searched up to max_dlugosc tokens and at most
// max_krokow steps of their construction; a search that stops at that bound
// says so. Some nonterminals can be kept out: the sentences are then those
// whose derivations use none of them, and a run of the parser that calls
// one proves nothing, since what it does there is not what it will do once
// the grammar is mended.
#pragma once

#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "gramatyka/analiza_decyzje.h"
#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

// A choice the analysis suspects: the branches whose test goes wrong on one
// of the tokens, by taking the branch (wziete) or by passing it by.
struct Podejrzenie {
  std::vector<Galaz> ciagi;
  Zbior tokeny;
  bool wziete = true;
};

// How the generated parser ends on a sentence.
enum class Koniec {
  caly,          // parsed whole
  odrzucone,     // a syntax error on token `gdzie` (or at the end of input)
  przed_koncem,  // Parsuj's start symbol ended before token `gdzie`
  nieznany,      // it would not end (recursion or a loop without progress)
};

struct Kontrprzyklad {
  bool znaleziony = false;
  std::vector<int> zdanie;  // terminal numbers
  Koniec koniec = Koniec::caly;
  std::size_t gdzie = 0;
  // Without a proof: the shortest sentence on which the parser made the
  // choice and then called the kept-out nonterminal `wykluczony`, or -1.
  int wykluczony = -1;
};

class Analiza_Zdania {
public:
  static constexpr std::size_t max_dlugosc = 6;
  static constexpr long max_krokow = 400000;

  // wykluczone, by nonterminal: those kept out (may be empty). The parser
  // decides its groups as `decyzje` says.
  Analiza_Zdania(const Gramatyka& g, const Analiza_Decyzje& decyzje, std::vector<bool> wykluczone);

  // One answer per suspicion, in their order.
  std::vector<Kontrprzyklad> szukaj(const std::vector<Podejrzenie>& podejrzenia);
  // After szukaj: whether the sentences up to max_dlugosc were all tried.
  bool wszystkie() const { return !obciete_; }

private:
  using Zdania = std::vector<std::set<std::vector<int>>>;  // by length

  struct Decyzja {
    Galaz ciag;
    int token;  // -1 for the end of input
    bool wziete;
  };
  struct Przebieg {
    Koniec koniec = Koniec::caly;
    std::size_t gdzie = 0;
    std::vector<Decyzja> decyzje;
    int wykluczony = -1;  // the kept-out nonterminal it called
  };

  // The sentences.
  void licz_zdania();
  Zdania zdania_elementu(const Element& e);
  Zdania zdania_ciagu(const Ciag& ciag);
  Zdania zdania_galezi(const Element& e);
  Zdania zdania_symbolu(const Symbol& s);
  Zdania polacz(const Zdania& a, const Zdania& b);
  // What bounds the sentences each nonterminal needs.
  static constexpr std::size_t bez_konca = static_cast<std::size_t>(-1);
  void licz_odleglosci();
  std::size_t najkrotsze(const Element& e) const;
  std::size_t najkrotsze(const Ciag& c) const;
  bool otocz(const Ciag& c, std::size_t wokol);

  // The generated parser.
  Przebieg przebieg(const std::vector<int>& zdanie);
  void wywolaj(int nieterminal, int glebokosc);
  void ciag(const Ciag& c, int glebokosc);
  void element(const Element& e, int glebokosc);
  void symbol(const Symbol& s, int glebokosc);
  // The branch the parser takes at the group, testing them in order, or
  // none; records each test.
  std::optional<std::size_t> wybor(const Element& grupa);
  int tok() const;
  bool pasuje(const Przebieg& p, const Podejrzenie& s) const;

  const Gramatyka& g_;
  const Analiza_Decyzje& decyzje_;
  std::vector<int> produkcja_dla_;
  std::vector<bool> wykluczone_;
  std::vector<Zdania> zdania_;  // by nonterminal
  std::size_t granica_ = 0;  // the length the sentences are built to
  std::size_t limit_ = 0;    // that of the production under way
  // By nonterminal: the fewest tokens of its sentences, and the fewest that
  // stand around it in a sentence of the start symbol (bez_konca for none).
  std::vector<std::size_t> najkrotsze_;
  std::vector<std::size_t> otoczenie_;
  long kroki_ = 0;            // of all lengths together
  bool obciete_ = false;

  // The run under way.
  const std::vector<int>* wejscie_ = nullptr;
  std::size_t poz_ = 0;
  Przebieg* p_ = nullptr;
};

}  // namespace bryzas_analiza
