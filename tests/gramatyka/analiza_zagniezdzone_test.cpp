// The analysis of grammars whose groups nest, in both ways the generated
// parser can decide: the sets the generator will write its choices from,
// conflicts inside nested groups with their proofs, the harmless ones, the
// FIRST section held to the computed sets, left recursion through groups.
// The grammars are told to the model's receiver as the parser of the
// notation tells them, from a text with blanks between all its tokens.
#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <cstddef>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gramatyka/analiza.h"

namespace {

using namespace bryzas_analiza;
using bryzas::Token_Kod;
using bryzas::Token_Typ;

// The tokens of a text with blanks between all of them, each at its line
// and column.
std::vector<Token_Typ> tokeny(const std::string& tekst) {
  const std::string znaki = "=.{}[]()|:";
  const Token_Kod kody[] = {Token_Kod::ROWNA,  Token_Kod::KROPKA, Token_Kod::LNAWKL, Token_Kod::PNAWKL,
                            Token_Kod::LNAWKW, Token_Kod::PNAWKW, Token_Kod::LNAW,   Token_Kod::PNAW,
                            Token_Kod::KRESKAPION, Token_Kod::DWUKROPEK};
  std::vector<Token_Typ> w;
  std::istringstream linie(tekst);
  std::string l;
  for (int nr = 1; std::getline(linie, l); ++nr)
    for (std::size_t a = l.find_first_not_of(' '), b; a != std::string::npos; a = l.find_first_not_of(' ', b)) {
      b = std::min(l.find(' ', a), l.size());
      const std::string s = l.substr(a, b - a);
      Token_Typ t;
      t.linia = nr;
      t.kol = static_cast<int>(a) + 1;
      if (s == "%%") {
        t.Kod = Token_Kod::PROCENT2;
      } else if (s.size() == 1) {
        t.Kod = kody[znaki.find(s[0])];
      } else {
        t.Kod = s[0] == '#' ? Token_Kod::KODSYM : s[0] == '\'' ? Token_Kod::NAZWAT : Token_Kod::NAZWANT;
        t.Wart = s[0] == '#' ? s.substr(2, s.size() - 4) : s.substr(1, s.size() - 2);
      }
      w.push_back(t);
    }
  w.emplace_back().Kod = Token_Kod::KONIECPL;
  return w;
}

// The receiver's calls, in the parser's order, for "N" #$d$# = #$p$# ... .
// lines and a FIRST section.
Gramatyka model(const std::string& tekst, bool rozszerzona) {
  Gramatyka g;
  Budowa_Modelu budowa(g);
  bryzas::Odbiorca& o = budowa;
  const std::vector<Token_Typ> t = tokeny(tekst);
  std::size_t i = 0;
  // The insert after the current token, taken, or none (Kod PUSTY).
  auto wstawka = [&] { return t[i + 1].Kod == Token_Kod::KODSYM ? t[++i] : Token_Typ{}; };
  auto jest = [](const Token_Typ& w) { return w.Kod == Token_Kod::KODSYM; };
  for (; t[i].Kod == Token_Kod::NAZWANT; ++i) {
    o.lewa_strona(t[i]);
    if (const Token_Typ w = wstawka(); jest(w)) o.deklaracje(w);
    o.cialo();
    ++i;  // "="
    if (const Token_Typ w = wstawka(); jest(w)) o.wstawka_poczatkowa(w);
    for (++i; t[i].Kod != Token_Kod::KROPKA; ++i) {
      const Token_Typ& x = t[i];
      switch (x.Kod) {
        case Token_Kod::NAZWAT:
        case Token_Kod::NAZWANT: o.symbol(x, wstawka()); break;
        case Token_Kod::LNAW:
        case Token_Kod::LNAWKW:
        case Token_Kod::LNAWKL: o.grupa(x); break;
        case Token_Kod::KRESKAPION: o.galaz(); break;
        default:
          o.koniec_grupy(x);
          if (const Token_Typ w = wstawka(); jest(w)) o.wstawka_po_grupie(w);
      }
    }
    o.koniec_produkcji();
  }
  o.po_produkcjach();
  if (t[i].Kod != Token_Kod::PROCENT2)
    o.brak_sekcji_first();
  else
    for (++i; t[i].Kod == Token_Kod::NAZWANT; ++i) {
      o.linia_first(t[i]);
      for (i += 2; t[i].Kod == Token_Kod::NAZWAT; ++i) o.terminal_first(t[i]);
      o.koniec_terminali_first();
    }
  o.koniec_first();
  g.rozszerzona = rozszerzona;
  // Its parser checks the end of the input on the token 'k' (where the
  // project's token file names no other).
  if (rozszerzona) g.naglowek.push_back({Token_Kod::KONIECKOD, "k", {}});
  return g;
}

namespace fs = std::filesystem;

// A project in a directory of its own, with a token file when one is given.
class Projekt {
public:
  explicit Projekt(const std::string& tok = "") {
    std::string wzor = (fs::temp_directory_path() / "analiza_zagniezdzone_XXXXXX").string();
    if (!::mkdtemp(wzor.data())) throw std::runtime_error("mkdtemp");
    katalog_ = wzor;
    n_ = bryzas::Nazwy_Projektu((katalog_ / "G").string());
    if (!tok.empty()) std::ofstream(n_.plik_tok) << tok;
  }
  Projekt(const Projekt&) = delete;
  Projekt& operator=(const Projekt&) = delete;
  ~Projekt() { fs::remove_all(katalog_); }
  const bryzas::Nazwy_Projektu& nazwy() const { return n_; }

private:
  fs::path katalog_;
  bryzas::Nazwy_Projektu n_;
};

// The messages as bryzas_analiza prints them, without the file's name.
std::string komunikaty(const std::string& gramatyka, bool rozszerzona, const Projekt& p = Projekt()) {
  const Analiza a(model(gramatyka, rozszerzona), p.nazwy());
  std::ostringstream os;
  a.gramatyki().wypisz(os, "");
  return os.str();
}

// A set as the messages quote it, the end of input as $.
std::string tekst(const Gramatyka& g, const Zbior& z) {
  return cytaty_terminali(g, z) + (z.ma_koniec() ? " $" : "");
}

TEST(Zagniezdzone, ModelTrzymaWstawkiNaSwoichMiejscach) {
  const Gramatyka g = model("\"S\" #$D$# = #$P$# { ( 'a' #$A$# | 'b' ) #$G$# 'c' } #$R$# .\n", true);
  const Produkcja& p = g.produkcje.at(0);
  EXPECT_EQ(p.deklaracje, "D");
  EXPECT_EQ(p.wstawka_poczatkowa, "P");
  ASSERT_EQ(p.prawa.size(), 1u);
  const Element& petla = p.prawa[0];
  EXPECT_EQ(petla.wstawka, "R");
  ASSERT_EQ(petla.galezie.size(), 1u);
  ASSERT_EQ(petla.galezie[0].size(), 2u);
  const Element& wybor = petla.galezie[0][0];
  EXPECT_EQ(wybor.rodzaj, Rodzaj_Elementu::alternatywa);
  EXPECT_EQ(wybor.wstawka, "G");
  ASSERT_EQ(wybor.galezie.size(), 2u);
  EXPECT_EQ(wybor.galezie[0].at(0).wstawka, "A");
  EXPECT_EQ(wybor.galezie[1].at(0).wstawka, "");
  EXPECT_EQ(g.terminale.nazwa(petla.galezie[0][1].symbol.nr), "c");
}

// What the generator will write its choices from: per group, what follows
// it, and the tokens that take each branch.
TEST(Zagniezdzone, ZbioryGrupDlaGeneratora) {
  const Projekt p;
  const Analiza a(model("\"S\" = { ( 'Plus' | 'Minus' ) \"T\" } [ 'a' | 'b' ] ( 'x' | [ 'y' ] ) 'z' .\n"
                        "\"T\" = 't' .\n",
                        true),
                  p.nazwy());
  const Gramatyka& g = a.gramatyka();
  const Ciag& s = g.produkcje[0].prawa;
  const Decyzja_Grupy& petla = a.decyzje().grupy(s[0]);
  EXPECT_EQ(tekst(g, petla.za), "'a' 'b' 'x' 'y' 'z'");
  EXPECT_EQ(tekst(g, petla.wejscie()), "'Plus' 'Minus'");
  const Decyzja_Grupy& znak = a.decyzje().grupy(s[0].galezie[0][0]);
  EXPECT_EQ(tekst(g, znak.za), "'t'");
  EXPECT_EQ(tekst(g, znak.wybierane.at(1)), "'Minus'");
  EXPECT_EQ(tekst(g, a.zbiory().follow(g.nieterminale.znajdz("T"))), "'Plus' 'Minus' 'a' 'b' 'x' 'y' 'z'");
  const Decyzja_Grupy& opcja = a.decyzje().grupy(s[1]);
  EXPECT_EQ(tekst(g, opcja.wybierane.at(0)) + " | " + tekst(g, opcja.wybierane.at(1)), "'a' | 'b'");
  EXPECT_TRUE(opcja.pusta);
  // A branch that can vanish is taken on what follows the alternative too.
  const Decyzja_Grupy& alt = a.decyzje().grupy(s[2]);
  EXPECT_EQ(alt.puste, (std::vector<bool>{false, true}));
  EXPECT_EQ(tekst(g, alt.przewidywane.at(1)), "'y' 'z'");
  EXPECT_TRUE(alt.pusta);
  // None of them is a conflict.
  EXPECT_EQ(a.gramatyki().bledy() + a.gramatyki().ostrzezenia(), 0);
}

// Branches of a nested alternative, and of a repetition through the option
// nested in its first branch, that begin alike: the later one is lost, as a
// sentence shows, and takes no token in the sets for the generator.
TEST(Zagniezdzone, KonfliktWGlebiZDowodem) {
  const std::string g = "\"S\" = { ( 'a' 'b' | 'a' 'c' ) } 'k' { [ 'p' | 'q' ] 'r' | 'p' 's' } 'e' .\n";
  EXPECT_EQ(komunikaty(g, true),
            ":1:21: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'a' (wybrana bedzie galaz 1)\n"
            ":1:21: uwaga: zdanie 'a' 'c' 'k' 'e' nalezy do jezyka, parser odrzuci je na 'c'\n"
            ":1:59: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'p' (wybrana bedzie galaz 1)\n"
            ":1:59: uwaga: zdanie 'k' 'p' 's' 'e' nalezy do jezyka, parser odrzuci je na 's'\n");
  const Projekt p;
  const Analiza a(model(g, true), p.nazwy());
  const Decyzja_Grupy& d = a.decyzje().grupy(a.gramatyka().produkcje[0].prawa[0].galezie[0][0]);
  EXPECT_EQ(tekst(a.gramatyka(), d.przewidywane.at(1)), "'a'");
  EXPECT_TRUE(d.wybierane.at(1).pusty());
}

// Conflicts that lose no sentence: the dangling else, and two branches
// that can both vanish at the end of the input.
TEST(Zagniezdzone, NieszkodliweKonfliktySaOstrzezeniami) {
  EXPECT_EQ(komunikaty("\"S\" = \"I\" 'k' .\n\"I\" = ( 'Jesli' \"I\" [ 'Inaczej' \"I\" ] | 'x' ) .\n", true),
            ":2:21: ostrzezenie: konflikt LL(1): opcja [ ] i to, co po niej, zaczynaja sie od 'Inaczej' "
            "(parser wejdzie w opcje)\n"
            ":2:21: uwaga: zadne zdanie do 6 symboli nie jest przez ten wybor odrzucone; parser zawsze wybiera "
            "opcje\n");
  // With a token file the parser knows the end of the input, and checks it.
  const Projekt z_tokenami("'a' = \"a\" .\n'b' = \"b\" .\n'c' = \"c\" .\n");
  EXPECT_EQ(komunikaty("\"S\" = 'a' ( [ 'b' ] | [ 'c' ] ) .\n", true, z_tokenami),
            ":1:23: ostrzezenie: konflikt LL(1): galezie 1 i 2 zaczynaja sie od konca wejscia (wybrana bedzie "
            "galaz 1)\n"
            ":1:23: uwaga: zadne zdanie do 6 symboli nie jest przez ten wybor odrzucone; parser zawsze wybiera "
            "galaz 1\n");
}

// Today's parser returns with input unread where the extended one, which
// knows the end token from the token file, rejects it.
TEST(Zagniezdzone, KoniecWejsciaSprawdzanyWRozszerzonej) {
  const std::string g = "\"S\" = ( 'a' | 'a' 'b' ) .\n";
  const std::string konflikt = ":1:15: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'a' (wybrana bedzie galaz 1)\n";
  EXPECT_EQ(komunikaty(g, false),
            ":1:1: ostrzezenie: parser nie sprawdza, czy wejscie konczy sie po \"S\": zakoncz te produkcje tokenem, "
            "ktory skaner daje tylko na koncu wejscia\n" +
                konflikt + ":1:15: uwaga: zdanie 'a' 'b' nalezy do jezyka, parser skonczy przed 'b'\n");
  const Projekt z_tokenami("++koniec 'Koniec'\n'a' = \"a\" .\n'b' = \"b\" .\n");
  EXPECT_EQ(komunikaty(g, true, z_tokenami),
            konflikt + ":1:15: uwaga: zdanie 'a' 'b' nalezy do jezyka, parser odrzuci je na 'b'\n");
}

// In the extended notation a FIRST section, when written, holds every
// nonterminal with its computed set; the section the analyser prints does.
TEST(Zagniezdzone, SekcjaFirstRownaObliczonej) {
  const std::string produkcje = "\"S\" = \"A\" \"B\" 'k' .\n\"A\" = [ 'x' ] 'y' .\n\"B\" = ( 'q' | [ \"A\" ] ) .\n";
  EXPECT_EQ(komunikaty(produkcje + "%%\n\"S\" : 'x' .\n\"A\" : 'x' 'y' 'k' .\n\"C\" : 'q' .\n", true),
            ":3:1: blad: brak linii FIRST dla \"B\"\n"
            ":5:1: blad: FIRST \"S\" nie zawiera 'y'\n"
            ":6:15: blad: FIRST \"A\" zawiera zbedne 'k'\n"
            ":7:1: blad: linia FIRST dla \"C\", ktory nie ma produkcji\n");
  EXPECT_EQ(komunikaty(produkcje + "%%\n", true),
            ":1:1: blad: brak linii FIRST dla \"S\"\n"
            ":2:1: blad: brak linii FIRST dla \"A\"\n"
            ":3:1: blad: brak linii FIRST dla \"B\"\n");
  const Projekt p;
  std::ostringstream sekcja;
  Analiza(model(produkcje, true), p.nazwy()).wypisz_sekcje_first(sekcja);
  EXPECT_EQ(komunikaty(produkcje + sekcja.str(), true), "");
}

// Left calls, productivity and reachability through groups within groups.
TEST(Zagniezdzone, ProdukcjePrzezGrupyWGrupach) {
  const std::string w = komunikaty("\"S\" = \"A\" 'k' { [ ( 'u' \"D\" | 'v' ) ] } .\n"
                                   "\"A\" = [ ( 'x' | \"B\" ) ] 'y' .\n"
                                   "\"B\" = { 'z' } \"A\" 'w' .\n"
                                   "\"C\" = ( [ 'a' ] \"C\" | ( 'b' \"C\" ) ) .\n"
                                   "\"D\" = 'd' .\n",
                                   true);
  EXPECT_NE(w.find(":2:17: blad: lewostronna rekursja: \"A\" -> \"B\" -> \"A\"\n"), std::string::npos) << w;
  EXPECT_NE(w.find(":4:1: blad: nieterminal \"C\" nie wyprowadza zadnego ciagu terminali\n"), std::string::npos) << w;
  EXPECT_NE(w.find(":4:1: ostrzezenie: nieterminal \"C\" jest nieosiagalny z \"S\"\n"), std::string::npos) << w;
  EXPECT_NE(w.find(":4:17: blad: lewostronna rekursja: \"C\" -> \"C\"\n"), std::string::npos) << w;
  EXPECT_EQ(w.find("\"D\" jest nieosiagalny"), std::string::npos) << w;
}

}  // namespace
