// What the road of the extended notation writes, decided once from the
// analysis, before the first file is written; the writers only read it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/skaner.h"
#include "gramatyka/analiza.h"

namespace bryzas::rozszerzona {

struct Plan {
  Plan(const bryzas_analiza::Gramatyka& gramatyka, const bryzas_analiza::Analiza_Zbiory& z,
       const bryzas_analiza::Analiza_Decyzje& d)
      : g(gramatyka), zbiory(z), decyzje(d) {}

  const bryzas_analiza::Gramatyka& g;
  const bryzas_analiza::Analiza_Zbiory& zbiory;
  const bryzas_analiza::Analiza_Decyzje& decyzje;
  // The end token: P.tok's, or without P.tok the grammar's; empty when
  // there is none (then Skanuj gives Pusty at the end and nothing checks
  // that the input ends after the start symbol).
  std::string koniec;
  // The token kinds of P_Skan, in order: the grammar's terminals, then the
  // end token when the productions do not name it.
  std::vector<std::string> rodzaje_tokenow;
  // How a message spells each terminal of the grammar, by number, and
  // where each stands among the tokens a message lists.
  std::vector<std::string> pisownia;
  std::vector<int> kolejnosc;
  // The parser goes on after a syntax error.
  bool odtwarzanie = false;
  // P.adb: the start symbol has no parameters, so a main procedure can
  // call Parsuj, and no file of that name is there. P.gpr: when absent.
  bool pisz_main = false;
  bool pisz_projekt = false;
  // Of a grammar with P.tok: the scanner written from it.
  std::optional<Plan_Skanera> skaner;
  // For each nonterminal: every call of it stands in a branch of a choice,
  // so its procedure is kept out of line (taken into its caller, it would
  // make the caller's other branches pay for its registers); the others
  // GCC may take into their callers.
  std::vector<bool> osobno;

  bool z_tokenami() const { return skaner.has_value(); }
  // The token is built in place, in P_Skan.Biezacy, which the parser's Tok renames.
  bool token_w_miejscu() const { return skaner && skaner->token_w_miejscu; }
  bool wart_czytany() const { return !skaner || skaner->wart_czytany; }
};

// The plan of a grammar that the analysis found without an error.
Plan zaplanuj(const Bryzas_Pak& pak, const bryzas_analiza::Analiza& analiza);

}  // namespace bryzas::rozszerzona
