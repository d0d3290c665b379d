// Scanner errors: each number with the line and column it is reported at.
#include "przebieg.h"

namespace {

struct Przypadek {
  std::string tekst;
  int nr, linia, kol;
};

class Bledy : public Skaner {
protected:
  void sprawdz_wszystkie(const std::vector<Przypadek>& przypadki) {
    for (const auto& c : przypadki) {
      Przebieg p = skanuj(c.tekst);
      ASSERT_TRUE(p.blad) << c.tekst;
      EXPECT_EQ(*p.blad, c.nr) << c.tekst;
      EXPECT_EQ(p.nr_linii, c.linia) << c.tekst;
      EXPECT_EQ(p.nr_kol, c.kol) << c.tekst;
    }
  }
};

TEST_F(Bledy, KoniecPlikuWSrodkuTokenu) {
  sprawdz_wszystkie({
      // At the end of the file: the last line read, the last character delivered.
      {"\"abc\n\n", 0, 2, 4},
      {"'ab", 0, 1, 3},
      {"'", 0, 1, 1},
      {"#", 0, 1, 1},
      {"%", 0, 1, 1},
      {"+", 0, 1, 1},
      {"#$ab", 0, 1, 4},
      {"#$a$", 0, 1, 4},
      {std::string("'a\0b'", 5), 0, 1, 3},   // a NUL byte ends the input inside a name
      {std::string("#$ab\0c$#", 8), 0, 1, 5},  // and inside a code insert
  });
}

TEST_F(Bledy, ZnakiNiedozwolone) {
  sprawdz_wszystkie({
      {"- x", 1, 1, 2},
      {"\"A\" -", 1, 1, 5},
      {"\"1a\"", 2, 1, 2},
      {"\"\"", 2, 1, 2},
      {"\"a-b\"", 2, 1, 3},
      {"\"a\xD7\"", 2, 1, 3},  // multiplication sign is no letter
      {"'9'", 4, 1, 2},
      {"''", 4, 1, 2},
      {"'a b'", 4, 1, 3},
      {"'\xF7'", 4, 1, 2},  // division sign is no letter
      {"%a", 7, 1, 2},
      {"\"A\"\t=", 9, 1, 4},
      {"\"A\"\r=", 9, 1, 4},  // a lone CR is an ordinary character
      {"\n  @", 9, 2, 3},
      {"\"A\" \f", 9, 1, 5},
      {"#x", 10, 1, 2},
  });
}

TEST_F(Bledy, PrzedrostekKodu) {
  sprawdz_wszystkie({
      {"+x", 5, 1, 2},
      {"++_a", 5, 1, 3},
      {"++9", 5, 1, 3},
      {"++", 5, 1, 2},
      {"++with_use2 =", 5, 1, 12},     // at the character after the word
      {"++init_instr_p\n=", 5, 2, 1},  // which may stand on the next line
      {"++foo", 5, 1, 5},
  });
}

TEST_F(Bledy, ZaDlugaNazwaSlowoLubWstawka) {
  const std::string a100(100, 'a');
  sprawdz_wszystkie({
      {"\"" + a100 + "b\"", 11, 1, 102},
      {"\"x\" = '" + a100 + "b'", 11, 1, 108},
      {"++" + a100 + "b", 11, 1, 103},
      {"#$" + std::string(60, 'a') + "\n" + std::string(41, 'b') + "$#", 11, 2, 41},
      {"'" + std::string(60, 'a') + "\n" + std::string(41, 'b') + "'", 11, 2, 41},
      {"'" + std::string(60, 'a') + "\n" + std::string(39, 'b') + "-'", 4, 2, 40},
      // A "$" that would be the 101st character is reported at itself,
      // although the reader has gone on to the next line.
      {"#$" + a100 + "$\nx$#", 11, 1, 103},
      {"#$" + std::string(99, 'a') + "$$#$#", 11, 1, 103},
  });
  // A hundred characters fit, on one line or over two.
  auto p = skanuj("'" + a100 + "' #$" + std::string(60, 'c') + "\n" + std::string(38, 'd') + "$$$#", 0);
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(p.tokeny[0].Wart, a100);
  EXPECT_EQ(p.terminalne, std::vector<std::string>{a100});
  EXPECT_EQ(p.tokeny[1].Wart, std::string(60, 'c') + std::string(38, 'd') + "$$");
}

}  // namespace
