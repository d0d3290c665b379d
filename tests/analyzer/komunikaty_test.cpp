// Every message of the analyser from a small grammar, with its exact line and
// column, its severity, and the exit status that follows from it.
#include "pomoc_analizy.h"

namespace {

using testy_analizy::W_Katalogu;
using testy_analizy::z_podsumowaniem;

using Komunikaty = W_Katalogu;

TEST_F(Komunikaty, CzystaGramatykaZSekcjaFirstIBezNiej) {
  const std::string produkcje =
      "\"Wyr\" = \"Skl\" { 'Plus' \"Skl\" } .\n"
      "\"Skl\" = \"Czyn\" { 'Razy' \"Czyn\" } .\n"
      "\"Czyn\" = ( 'Liczba' | 'LNaw' \"Wyr\" 'PNaw' ) .\n";
  // No group begins with a nonterminal, so no FIRST line is needed.
  auto w = analizuj(produkcje);
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0));

  w = analizuj(produkcje + "%%\n\"Wyr\" : 'LNaw' 'Liczba' .\n\"Czyn\" : 'Liczba' .\n"
                           "\"Czyn\" : 'LNaw' .\n");
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0));
}

TEST_F(Komunikaty, NieterminalBezProdukcjiRazPrzyPierwszymUzyciu) {
  auto w = analizuj("\"S\" = 'a' \"X\" \"X\" \"T\" .\n\"T\" = \"X\" .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem("G.gpa:1:11: blad: nieterminal \"X\" nie ma produkcji\n", 1, 0));
}

TEST_F(Komunikaty, NieosiagalnaProdukcjaToOstrzezenie) {
  auto w = analizuj("\"S\" = 'a' .\n\"U\" = 'b' \"V\" .\n\"V\" = 'c' .\n");
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(
                           "G.gpa:2:1: ostrzezenie: nieterminal \"U\" jest nieosiagalny z \"S\"\n"
                           "G.gpa:3:1: ostrzezenie: nieterminal \"V\" jest nieosiagalny z \"S\"\n",
                           0, 2));
}

TEST_F(Komunikaty, NieproduktywnyAleNieZPowoduBrakujacejProdukcji) {
  // "Q" uses the undefined "X" and is not blamed for it; "P" only calls
  // itself; "S" is productive because the option may be skipped.
  auto w = analizuj(
      "\"S\" = 'a' [ \"P\" ] \"Q\" .\n"
      "\"P\" = 'p' \"P\" .\n"
      "\"Q\" = 'q' \"X\" .\n"
      "%%\n"
      "\"P\" : 'p' .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:2:1: blad: nieterminal \"P\" nie wyprowadza zadnego ciagu terminali\n"
                "G.gpa:3:11: blad: nieterminal \"X\" nie ma produkcji\n",
                2, 0));
}

TEST_F(Komunikaty, WJednymMiejscuBladPrzedOstrzezeniem) {
  auto w = analizuj("\"S\" = 'a' .\n\"U\" = 'u' \"U\" .\n");
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:2:1: blad: nieterminal \"U\" nie wyprowadza zadnego ciagu terminali\n"
                "G.gpa:2:1: ostrzezenie: nieterminal \"U\" jest nieosiagalny z \"S\"\n",
                1, 1));
}

TEST_F(Komunikaty, LewostronnaRekursjaRazNaCykl) {
  // Two cycles through "A"; each written from its earliest production and
  // placed at that production's call.
  auto w = analizuj(
      "\"S\" = \"A\" 'x' .\n"
      "\"A\" = ( \"B\" | \"S\" 'y' | 'a' ) .\n"
      "\"B\" = \"A\" 'b' .\n"
      "%%\n"
      "\"S\" : 'a' .\n"
      "\"B\" : 'a' .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:1:7: blad: lewostronna rekursja: \"S\" -> \"A\" -> \"S\"\n"
                "G.gpa:2:9: blad: lewostronna rekursja: \"A\" -> \"B\" -> \"A\"\n"
                "G.gpa:2:15: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'a' "
                "(wybrana bedzie galaz 1)\n"
                "G.gpa:2:25: blad: konflikt LL(1): galezie 1 i 3 zaczynaja sie od 'a' "
                "(wybrana bedzie galaz 1)\n",
                4, 0));
}

