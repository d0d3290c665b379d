// Sets of token kinds of the generator's parser.
#include <gtest/gtest.h>

#include "generator/sets/bryzas_zbiory.h"

namespace {

using namespace bryzas;

Token_Kod kod(int i) { return static_cast<Token_Kod>(i); }

TEST(Zbiory, KazdyRodzajMaWlasneMiejsce) {
  // A set of one kind contains that kind and no other, for every kind.
  for (int i = 0; i < liczba_kodow; ++i) {
    const Zbior_Tok z = Zbior_Tok{} + kod(i);
    for (int j = 0; j < liczba_kodow; ++j) EXPECT_EQ(Zawiera_Sie(kod(j), z), i == j) << i << " " << j;
  }
}

TEST(Zbiory, DodanieISumaDajaNowyZbior) {
  const Zbior_Tok a = Zbior_Tok{} + Token_Kod::NAZWAT + Token_Kod::LNAW;
  const Zbior_Tok b = a + Token_Kod::KROPKA;
  EXPECT_FALSE(Zawiera_Sie(Token_Kod::KROPKA, a));  // the operand stays as it was
  EXPECT_TRUE(Zawiera_Sie(Token_Kod::KROPKA, b));
  EXPECT_TRUE(Zawiera_Sie(Token_Kod::LNAW, b));
  EXPECT_EQ(a + Token_Kod::NAZWAT, a);  // already a member

  const Zbior_Tok c = Zbior_Tok{} + Token_Kod::KROPKA + Token_Kod::PUSTY;
  const Zbior_Tok s = a + c;
  EXPECT_EQ(s, Zbior_Tok{} + Token_Kod::NAZWAT + Token_Kod::LNAW + Token_Kod::KROPKA + Token_Kod::PUSTY);
  EXPECT_EQ(c + a, s);
  EXPECT_EQ(a + Zbior_Tok{}, a);
  EXPECT_FALSE(Zawiera_Sie(Token_Kod::PUSTY, a));
}

TEST(Zbiory, ZerujCzysciWszystkieRodzaje) {
  Zbior_Tok z;
  for (int i = 0; i < liczba_kodow; ++i) z = z + kod(i);
  const Zbior_Tok kopia = z;
  Zeruj(z);
  EXPECT_EQ(z, Zbior_Tok{});
  for (int i = 0; i < liczba_kodow; ++i) EXPECT_FALSE(Zawiera_Sie(kod(i), z)) << i;
  EXPECT_TRUE(Zawiera_Sie(Token_Kod::KONIECPL, kopia));
}

// Sets can be built as constants.
static_assert(Zawiera_Sie(Token_Kod::PNAW, Zbior_Tok{} + Token_Kod::LNAW + Token_Kod::PNAW));

}  // namespace
