// The analyser's parser of the notation: the model it builds, with the
// position of every symbol and group, and syntax and lexical errors reported
// where and as the generator reports them.
#include "pomoc_analizy.h"

namespace {

using namespace bryzas_analiza;
using testy_analizy::W_Katalogu;
using testy_analizy::z_podsumowaniem;

using Parser = W_Katalogu;

Pozycja p(int linia, int kol) { return {linia, kol}; }

TEST_F(Parser, ModelZPozycjamiSymboliIGrup) {
  //         1234567890123456789012345678901234567890123456789
  auto g = model("\"S\" = 'a' [ \"B\" 'c' ] { 'd' } ( \"B\" | 'e' \"S\" ) .\n"
                 "\n"
                 "\"B\" = 'b' .\n"
                 "%%\n"
                 "\"B\" : 'b' 'f' .\n");
  EXPECT_EQ(g.nieterminale.nazwa, (std::vector<std::string>{"S", "B"}));
  EXPECT_EQ(g.terminale.nazwa, (std::vector<std::string>{"a", "c", "d", "e", "b", "f"}));
  EXPECT_EQ(g.terminale.pierwsze_wystapienie[5], p(5, 11));
  ASSERT_EQ(g.produkcje.size(), 2u);

  const Produkcja& s = g.produkcje[0];
  EXPECT_EQ(s.lewa, 0);
  EXPECT_EQ(s.poz, p(1, 1));
  ASSERT_EQ(s.prawa.size(), 4u);
  EXPECT_EQ(s.prawa[0].rodzaj, Rodzaj_Elementu::symbol);
  EXPECT_TRUE(s.prawa[0].symbol.terminal);
  EXPECT_EQ(s.prawa[0].symbol.poz, p(1, 7));

  const Element& opcja = s.prawa[1];
  EXPECT_EQ(opcja.rodzaj, Rodzaj_Elementu::opcja);
  EXPECT_EQ(opcja.poz, p(1, 11));
  ASSERT_EQ(opcja.galezie.size(), 1u);
  ASSERT_EQ(opcja.galezie[0].size(), 2u);
  EXPECT_FALSE(opcja.galezie[0][0].terminal);
  EXPECT_EQ(opcja.galezie[0][0].nr, 1);
  EXPECT_EQ(opcja.galezie[0][0].poz, p(1, 13));
  EXPECT_EQ(opcja.galezie[0][1].poz, p(1, 17));

  EXPECT_EQ(s.prawa[2].rodzaj, Rodzaj_Elementu::powtorzenie);
  EXPECT_EQ(s.prawa[2].poz, p(1, 23));
  EXPECT_EQ(s.prawa[2].galezie[0][0].poz, p(1, 25));

  const Element& alt = s.prawa[3];
  EXPECT_EQ(alt.rodzaj, Rodzaj_Elementu::alternatywa);
  EXPECT_EQ(alt.poz, p(1, 31));
  ASSERT_EQ(alt.galezie.size(), 2u);
  EXPECT_EQ(alt.galezie[0][0].poz, p(1, 33));
  ASSERT_EQ(alt.galezie[1].size(), 2u);
  EXPECT_EQ(alt.galezie[1][0].poz, p(1, 39));
  EXPECT_EQ(alt.galezie[1][1].poz, p(1, 43));
  EXPECT_EQ(alt.galezie[1][1].nr, 0);

  // The empty line is counted.
  EXPECT_EQ(g.produkcje[1].poz, p(3, 1));
  ASSERT_EQ(g.first.size(), 1u);
  EXPECT_EQ(g.first[0].nieterminal, 1);
  EXPECT_EQ(g.first[0].poz, p(5, 1));
  ASSERT_EQ(g.first[0].terminale.size(), 2u);
  EXPECT_EQ(g.first[0].terminale[0].poz, p(5, 7));
}

TEST_F(Parser, WstawkiINaglowkiSaPomijane) {
  auto g = model("++with_use #$ Tekst $# ++pak_dekl #$ x : Integer; $# #$ y $#\n"
                 "++init_dekl #$ a $# ++init_instr #$ b $# ++init_instr_przed #$ c $#\n"
                 "++init_instr_po #$ d $# ++except_skan #$ e $# ++except_pars #$ f $#\n"
                 "\"S\" #$ g $# = #$ h $# 'a' #$ i $# [ 'b' #$ j $# ] #$ k $#\n"
                 "  ( 'c' | 'd' ) #$ l $# { \"S\" } #$ m $# .\n");
  ASSERT_EQ(g.produkcje.size(), 1u);
  ASSERT_EQ(g.produkcje[0].prawa.size(), 4u);
  EXPECT_EQ(g.produkcje[0].prawa[2].poz, p(5, 3));
  EXPECT_EQ(g.terminale.nazwa, (std::vector<std::string>{"a", "b", "c", "d"}));
}

// Each case: the grammar, and the located message the generator's own error
// report would carry (the position after the token at which it stops).
struct Blad_Przypadek {
  std::string gramatyka;
  std::string komunikat;
};

TEST_F(Parser, BledySkladniWMiejscachGeneratora) {
  const Blad_Przypadek przypadki[] = {
      {"= 'a' .\n", "G.gpa:1:2: blad: Bledna (brak) lewa strona produkcji\n"},
      {"\"S\" = 'a' .\n\"S\" = 'b' .\n", "G.gpa:2:4: blad: Powtorzenie lewej strony produkcji\n"},
      {"\"S\" = 'a' . ) .\n", "G.gpa:1:14: blad: Nadmiarowe dane w pliku wejsciowym\n"},
      {"\"S\" 'a' .\n", "G.gpa:1:8: blad: Spodziewany znak '='\n"},
      {"\"S\" = 'a' \"T\" = .\n", "G.gpa:1:16: blad: Spodziewana '.' konczaca produkcje\n"},
      {"\"S\" = . \"T\"\n", "G.gpa:1:8: blad: Spodziewany symbol gramatyki albo '{', '[', '('\n"},
      {"\"S\" = { 'a' . .\n", "G.gpa:1:14: blad: Spodziewany znak '}'\n"},
      {"\"S\" = [ 'a' ( 'b' | 'c' ) ] .\n", "G.gpa:1:14: blad: Spodziewany znak ']'\n"},
      {"\"S\" = ( 'a' | 'b' . .\n", "G.gpa:1:20: blad: Spodziewany znak ')'\n"},
      {"\"S\" = ( 'a' ) .\n", "G.gpa:1:14: blad: Spodziewany znak '|'\n"},
      {"\"S\" = ( 'a' | ) .\n",
       "G.gpa:1:16: blad: Spodziewana nazwa symbolu gramatyki w \" lub '\n"},
      {"\"S\" = 'a' .\n%% 'a' .\n", "G.gpa:2:7: blad: Spodziewany symbol nieterminalny w \"\n"},
      {"\"S\" = 'a' .\n%%\n\"S\" 'a' .\n", "G.gpa:3:8: blad: Spodziewany znak ':'\n"},
      {"\"S\" = 'a' .\n%%\n\"S\" : . \"S\"\n",
       "G.gpa:3:8: blad: Spodziewany symbol terminalny w ' '\n"},
      {"\"S\" = 'a' .\n%%\n\"S\" : 'a' \"S\" .\n", "G.gpa:3:14: blad: Spodziewany znak '.'\n"},
      {"++with_use \"S\" = 'a' .\n",
       "G.gpa:1:15: blad: Spodziewany kod wstawki pomiedzy '#$' i '$#'\n"},
      {"++except_pars #$ a $# ++except_skan #$ b $# \"S\" = 'a' .\n",
       "G.gpa:1:36: blad: Bledna (brak) lewa strona produkcji\n"},
  };
  for (const auto& c : przypadki) {
    auto w = analizuj(c.gramatyka);
    EXPECT_EQ(w.status, 1) << c.gramatyka;
    EXPECT_EQ(w.wyjscie, z_podsumowaniem(c.komunikat, 1, 0)) << c.gramatyka;
  }
}

TEST_F(Parser, BledySkaneraWMiejscuZnaku) {
  const Blad_Przypadek przypadki[] = {
      {"\"S\" =\t'a' .\n", "G.gpa:1:6: blad: Niedozwolony znak\n"},
      {"\"S\" = 'a' - .\n", "G.gpa:1:12: blad: Brak '-' w znaku komentarza\n"},
      {"\"S\" = \"1\" .\n", "G.gpa:1:8: blad: Niedozwolony znak w symbolu nieterminalnym\n"},
      {"\"S\" = 'a b' .\n", "G.gpa:1:9: blad: Niedozwolony znak w symbolu terminalnym\n"},
      {"\"S\" = 'a' .\n%x\n", "G.gpa:2:2: blad: Brak '%' w znaczniku sekcji '%%'\n"},
      {"\"S\" = \"" + std::string(101, 'x') + "\" .\n",
       "G.gpa:1:108: blad: Za dluga nazwa lub wstawka (max 100 znakow)\n"},
  };
  for (const auto& c : przypadki) {
    auto w = analizuj(c.gramatyka);
    EXPECT_EQ(w.status, 1) << c.gramatyka;
    EXPECT_EQ(w.wyjscie, z_podsumowaniem(c.komunikat, 1, 0)) << c.gramatyka;
  }
}

TEST_F(Parser, BladSkladniZatrzymujeAnalizeIFirst) {
  // The undefined "X" would be reported if the analysis went on.
  auto w = analizuj("\"S\" = \"X\" .\n\"S\" = 'a' .\n", true);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("G.gpa:2:4: blad: Powtorzenie lewej strony produkcji\n", 1, 0));
}

}  // namespace