TEST_F(Komunikaty, LewostronnaRekursjaPrzezPustyPrzedrostek) {
  // The option in front can be skipped, so "L" calls itself first.
  auto w = analizuj(
      "\"L\" = [ \"N\" ] ( \"L\" 'x' | 'y' ) .\n"
      "\"N\" = 'n' .\n"
      "%%\n"
      "\"N\" : 'n' .\n"
      "\"L\" : 'n' 'y' .\n");
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:1:7: blad: konflikt LL(1): opcja [ ] i to, co po niej, zaczynaja sie "
                "od 'n' (parser wejdzie w opcje)\n"
                "G.gpa:1:17: blad: lewostronna rekursja: \"L\" -> \"L\"\n"
                "G.gpa:1:27: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'y' "
                "(wybrana bedzie galaz 1)\n",
                3, 0));
}

TEST_F(Komunikaty, BrakLiniiFirstTylkoDlaPoczatkuGrupy) {
  // "A" inside a group but not first needs no line; the message stands at
  // the first group that "A" begins.
  auto w = analizuj("\"S\" = [ 'x' \"A\" ] [ \"A\" ] 'b' { \"A\" } .\n\"A\" = 'a' .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(
                           "G.gpa:1:21: blad: brak linii FIRST dla \"A\", ktory zaczyna grupe\n",
                           1, 0));
}

TEST_F(Komunikaty, DeklarowanyFirstNiepelnyLubZbedny) {
  // "A" begins a branch, so its missing terminals are an error; "B" never
  // begins a group, so for it they are only a warning.
  auto w = analizuj(
      "\"S\" = ( \"A\" | 'c' ) \"B\" .\n"
      "\"A\" = ( 'a' | 'b' | 'q' ) .\n"
      "\"B\" = ( 'd' | 'e' ) .\n"
      "%%\n"
      "\"B\" : 'd' .\n"
      "\"A\" : 'a' .\n"
      "\"A\" : 'x' 'a' .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:5:1: ostrzezenie: FIRST \"B\" nie zawiera 'e' (zbior nieuzywany w parserze)\n"
                "G.gpa:6:1: blad: FIRST \"A\" nie zawiera 'b' 'q'\n"
                "G.gpa:7:7: ostrzezenie: FIRST \"A\" zawiera zbedne 'x'\n",
                1, 2));
}

TEST_F(Komunikaty, LiniaFirstBezProdukcji) {
  auto w = analizuj("\"S\" = 'a' .\n%%\n\"S\" : 'a' .\n\"D\" : 'd' .\n\"D\" : 'e' .\n");
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:4:1: ostrzezenie: linia FIRST dla \"D\", ktory nie ma produkcji\n"
                "G.gpa:5:1: ostrzezenie: linia FIRST dla \"D\", ktory nie ma produkcji\n",
                0, 2));
}

TEST_F(Komunikaty, KonfliktGaleziWskazujeGalazKtoraWygra) {
  // 'p' and 'q' go to branch 1 and 'r' to branch 2, never to branch 3.
  auto w = analizuj(
      "\"S\" = ( \"A\" | 'r' | \"B\" ) .\n"
      "\"A\" = ( 'p' | 'q' ) .\n"
      "\"B\" = ( 'q' | 'r' | 'p' ) .\n"
      "%%\n"
      "\"A\" : 'p' 'q' .\n"
      "\"B\" : 'q' 'r' 'p' .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:1:21: blad: konflikt LL(1): galezie 1 i 3 zaczynaja sie od 'p' 'q' "
                "(wybrana bedzie galaz 1)\n"
                "G.gpa:1:21: blad: konflikt LL(1): galezie 2 i 3 zaczynaja sie od 'r' "
                "(wybrana bedzie galaz 2)\n",
                2, 0));
}

TEST_F(Komunikaty, KonfliktZeZbednegoTerminalaWFirst) {
  auto w = analizuj("\"S\" = ( \"A\" | 'b' ) .\n\"A\" = 'a' .\n%%\n\"A\" : 'a' 'b' .\n");
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem(
                "G.gpa:1:15: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'b' "
                "(wybrana bedzie galaz 1); skutek zbednych terminali w FIRST\n"
                "G.gpa:4:11: ostrzezenie: FIRST \"A\" zawiera zbedne 'b'\n",
                1, 1));
}

