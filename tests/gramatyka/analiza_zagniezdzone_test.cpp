// What the analysis of a grammar in the extended notation gives the
// generator, which the console does not show: the model with its inserts
// where they stand, and for every group, nested ones and a whole right side
// divided by "|" included, what follows it and the tokens that take each of
// its branches. The messages are shown by the cases under
// tests/przypadki/analiza/rozszerzona_*.
#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "gramatyka/analiza.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/nazwy_projektu.h"
#include "tests/katalog_testu.h"

namespace {

using namespace bryzas_analiza;

// A grammar file in a directory of its own.
class Projekt {
public:
  explicit Projekt(const std::string& gramatyka) : n_(katalog_ / "G") { std::ofstream(n_.plik_we) << gramatyka; }
  const bryzas::Nazwy_Projektu& nazwy() const { return n_; }

private:
  testy::Katalog_Testu katalog_{"analiza_zagniezdzone_"};
  bryzas::Nazwy_Projektu n_;
};

bryzas::Bryzas_Skan& otwarty(bryzas::Bryzas_Skan& skan, const std::string& plik) {
  skan.otworz(plik);
  return skan;
}

// The grammar read by the parser of the notation and analysed.
struct Przeczytana {
  explicit Przeczytana(const std::string& gramatyka)
      : projekt(gramatyka), a(otwarty(skan, projekt.nazwy().plik_we), projekt.nazwy()) {}

  Projekt projekt;
  bryzas::Bryzas_Skan skan{nullptr};
  Analiza a;
};

// A set as the messages quote it, the end of input as $.
std::string tekst(const Gramatyka& g, const Zbior& z) {
  const std::string w = cytaty_terminali(g, z);
  return z.ma_koniec() ? (w.empty() ? "$" : w + " $") : w;
}

TEST(Zagniezdzone, ModelTrzymaWstawkiNaSwoichMiejscach) {
  const Przeczytana p("++rozszerzona\n"
                      "\"S\" #$D$# = #$P$# { ( 'a' #$A$# | 'b' ) #$G$# 'c' } #$R$# | 'd' #$E$# .\n");
  ASSERT_TRUE(p.a.przeczytana());
  const Gramatyka& g = p.a.gramatyka();
  EXPECT_TRUE(g.rozszerzona);
  const Produkcja& s = g.produkcje.at(0);
  EXPECT_EQ(s.deklaracje, "D");
  EXPECT_EQ(s.wstawka_poczatkowa, "P");
  // The "|" at the top makes the whole right side one alternative.
  ASSERT_EQ(s.prawa.size(), 1u);
  const Element& calosc = s.prawa[0];
  ASSERT_EQ(calosc.rodzaj, Rodzaj_Elementu::alternatywa);
  ASSERT_EQ(calosc.galezie.size(), 2u);
  EXPECT_EQ(calosc.galezie[1].at(0).wstawka, "E");
  ASSERT_EQ(calosc.galezie[0].size(), 1u);
  const Element& petla = calosc.galezie[0][0];
  EXPECT_EQ(petla.wstawka, "R");
  ASSERT_EQ(petla.galezie.size(), 1u);
  ASSERT_EQ(petla.galezie[0].size(), 2u);
  const Element& wybor = petla.galezie[0][0];
  EXPECT_EQ(wybor.wstawka, "G");
  ASSERT_EQ(wybor.galezie.size(), 2u);
  EXPECT_EQ(wybor.galezie[0].at(0).wstawka, "A");
  EXPECT_EQ(wybor.galezie[1].at(0).wstawka, "");
  EXPECT_EQ(g.terminale.nazwa(petla.galezie[0][1].symbol.nr), "c");
}

// What the generator writes its choices from.
TEST(Zagniezdzone, ZbioryGrupDlaGeneratora) {
  const Przeczytana p("++rozszerzona\n++koniec 'Koniec'\n"
                      "\"S\" = { ( 'Plus' | 'Minus' ) \"T\" } [ 'a' | 'b' ] ( 'x' | [ 'y' ] ) 'z'\n"
                      "    | 'a' 'a' | 'a' 'b' .\n"
                      "\"T\" = 't' .\n");
  ASSERT_TRUE(p.a.przeczytana());
  const Gramatyka& g = p.a.gramatyka();
  const Analiza_Decyzje& d = p.a.decyzje();
  const Element& calosc = g.produkcje[0].prawa.at(0);
  const Ciag& s = calosc.galezie.at(0);
  const Decyzja_Grupy& petla = d.grupy(s.at(0));
  EXPECT_EQ(tekst(g, petla.za), "'a' 'b' 'x' 'y' 'z'");
  EXPECT_EQ(tekst(g, petla.wejscie()), "'Plus' 'Minus'");
  const Decyzja_Grupy& znak = d.grupy(s[0].galezie.at(0).at(0));
  EXPECT_EQ(tekst(g, znak.za), "'t'");
  EXPECT_EQ(tekst(g, znak.wybierane.at(1)), "'Minus'");
  EXPECT_EQ(tekst(g, p.a.zbiory().follow(g.nieterminale.znajdz("T"))), "'Plus' 'Minus' 'a' 'b' 'x' 'y' 'z'");
  const Decyzja_Grupy& opcja = d.grupy(s.at(1));
  EXPECT_EQ(tekst(g, opcja.wybierane.at(0)) + " | " + tekst(g, opcja.wybierane.at(1)), "'a' | 'b'");
  EXPECT_TRUE(opcja.pusta);
  // A branch that can vanish is taken on what follows the alternative too.
  const Decyzja_Grupy& alt = d.grupy(s.at(2));
  EXPECT_EQ(alt.puste, (std::vector<bool>{false, true}));
  EXPECT_EQ(tekst(g, alt.przewidywane.at(1)), "'y' 'z'");
  EXPECT_FALSE(d.grupy(calosc).pusta);
  EXPECT_EQ(tekst(g, d.grupy(calosc).za), "$");
  // Three branches begin with 'a': the first takes it, the others nothing.
  const Decyzja_Grupy& c = d.grupy(calosc);
  EXPECT_EQ(tekst(g, c.przewidywane.at(2)), "'a'");
  EXPECT_EQ(tekst(g, c.wybierane.at(0)), "'Plus' 'Minus' 'a' 'b' 'x' 'y' 'z'");
  EXPECT_TRUE(c.wybierane.at(1).pusty() && c.wybierane.at(2).pusty());
}

// A token after a repetition's separator is taken for a missing separator
// only where it could neither follow the repetition nor begin a round.
TEST(Zagniezdzone, BrakSeparatoraBezTegoCoZaczynaRunde) {
  const Przeczytana p("++rozszerzona\n++koniec 'Koniec'\n"
                      "\"S\" = { 'P' 'P' } { 'Przecinek' ( 'a' | 'Przecinek' | 'z' ) } 'z' .\n");
  ASSERT_TRUE(p.a.przeczytana());
  const Gramatyka& g = p.a.gramatyka();
  const Ciag& s = g.produkcje[0].prawa;
  EXPECT_EQ(tekst(g, p.a.decyzje().grupy(s.at(0)).brak_separatora), "");
  EXPECT_EQ(tekst(g, p.a.decyzje().grupy(s.at(1)).brak_separatora), "'a'");
}

}  // namespace
