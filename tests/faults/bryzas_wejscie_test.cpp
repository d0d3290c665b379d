// The generator on grammar files that are not what a grammar should be: a
// directory, an unreadable file, an empty or binary file, NUL bytes, very
// long lines, CR LF line ends and a missing final line end. It never crashes
// or hangs; a grammar it cannot read ends the run with status 3, a grammar
// with errors is reported with status 1, and line ends never change what is
// generated.
#include <map>

#include "oczekiwane.h"
#include "proces.h"

namespace awarie {
namespace {

// The files of a run of the grammar text, with the listing left out.
struct Przebieg {
  Wynik wynik;
  std::map<std::string, std::string> pliki;
  std::string listing;
};

Przebieg przebieg(std::string_view gramatyka) {
  Katalog k;
  k.zapisz("Kalk.gpa", gramatyka);
  Przebieg p;
  p.wynik = bryzas("Kalk", k);
  for (std::string_view n : pliki_kalk)
    if (n != "Kalk.lst" && k.jest(std::string(n))) p.pliki[std::string(n)] = k.czytaj(std::string(n));
  if (k.jest("Kalk.lst")) p.listing = k.czytaj("Kalk.lst");
  return p;
}

// The listing line of line n: its number's image, ": ", the text.
std::string linia_listingu(int n, std::string_view tekst) {
  return " " + std::to_string(n) + ": " + std::string(tekst) + "\n";
}

std::string bez_konca_linii(std::string_view s) { return std::string(s.substr(0, s.size() - 1)); }

// Line 1 of the Kalk grammar without its line end.
const std::string linia_1 = "\"Wyrazenie\" = \"Liczba\" 'Plus' \"Liczba\" .";
// Lines 2 to 5 with their line ends.
const std::string linie_2_5(kalk.substr(linia_1.size() + 1));

TEST(Bryzas_Wejscie, KatalogZamiastGramatykiDajeStatus3) {
  Katalog k;
  fs::create_directory(k / "Kalk.gpa");
  const Wynik w = bryzas("Kalk", k);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, poczatek("Kalk") + "*** blad: nie mozna odczytac pliku [Kalk.gpa]: to jest katalog\n");
  EXPECT_EQ(w.bledy, "");
  EXPECT_EQ(k.spis(), std::vector<std::string>{"Kalk.gpa"});
}

TEST(Bryzas_Wejscie, NieczytelnaGramatykaDajeStatus3) {
  WYMAGA_BEZ_UPRAWNIEN();
  Katalog k;
  k.oddaj_uzytkownikowi();
  k.zapisz("Kalk.gpa", kalk);
  fs::permissions(k / "Kalk.gpa", fs::perms::none);
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = bryzas("Kalk", k, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, poczatek("Kalk") + "*** blad: nie mozna otworzyc pliku [Kalk.gpa]: brak uprawnien\n");
  EXPECT_EQ(w.bledy, "");
  EXPECT_EQ(k.spis(), std::vector<std::string>{"Kalk.gpa"});
}

// No production at all: the first token is the end of the file, before any
// line was read, so the report stands at line 0, column 0.
TEST(Bryzas_Wejscie, PustaGramatyka) {
  const Przebieg p = przebieg("");
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola, poczatek("Kalk") +
                                 "Blad parsera ( 12) - l: 0, k: 0: Bledna (brak) lewa strona produkcji\n" +
                                 std::string(koniec));
  EXPECT_EQ(p.listing, "-----^\nBlad parsera: Bledna (brak) lewa strona produkcji\n");
  EXPECT_EQ(p.pliki.count("Kalk.log"), 0u);
  EXPECT_NE(p.pliki.at("Kalk_skan_t.ads").find("\ntype Token_Kod is (Pusty);\n"), std::string::npos);
  EXPECT_TRUE(p.pliki.at("Kalk.adb").ends_with(ostatnia_linia("Kalk.adb")));
}

// Bytes 255 down to 1: the first one starts no token. Only the first line
// (up to the line feed, byte 10) has been read.
TEST(Bryzas_Wejscie, PlikBinarny) {
  std::string dane;
  for (int b = 255; b >= 1; --b) dane.push_back(static_cast<char>(b));
  const Przebieg p = przebieg(dane);
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola,
            poczatek("Kalk") + "Blad skanera ( 9) - l: 1, k: 1: Niedozwolony znak\n" + std::string(koniec));
  EXPECT_EQ(p.wynik.bledy, "");
  EXPECT_EQ(p.listing, linia_listingu(1, dane.substr(0, 245)) + "------^\nBlad skanera: Niedozwolony znak\n");
}

// A NUL byte ends the input where it stands: the rest of its line is listed
// with it, nothing after that line is read, and the two productions before
// it form a complete grammar without a FIRST section.
TEST(Bryzas_Wejscie, BajtNulKonczyWejscie) {
  const std::string linia_2 = std::string("\"Liczba\" = 'Cyfra' .") + '\0' + " %% smieci";
  const Przebieg p = przebieg(linia_1 + "\n" + linia_2 + "\n\"Nigdy\" = ( .\n");
  EXPECT_EQ(p.wynik.status, 0);
  EXPECT_EQ(p.wynik.konsola, poczatek("Kalk") +
                                 "*** symbol poczatkowy gramatyki: 'Wyrazenie'\n"
                                 "*** ostrzezenie: Brak sekcji FIRST !\n"
                                 "*** wczytane linie :  2\n"
                                 "*** generacja kodu ...\n" +
                                 std::string(koniec));
  EXPECT_EQ(p.listing, linia_listingu(1, linia_1) + linia_listingu(2, linia_2) + "\nBez bledu\n");
  EXPECT_EQ(p.pliki.at("Kalk.log"),
            "Plik: [ Kalk.gpa]\n\nTablica symboli nieterminalnych:\nWyrazenie\nLiczba\n\n"
            "Tablica symboli terminalnych:\nPlus\nCyfra\n\n");
}

