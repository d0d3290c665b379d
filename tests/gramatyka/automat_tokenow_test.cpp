// The fixed limit of the token automaton, to the state: a keyword of n
// characters needs n + 1 states and the dead one, so 3998 characters are the
// most that fit in 4000, and one more gives no automaton (error 66).
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "gramatyka/bryzas_tok_automat.h"

namespace {

using bryzas::Automat_Tokenow;
using bryzas::Wzor;

Wzor slowo(std::size_t dlugosc) {
  Wzor w;
  for (std::size_t i = 0; i < dlugosc; ++i) {
    Wzor znak;
    znak.rodzaj = Wzor::Rodzaj::znak;
    znak.znaki.set(static_cast<unsigned char>('a' + i % 26));
    w.czesci.push_back(znak);
  }
  return w;
}

std::string tekst(std::size_t dlugosc) {
  std::string t;
  for (std::size_t i = 0; i < dlugosc; ++i) t += static_cast<char>('a' + i % 26);
  return t;
}

TEST(AutomatTokenow, StaleGraniceDoStanu) {
  const std::size_t najdluzsze = Automat_Tokenow::max_stanow - 2;
  const Wzor miesci = slowo(najdluzsze);
  const std::optional<Automat_Tokenow> a = Automat_Tokenow::zbuduj({{&miesci, false, 0}});
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(a->licz_stanow(), static_cast<int>(najdluzsze + 1));
  EXPECT_EQ(a->wygrany(a->przebieg(tekst(najdluzsze))), 0);
  EXPECT_EQ(a->wygrany(a->przebieg(tekst(najdluzsze - 1))), -1);

  const Wzor za_dlugie = slowo(najdluzsze + 1);
  EXPECT_FALSE(Automat_Tokenow::zbuduj({{&za_dlugie, false, 0}}).has_value());
}

}  // namespace
