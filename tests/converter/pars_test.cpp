// The rule procedures and their XML; the token sets they test.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "osw_pars.h"
#include "pomoc.h"

namespace ostrew {
namespace {

struct Wynik {
  std::string xml;
  int blad;  // 0, or the syntax error raised
};

// Parses the text from the rule plik on and returns what it wrote.
Wynik parsuj_plik(const std::string& tresc, std::size_t blok = osw_skan::domyslny_blok) {
  test::Katalog kat;
  test::zapisz(kat / "a.ini", tresc);
  std::ostringstream konsola;
  osw_skan skan(konsola, blok);
  ostrew_wy wy;
  osw_pars pars(skan, wy, konsola);
  pars.init_zbiory();
  skan.otworz_plik_we(kat / "a.ini");
  wy.otworz_plik_wy(kat / "a.xml");
  int blad = 0;
  try {
    pars.tok = skan.Skanuj();
    pars.plik();
  } catch (const Blad_Parsera& b) {
    EXPECT_EQ(b.nr, pars.Nr_Bledu_Pars());
    blad = b.nr;
  }
  wy.zamknij_plik_wy();
  EXPECT_EQ(konsola.str(), "");
  return {test::wczytaj(kat / "a.xml"), blad};
}

TEST(Parser, SekcjeIElementyWKolejnosciWejscia) {
  Wynik w = parsuj_plik("[s]\nk = 1, \"a\", b\nk = 2\n[s]\nz=x\n");
  EXPECT_EQ(w.blad, 0);
  EXPECT_EQ(w.xml,
            "<plik_ini>\n"
            "<sekcja nazwa=\"s\" >\n"
            "<element nazwa=\"k\">\n<wartosc>1</wartosc>\n<wartosc>a</wartosc>\n"
            "<wartosc>b</wartosc>\n</element>\n"
            "<element nazwa=\"k\">\n<wartosc>2</wartosc>\n</element>\n"
            "</sekcja>\n"
            "<sekcja nazwa=\"s\" >\n"
            "<element nazwa=\"z\">\n<wartosc>x</wartosc>\n</element>\n"
            "</sekcja>\n"
            "</plik_ini>\n");
}

TEST(Parser, BladSkladniPrzerywaWPolowieLinii) {
  Wynik w = parsuj_plik("[a]\nk = =\n");
  EXPECT_EQ(w.blad, 16);
  EXPECT_EQ(w.xml, "<plik_ini>\n<sekcja nazwa=\"a\" >\n<element nazwa=\"k\">\n");
}

TEST(Parser, XmlNieZalezyOdRozmiaruBloku) {
  // Texts in the XML are views of the input block: wherever the block ends,
  // they must come out whole, Latin-1 letters encoded.
  const std::string wejscie = "[s]\r\n"
                              "k = 1, \"ab\xE9\", x\xFF_1 ; komentarz\n"
                              "\n"
                              "dluga = " + std::string(995, ' ') + "wartosc\n"
                              "[t]\n"
                              "_ = \"" + std::string(40, 'q') + "\"\n"
                              "z=007";
  const std::string xml = "<plik_ini>\n"
                          "<sekcja nazwa=\"s\" >\n"
                          "<element nazwa=\"k\">\n"
                          "<wartosc>1</wartosc>\n"
                          "<wartosc>ab\xC3\xA9</wartosc>\n"
                          "<wartosc>x\xC3\xBF_1</wartosc>\n"
                          "</element>\n"
                          "<element nazwa=\"dluga\">\n"
                          "<wartosc>wartosc</wartosc>\n"
                          "</element>\n"
                          "</sekcja>\n"
                          "<sekcja nazwa=\"t\" >\n"
                          "<element nazwa=\"_\">\n"
                          "<wartosc>" + std::string(40, 'q') + "</wartosc>\n"
                          "</element>\n"
                          "<element nazwa=\"z\">\n"
                          "<wartosc>007</wartosc>\n"
                          "</element>\n"
                          "</sekcja>\n"
                          "</plik_ini>\n";
  std::vector<std::size_t> bloki{osw_skan::domyslny_blok, 999, 1000, 1001, 4096};
  for (std::size_t b = 2; b <= 70; ++b) bloki.push_back(b);
  for (std::size_t blok : bloki) {
    Wynik w = parsuj_plik(wejscie, blok);
    EXPECT_EQ(w.blad, 0) << "blok " << blok;
    EXPECT_EQ(w.xml, xml) << "blok " << blok;
  }
}

TEST(ZbioryTokenow, DodawanieSumaIZerowanie) {
  Zbior_Tok pusty;
  Zbior_Tok a = pusty + Token_Kod::NAZWA;
  Zbior_Tok b = pusty + Token_Kod::KONIECPL + Token_Kod::LEWYNAWIASKW;
  EXPECT_EQ(a + Token_Kod::NAZWA, a);
  EXPECT_EQ(a + b, b + a);
  EXPECT_EQ(a + pusty, a);
  for (int k = 0; k < liczba_kodow; ++k) {
    auto kod = static_cast<Token_Kod>(k);
    EXPECT_EQ(Zawiera_Sie(kod, a + b), kod == Token_Kod::NAZWA || kod == Token_Kod::KONIECPL ||
                                           kod == Token_Kod::LEWYNAWIASKW);
    EXPECT_FALSE(Zawiera_Sie(kod, pusty));
  }
  Zeruj(b);
  EXPECT_EQ(b, pusty);
}

}  // namespace
}  // namespace ostrew