// Long lines are read in pieces of 1000 characters, each numbered as a line;
// the pieces follow each other directly, so the grammar means the same and
// every generated file but the listing is that of the plain grammar.
TEST(Bryzas_Wejscie, DlugieLinie) {
  const Przebieg wzor = przebieg(kalk);
  ASSERT_EQ(wzor.wynik.status, 0);

  {  // exactly 1000 characters: one line
    std::string l = linia_1;
    l.resize(1000, ' ');
    const Przebieg p = przebieg(l + "\n" + linie_2_5);
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.wynik.konsola, wzor.wynik.konsola);
    EXPECT_EQ(p.pliki, wzor.pliki);
    EXPECT_TRUE(p.listing.starts_with(linia_listingu(1, l) + " 2: \"Liczba\""));
  }
  {  // 1001 characters: the closing "." is the second piece, line 2
    std::string l = bez_konca_linii(linia_1);
    l.resize(1000, ' ');
    const Przebieg p = przebieg(l + ".\n" + linie_2_5);
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.wynik.konsola, faza_kalk(6) + std::string(koniec));
    EXPECT_EQ(p.pliki.at("Kalk_pars.adb"), wzor.pliki.at("Kalk_pars.adb"));
    EXPECT_EQ(p.pliki.at("Kalk_pars.ads"), wzor.pliki.at("Kalk_pars.ads"));
    EXPECT_TRUE(p.listing.starts_with(linia_listingu(1, l) + linia_listingu(2, ".") +
                                      " 3: \"Liczba\""));
  }
  {  // 100 000 characters: the production stands in the last of 100 pieces
    std::string l = std::string(99000, ' ') + linia_1;
    l.resize(100000, ' ');
    const Przebieg p = przebieg(l + "\n" + linie_2_5);
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.wynik.konsola, faza_kalk(104) + std::string(koniec));
    EXPECT_EQ(p.pliki.at("Kalk_pars.adb"), wzor.pliki.at("Kalk_pars.adb"));
    std::string listing;
    for (int i = 0; i < 100; ++i) listing += linia_listingu(i + 1, std::string_view(l).substr(1000 * i, 1000));
    EXPECT_TRUE(p.listing.starts_with(listing + " 101: \"Liczba\""));
  }
  {  // an error in the 100th piece is reported at that line and column
    const std::string l = std::string(99999, ' ') + "?";
    const Przebieg p = przebieg(l + "\n");
    EXPECT_EQ(p.wynik.status, 1);
    EXPECT_EQ(p.wynik.konsola, poczatek("Kalk") + "Blad skanera ( 9) - l: 100, k: 1000: Niedozwolony znak\n" +
                                   std::string(koniec));
  }
}

// CR LF and a missing final line end change nothing that is generated, the
// listing included: the terminator is not part of a line.
TEST(Bryzas_Wejscie, KonceLinii) {
  const Przebieg wzor = przebieg(kalk);
  ASSERT_EQ(wzor.wynik.status, 0);
  std::string crlf;
  for (char c : kalk) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const std::string crlf_bez_konca = crlf.substr(0, crlf.size() - 2);
  for (const std::string& g : {crlf, bez_konca_linii(kalk), crlf_bez_konca}) {
    const Przebieg p = przebieg(g);
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.wynik.konsola, wzor.wynik.konsola);
    EXPECT_EQ(p.pliki, wzor.pliki);
    EXPECT_EQ(p.listing, listing_kalk());
  }
}

// A CR that is not followed by a line feed is an ordinary character, which
// starts no token.
TEST(Bryzas_Wejscie, SamotnyCrJestZnakiem) {
  const Przebieg p = przebieg(linia_1 + "\r\r\n" + linie_2_5);
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola, poczatek("Kalk") + "*** symbol poczatkowy gramatyki: 'Wyrazenie'\n" +
                                 "Blad skanera ( 9) - l: 1, k: " + std::to_string(linia_1.size() + 1) +
                                 ": Niedozwolony znak\n" + std::string(koniec));
}

// Half a megabyte of blank lines of every length, ended by CR LF, before the
// grammar: some CR LF pair falls on every boundary of the blocks the file is
// read in, and none of them may reach the scanner or change the count.
TEST(Bryzas_Wejscie, CrLfNaGranicachBlokow) {
  std::string g;
  int linie = 0;
  for (int dl = 0; g.size() < 500000; dl = (dl + 1) % 1000, ++linie) g += std::string(dl, ' ') + "\r\n";
  std::string crlf;
  for (char c : kalk) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
  const Przebieg p = przebieg(g + crlf);
  EXPECT_EQ(p.wynik.status, 0);
  EXPECT_EQ(p.wynik.konsola, faza_kalk(linie + 5) + std::string(koniec));
}

}  // namespace
}  // namespace awarie
