// Tokens of the grammar notation, their texts and positions.
#include "przebieg.h"

namespace {

using bryzas::Token_Kod;
using K = Token_Kod;

std::vector<K> kody(const Przebieg& p) {
  std::vector<K> w;
  for (const auto& t : p.tokeny) w.push_back(t.Kod);
  return w;
}

TEST_F(Skaner, ZnakiPojedynczeIPodwojnyProcent) {
  auto p = skanuj("( %% | : = { } [ ] ) .", 2);
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(kody(p), (std::vector<K>{K::LNAW, K::PROCENT2, K::KRESKAPION, K::DWUKROPEK, K::ROWNA,
                                     K::LNAWKL, K::PNAWKL, K::LNAWKW, K::PNAWKW, K::PNAW, K::KROPKA,
                                     K::KONIECPL}));
  const int kolumny[] = {1, 3, 6, 8, 10, 12, 14, 16, 18, 20, 22, 22};
  for (std::size_t i = 0; i < p.tokeny.size(); ++i) {
    EXPECT_EQ(p.tokeny[i].linia, 1) << i;
    EXPECT_EQ(p.tokeny[i].kol, kolumny[i]) << i;
    EXPECT_EQ(p.tokeny[i].Wart, "") << i;
  }
}

TEST_F(Skaner, NazwyKomentarzePustaLiniaIPozycje) {
  auto p = skanuj("\"Wyr\" = 'liczba' -- komentarz 'x'\n\n  \"_a1\".\"Wyr\"\n");
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(kody(p),
            (std::vector<K>{K::NAZWANT, K::ROWNA, K::NAZWAT, K::NAZWANT, K::KROPKA, K::NAZWANT, K::KONIECPL}));
  const std::pair<int, int> pozycje[] = {{1, 1}, {1, 7}, {1, 9}, {3, 3}, {3, 8}, {3, 9}, {3, 13}};
  const char* teksty[] = {"Wyr", "", "liczba", "_a1", "", "Wyr", ""};
  for (std::size_t i = 0; i < p.tokeny.size(); ++i) {
    EXPECT_EQ(std::make_pair(p.tokeny[i].linia, p.tokeny[i].kol), pozycje[i]) << i;
    EXPECT_EQ(p.tokeny[i].Wart, teksty[i]) << i;
  }
  EXPECT_EQ(p.nieterminalne, (std::vector<std::string>{"Wyr", "_a1"}));
  EXPECT_EQ(p.terminalne, (std::vector<std::string>{"liczba"}));  // not the 'x' of the comment
  EXPECT_EQ(p.listing, " 1: \"Wyr\" = 'liczba' -- komentarz 'x'\n 2: \n 3:   \"_a1\".\"Wyr\"\n");
}

TEST_F(Skaner, SlowaSekcjiWDowolnejWielkosciLiter) {
  auto p = skanuj(
      "++WITH_USE ++with_use ++Init_Dekl ++init_instr#$x$#++INIT_INSTR_PO ++init_instr_przed\n"
      "++pak_dekl ++Except_Skan ++except_pars");
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(kody(p), (std::vector<K>{K::WITHUSEKOD, K::WITHUSEKOD, K::INITDEKLKOD, K::INITINSTRKOD,
                                     K::KODSYM, K::INITINSTRPOKOD, K::INITINSTRPRZEDKOD, K::PAKDEKLKOD,
                                     K::EXCEPTSKANKOD, K::EXCEPTPARSKOD, K::KONIECPL}));
  const char* teksty[] = {"WITH_USE", "with_use", "Init_Dekl", "init_instr", "x", "INIT_INSTR_PO",
                          "init_instr_przed", "pak_dekl", "Except_Skan", "except_pars", ""};
  for (std::size_t i = 0; i < p.tokeny.size(); ++i) EXPECT_EQ(p.tokeny[i].Wart, teksty[i]) << i;
  // The "#" right after init_instr begins the next token.
  EXPECT_EQ(p.tokeny[4].kol, 47);
  EXPECT_EQ(p.tokeny[7].linia, 2);
}

TEST_F(Skaner, WstawkiKodu) {
  const std::pair<const char*, const char*> przypadki[] = {
      {"#$ a := 1; $#", " a := 1; "},
      {"#$$#", ""},
      {"#$a$b$#", "a$b"},
      {"#$a$$#$#", "a$$#"},          // "$$#" is text; the insert ends at the next "$#"
      {"#$x\t-- \"'$#", "x\t-- \"'"},  // nothing is a separator, comment or name inside
      {"#$ab\n\n   cd$#", "ab   cd"},  // lines join with nothing between
      {"#$ab$\ncd$#", "ab$cd"},
      {"#$ab$\n#", "ab"},  // the line end between "$" and "#" is not seen
  };
  for (auto [tekst, wart] : przypadki) {
    auto p = skanuj(tekst);
    ASSERT_FALSE(p.blad) << tekst;
    ASSERT_EQ(kody(p), (std::vector<K>{K::KODSYM, K::KONIECPL})) << tekst;
    EXPECT_EQ(p.tokeny[0].Wart, wart) << tekst;
  }
}

TEST_F(Skaner, LiteryLatin1WNazwach) {
  auto p = skanuj("'\xE9t\xE9' \"\xC0_\xFF\" 'Liczba' 'liczba' \"Liczba\" 'Liczba'");
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(p.tokeny[0].Wart, "\xE9t\xE9");
  EXPECT_EQ(p.tokeny[1].Wart, "\xC0_\xFF");
  // Case matters, and a terminal and a nonterminal may share a name.
  EXPECT_EQ(p.terminalne, (std::vector<std::string>{"\xE9t\xE9", "Liczba", "liczba"}));
  EXPECT_EQ(p.nieterminalne, (std::vector<std::string>{"\xC0_\xFF", "Liczba"}));
}

TEST_F(Skaner, PustyPlikIPlikBezTokenow) {
  auto p = skanuj("", 2);
  EXPECT_EQ(kody(p), std::vector<K>{K::KONIECPL});
  EXPECT_EQ(p.nr_linii, 0);
  EXPECT_EQ(p.listing, "");

  // The end is met at line 3; the column stays that of the last character read.
  p = skanuj("\n-- c\n\n", 1);
  EXPECT_EQ(kody(p), std::vector<K>{K::KONIECPL});
  EXPECT_EQ(p.tokeny[0].linia, 3);
  EXPECT_EQ(p.tokeny[0].kol, 2);
  EXPECT_EQ(p.listing, " 1: \n 2: -- c\n 3: \n");
}

}  // namespace
