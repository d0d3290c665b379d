// Symbol tables: numbering by first appearance and the 200-name limit.
#include "przebieg.h"

namespace {

using Nazwy = std::vector<std::string>;

TEST_F(Skaner, NumeracjaWgPierwszegoWystapienia) {
  // Names count where they are first met, on either side and in any section.
  auto p = skanuj(
      "\"S\" = \"A\" 'b' 'a' 'b' \"A\" \"A\" .\n"
      "\"A\" = 'a' .\n"
      "%%\n"
      "\"B\" : 'c' .\n");
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(p.nieterminalne, (Nazwy{"S", "A", "B"}));
  EXPECT_EQ(p.terminalne, (Nazwy{"b", "a", "c"}));
}

TEST_F(Skaner, PelnaTablicaNiePrzyjmujeNowychNazw) {
  std::string tekst;
  for (int i = 1; i <= 201; ++i) tekst += "'t" + std::to_string(i) + "'\n";
  tekst += "'t1' 't201' \"t201\"";
  auto p = skanuj(tekst);
  ASSERT_FALSE(p.blad);
  ASSERT_EQ(p.tokeny.size(), 205u);
  // The 201st name still reaches the parser, but is not stored.
  EXPECT_EQ(p.tokeny[200].Kod, bryzas::Token_Kod::NAZWAT);
  EXPECT_EQ(p.tokeny[200].Wart, "t201");
  EXPECT_EQ(p.tokeny[202].Wart, "t201");
  ASSERT_EQ(p.terminalne.size(), 200u);
  EXPECT_EQ(p.terminalne.front(), "t1");
  EXPECT_EQ(p.terminalne.back(), "t200");
  // The other table is not full.
  EXPECT_EQ(p.nieterminalne, Nazwy{"t201"});
}

}  // namespace
