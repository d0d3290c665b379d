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

TEST_F(Skaner, KazdaZ200NazwRozpoznanaPonownie) {
  // 200 names that differ only at the end, each met twice: the second
  // round must find every one, whatever slot of the index it landed in.
  std::string tekst;
  for (int runda = 0; runda < 2; ++runda)
    for (int i = 1; i <= 200; ++i) tekst += "\"N_" + std::to_string(i) + "\"\n";
  tekst += "\"n_1\" \"N_1\"";
  auto p = skanuj(tekst);
  ASSERT_FALSE(p.blad);
  ASSERT_EQ(p.nieterminalne.size(), 200u);
  for (int i = 1; i <= 200; ++i) EXPECT_EQ(p.nieterminalne[i - 1], "N_" + std::to_string(i));
}

TEST(Tablica, WypelnionaWprostIUzupelnianaPozniej) {
  // Names set directly are known to a later insert, and so are names added
  // to the vector behind the table's back.
  bryzas::Tablica_Symboli t;
  t.nazwy = {"a", "b", "a"};
  t.wstaw_token("b");
  t.wstaw_token("c");
  EXPECT_EQ(t.nazwy, (Nazwy{"a", "b", "a", "c"}));
  t.nazwy.push_back("d");
  t.wstaw_token("d");
  t.wstaw_token("A");
  EXPECT_EQ(t.nazwy, (Nazwy{"a", "b", "a", "c", "d", "A"}));
  EXPECT_EQ(t.licz(), 6);

  // Filled directly beyond the limit: nothing more is stored.
  t.nazwy.assign(250, "x");
  t.wstaw_token("y");
  t.wstaw_token("x");
  EXPECT_EQ(t.licz(), 250);
}

}  // namespace
