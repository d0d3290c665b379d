// Nullable, FIRST and FOLLOW sets computed from the productions.
#include "analiza_zbiory.h"

#include "pomoc_analizy.h"

namespace {

using namespace bryzas_analiza;
using testy_analizy::W_Katalogu;

using Zbiory = W_Katalogu;

// The terminal names of a set, in order of first appearance, then "$" for the
// end of input.
std::vector<std::string> nazwy(const Gramatyka& g, const Zbior& z) {
  std::vector<std::string> w;
  for (int t : z.terminale()) w.push_back(g.terminale.nazwa[static_cast<std::size_t>(t)]);
  if (z.ma_koniec()) w.push_back("$");
  return w;
}

using V = std::vector<std::string>;

TEST_F(Zbiory, PusteFirstIFollowPrzezOpcjeIPowtorzenia) {
  auto g = model(
      "\"S\" = \"A\" \"B\" 'c' .\n"
      "\"A\" = [ 'a' ] .\n"
      "\"B\" = { 'b' \"A\" } .\n");
  analiza_zbiory z(g);
  const int S = 0, A = 1, B = 2;
  EXPECT_FALSE(z.pusty(S));
  EXPECT_TRUE(z.pusty(A));
  EXPECT_TRUE(z.pusty(B));
  EXPECT_EQ(nazwy(g, z.first(S)), (V{"c", "a", "b"}));
  EXPECT_EQ(nazwy(g, z.first(A)), (V{"a"}));
  EXPECT_EQ(nazwy(g, z.first(B)), (V{"b"}));
  EXPECT_EQ(nazwy(g, z.follow(S)), (V{"$"}));
  // After "A" in "S" come "B" (nullable) and 'c'; at the end of the
  // repetition in "B" the loop starts again with 'b' or "B" ends ('c').
  EXPECT_EQ(nazwy(g, z.follow(A)), (V{"c", "b"}));
  EXPECT_EQ(nazwy(g, z.follow(B)), (V{"c"}));
}

TEST_F(Zbiory, AlternatywyIKoniecWejscia) {
  auto g = model(
      "\"E\" = \"T\" { 'plus' \"T\" } .\n"
      "\"T\" = ( 'num' | 'lp' \"E\" 'rp' | \"F\" ) .\n"
      "\"F\" = [ 'minus' ] 'num' .\n");
  analiza_zbiory z(g);
  const int E = 0, T = 1, F = 2;
  for (int n : {E, T}) {
    EXPECT_FALSE(z.pusty(n));
    EXPECT_EQ(nazwy(g, z.first(n)), (V{"num", "lp", "minus"}));
  }
  EXPECT_FALSE(z.pusty(F));
  EXPECT_EQ(nazwy(g, z.first(F)), (V{"num", "minus"}));
  EXPECT_EQ(nazwy(g, z.follow(E)), (V{"rp", "$"}));
  EXPECT_EQ(nazwy(g, z.follow(T)), (V{"plus", "rp", "$"}));
  EXPECT_EQ(nazwy(g, z.follow(F)), (V{"plus", "rp", "$"}));
  // What may follow the repetition of "E", and its first symbol.
  EXPECT_EQ(nazwy(g, z.za_elementem(g.produkcje[0], 1)), (V{"rp", "$"}));
  EXPECT_EQ(nazwy(g, z.za_elementem(g.produkcje[0], 0)), (V{"plus", "rp", "$"}));
  bool pusty = true;
  EXPECT_EQ(nazwy(g, z.first_elementow(g.produkcje[2].prawa, 0, pusty)), (V{"num", "minus"}));
  EXPECT_FALSE(pusty);
}

TEST_F(Zbiory, NazwaBezProdukcjiILewostronnaRekursja) {
  auto g = model(
      "\"S\" = ( \"X\" 'a' | \"L\" ) .\n"
      "\"L\" = ( \"L\" 'x' | \"P\" 'y' ) .\n"
      "\"P\" = { 'p' } .\n");
  analiza_zbiory z(g);
  const int X = 1, L = 2, P = 3;
  // "X" derives nothing: it neither vanishes nor lets 'a' begin "S".
  EXPECT_FALSE(z.pusty(X));
  EXPECT_TRUE(z.first(X).pusty());
  EXPECT_EQ(nazwy(g, z.first(0)), (V{"y", "p"}));
  EXPECT_EQ(nazwy(g, z.first(L)), (V{"y", "p"}));
  EXPECT_EQ(nazwy(g, z.follow(L)), (V{"x", "$"}));
  EXPECT_EQ(nazwy(g, z.follow(P)), (V{"y"}));
  EXPECT_TRUE(z.pusty(P));
  bool pusty = false;
  EXPECT_EQ(nazwy(g, z.first_ciagu(g.produkcje[1].prawa[0].galezie[1], 0, pusty)),
            (V{"y", "p"}));
  EXPECT_FALSE(pusty);
  EXPECT_TRUE(z.first_ciagu(g.produkcje[1].prawa[0].galezie[1], 2, pusty).pusty());
  EXPECT_TRUE(pusty);
}

}  // namespace
