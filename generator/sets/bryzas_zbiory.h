// Sets of token kinds for the generator's own parser: the FIRST set of each
// rule of the grammar notation, asked whether the current token may begin it.
#pragma once

#include <array>
#include <cstddef>

#include "gramatyka/bryzas_skan.h"

namespace bryzas {

// One flag per token kind, indexed by the kind's position; a plain value that
// starts empty.
struct Zbior_Tok {
  std::array<bool, liczba_kodow> element{};

  friend constexpr bool operator==(const Zbior_Tok&, const Zbior_Tok&) = default;
};

constexpr std::size_t pozycja(Token_Kod kod) { return static_cast<std::size_t>(kod); }

// A copy of the set with the kind added.
constexpr Zbior_Tok operator+(Zbior_Tok zbior, Token_Kod kod) {
  zbior.element[pozycja(kod)] = true;
  return zbior;
}

// The union of two sets.
constexpr Zbior_Tok operator+(const Zbior_Tok& a, const Zbior_Tok& b) {
  Zbior_Tok wynik;
  for (std::size_t i = 0; i < wynik.element.size(); ++i) wynik.element[i] = a.element[i] || b.element[i];
  return wynik;
}

// Membership; the kind comes first, as in the generated sets packages.
constexpr bool Zawiera_Sie(Token_Kod kod, const Zbior_Tok& zbior) { return zbior.element[pozycja(kod)]; }

constexpr void Zeruj(Zbior_Tok& zbior) { zbior.element.fill(false); }

}  // namespace bryzas