TEST_F(Komunikaty, KonfliktOpcjiZTymCoPoNiej) {
  auto w = analizuj("\"S\" = [ 'a' 'b' ] 'a' .\n");
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(
                           "G.gpa:1:7: blad: konflikt LL(1): opcja [ ] i to, co po niej, "
                           "zaczynaja sie od 'a' (parser wejdzie w opcje)\n",
                           1, 0));
  // What follows an option at the end of a production is its FOLLOW set.
  w = analizuj("\"S\" = \"A\" 'a' .\n\"A\" = 'x' [ 'a' ] .\n");
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(
                           "G.gpa:2:11: blad: konflikt LL(1): opcja [ ] i to, co po niej, "
                           "zaczynaja sie od 'a' (parser wejdzie w opcje)\n",
                           1, 0));
}

TEST_F(Komunikaty, KonfliktPowtorzenia) {
  auto w = analizuj("\"S\" = { \"A\" } 'b' .\n\"A\" = ( 'a' | 'b' ) .\n%%\n\"A\" : 'a' 'b' .\n");
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(
                           "G.gpa:1:7: blad: konflikt LL(1): powtorzenie { } i to, co po nim, "
                           "zaczynaja sie od 'b' (parser powtorzy petle)\n",
                           1, 0));
  w = analizuj("\"S\" = { \"A\" } 'b' .\n\"A\" = 'a' .\n%%\n\"A\" : 'a' 'b' .\n");
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(
                           "G.gpa:1:7: blad: konflikt LL(1): powtorzenie { } i to, co po nim, "
                           "zaczynaja sie od 'b' (parser powtorzy petle); skutek zbednych "
                           "terminali w FIRST\n"
                           "G.gpa:4:11: ostrzezenie: FIRST \"A\" zawiera zbedne 'b'\n",
                           1, 1));
}

TEST_F(Komunikaty, PustyNaPoczatkuGrupy) {
  const std::string produkcje = "\"S\" = [ \"A\" 'x' ] 'y' .\n\"A\" = [ 'a' ] .\n%%\n";
  auto w = analizuj(produkcje + "\"A\" : 'a' .\n");
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("G.gpa:1:9: blad: \"A\" moze byc pusty na poczatku "
                                       "grupy; grupa nie zostanie wybrana dla 'x'\n",
                                       1, 0));
  // With 'x' declared nothing is lost, and 'x' is not an extra terminal.
  w = analizuj(produkcje + "\"A\" : 'a' 'x' .\n");
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem("G.gpa:1:9: ostrzezenie: \"A\" moze byc pusty na poczatku grupy\n",
                            0, 1));
}

TEST_F(Komunikaty, PustyNaPoczatkuGaleziGubiToCoPoGrupie) {
  auto w = analizuj("\"S\" = ( \"A\" | 'b' ) .\n\"A\" = [ 'a' ] .\n%%\n\"A\" : 'a' .\n");
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("G.gpa:1:9: blad: \"A\" moze byc pusty na poczatku "
                                       "galezi; galaz nie zostanie wybrana dla konca wejscia\n",
                                       1, 0));
  w = analizuj("\"S\" = ( \"A\" | 'b' ) [ 'c' ] .\n\"A\" = [ 'a' ] .\n%%\n\"A\" : 'a' .\n");
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem("G.gpa:1:9: blad: \"A\" moze byc pusty na poczatku galezi; galaz "
                            "nie zostanie wybrana dla 'c' i konca wejscia\n",
                            1, 0));
}

// "N0" = 'a' "N1" . ... "N<n-1>" = 'a' . : n productions and n nonterminals.
std::string lancuch(int n) {
  std::string g;
  for (int i = 0; i < n; ++i) {
    g += "\"N" + std::to_string(i) + "\" = 'a'";
    if (i + 1 < n) g += " \"N" + std::to_string(i + 1) + "\"";
    g += " .\n";
  }
  return g;
}

TEST_F(Komunikaty, LimityTablicGeneratora) {
  auto w = analizuj(lancuch(200));
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0));

  w = analizuj(lancuch(201));
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem("G.gpa:201:1: blad: za duzo produkcji (max 200)\n", 1, 0));

  std::string g = "\"S\" =\n";
  for (int i = 0; i <= 200; ++i) g += "'t" + std::to_string(i) + "'\n";
  w = analizuj(g + ".\n");
  EXPECT_EQ(w.wyjscie,
            z_podsumowaniem("G.gpa:202:1: blad: 't200' ponad limit 200 terminali generatora\n",
                            1, 0));
}

}  // namespace
