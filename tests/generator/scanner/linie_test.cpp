// Reading the grammar file: line ends, long lines, NUL, the listing, and
// files that cannot be read.
#include <cerrno>

#include "przebieg.h"

namespace {

using bryzas::Token_Kod;

TEST_F(Skaner, ListingNumerujeKazdaLinie) {
  std::string tekst;
  for (int i = 0; i < 12; ++i) tekst += ".\n";
  auto p = skanuj(tekst);
  ASSERT_FALSE(p.blad);
  EXPECT_TRUE(p.listing.starts_with(" 1: .\n 2: .\n")) << p.listing;
  EXPECT_TRUE(p.listing.ends_with(" 8: .\n 9: .\n 10: .\n 11: .\n 12: .\n")) << p.listing;
  EXPECT_EQ(p.tokeny.size(), 13u);

  // Trailing empty lines are read, counted and listed too.
  p = skanuj("'a'\n\n\n");
  EXPECT_EQ(p.listing, " 1: 'a'\n 2: \n 3: \n");
  EXPECT_EQ(p.tokeny.back().linia, 3);
  EXPECT_EQ(p.tokeny.back().kol, 3);
}

TEST_F(Skaner, KonceLinii) {
  auto p = skanuj("'a'\r\n'b'\r\n'c'");
  ASSERT_FALSE(p.blad);
  EXPECT_EQ(p.listing, " 1: 'a'\n 2: 'b'\n 3: 'c'\n");
  EXPECT_EQ(p.tokeny[1].linia, 2);
  EXPECT_EQ(p.tokeny[1].kol, 1);
  EXPECT_EQ(p.terminalne, (std::vector<std::string>{"a", "b", "c"}));

  // A CR that no LF follows belongs to the line.
  p = skanuj("'a'\r");
  EXPECT_EQ(p.listing, " 1: 'a'\r\n");
  EXPECT_EQ(p.blad, 9);
}

TEST_F(Skaner, DlugieLinieCzytaneKawalkami) {
  // 2500 characters give pieces of 1000, 1000 and 500, each a line; a name
  // may run over the cut.
  const std::string dluga = std::string(999, ' ') + "'ab'" + std::string(1497, ' ');
  auto p = skanuj(dluga + "\n.");
  ASSERT_FALSE(p.blad);
  ASSERT_EQ(p.tokeny.size(), 3u);
  EXPECT_EQ(p.tokeny[0].Wart, "ab");
  EXPECT_EQ(p.tokeny[0].linia, 1);
  EXPECT_EQ(p.tokeny[0].kol, 1000);
  EXPECT_EQ(p.tokeny[1].linia, 4);
  EXPECT_EQ(p.listing, " 1: " + dluga.substr(0, 1000) + "\n 2: " + dluga.substr(1000, 1000) +
                           "\n 3: " + std::string(500, ' ') + "\n 4: .\n");

  // Exactly 2000 characters: two pieces, no empty line after them, with
  // either line end.
  for (const char* koniec : {"\n", "\r\n"}) {
    p = skanuj(std::string(1999, ' ') + "." + koniec + ".");
    ASSERT_FALSE(p.blad);
    EXPECT_EQ(p.tokeny[0].linia, 2);
    EXPECT_EQ(p.tokeny[0].kol, 1000);
    EXPECT_EQ(p.tokeny[1].linia, 3);
    EXPECT_EQ(p.tokeny[1].kol, 1);
  }

  // A lone CR after a full piece starts the next piece.
  p = skanuj(std::string(1000, ' ') + "\rx");
  EXPECT_EQ(p.blad, 9);
  EXPECT_EQ(p.nr_linii, 2);
  EXPECT_EQ(p.nr_kol, 1);

  // A comment ends with its piece: the rest of a long line is read as text.
  p = skanuj("--" + std::string(1100, 'x'));
  EXPECT_EQ(p.blad, 9);
  EXPECT_EQ(p.nr_linii, 2);
  EXPECT_EQ(p.nr_kol, 1);
}

TEST_F(Skaner, CrLfNaGranicyBloku) {
  // 65 lines of 1000 bytes, then a line whose CR is the last byte of the
  // first 64 KiB block and whose LF is the first byte of the next.
  std::string tekst;
  for (int i = 0; i < 65; ++i) tekst += "--" + std::string(996, 'x') + "\r\n";
  tekst += "--" + std::string(533, 'y') + "\r\n'z'";
  ASSERT_EQ(tekst[65535], '\r');
  auto p = skanuj(tekst);
  ASSERT_FALSE(p.blad);
  ASSERT_EQ(p.tokeny.size(), 2u);
  EXPECT_EQ(p.tokeny[0].Wart, "z");
  EXPECT_EQ(p.tokeny[0].linia, 67);
  EXPECT_EQ(p.listing.find('\r'), std::string::npos);
  EXPECT_NE(p.listing.find(" 66: --" + std::string(533, 'y') + "\n 67: 'z'\n"), std::string::npos);
}

TEST_F(Skaner, NulKonczyWejscieNaZawsze) {
  auto p = skanuj(std::string("'a' \0 'b'\n'c'\n", 14), 2);
  ASSERT_FALSE(p.blad);
  ASSERT_EQ(p.tokeny.size(), 2u);
  EXPECT_EQ(p.tokeny[1].Kod, Token_Kod::KONIECPL);
  EXPECT_EQ(p.tokeny[1].linia, 1);
  EXPECT_EQ(p.tokeny[1].kol, 5);
  EXPECT_EQ(p.terminalne, std::vector<std::string>{"a"});
  // The line holding the NUL is listed as read; no later line is.
  EXPECT_EQ(p.listing, std::string(" 1: 'a' \0 'b'\n", 14));
}

TEST_F(Skaner, NulWKomentarzuTezKonczyWejscie) {
  auto p = skanuj(std::string("'a' -- x\0y\n'c'\n", 15), 2);
  ASSERT_FALSE(p.blad);
  ASSERT_EQ(p.tokeny.size(), 2u);
  EXPECT_EQ(p.tokeny[1].Kod, Token_Kod::KONIECPL);
  EXPECT_EQ(p.terminalne, std::vector<std::string>{"a"});
  EXPECT_EQ(p.listing, std::string(" 1: 'a' -- x\0y\n", 15));
}

TEST_F(Skaner, PlikBrakujacyLubNieczytelny) {
  bryzas::Plik_Wy lst;
  bryzas::bryzas_skan skan(lst);
  try {
    skan.otworz(sciezka("Brak.gpa"));
    FAIL() << "a missing file was opened";
  } catch (const bryzas::Blad_Pliku& b) {
    EXPECT_TRUE(b.brak_pliku());
    EXPECT_EQ(b.kod_errno(), ENOENT);
  }
  // A directory opens but cannot be read.
  try {
    skan.otworz(sciezka(""));
    FAIL() << "a directory was read";
  } catch (const bryzas::Blad_Pliku& b) {
    EXPECT_FALSE(b.brak_pliku());
    EXPECT_EQ(b.rodzaj(), bryzas::Blad_Pliku::Rodzaj::odczyt);
    EXPECT_EQ(b.kod_errno(), EISDIR);
  }
  skan.zamknij();
  skan.zamknij();
}

}  // namespace
