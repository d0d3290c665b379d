// Reading the grammar file: line ends, long lines, NUL, the listing, files
// that cannot be read, and the line reader on its own.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <thread>

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

namespace {

// The pieces the rules give for a text: lines end at LF or CR LF, a final
// line end starts no further line, a line is cut into pieces of 1000 and an
// empty line is one empty piece.
std::vector<std::string> kawalki_wg_zasad(const std::string& t) {
  std::vector<std::string> w;
  std::size_t i = 0;
  while (i < t.size()) {
    const std::size_t lf = t.find('\n', i);
    const std::size_t kon = lf == std::string::npos ? t.size() : lf;
    std::size_t dl = kon - i;
    if (lf != std::string::npos && dl > 0 && t[kon - 1] == '\r') --dl;
    if (dl == 0) w.emplace_back();
    for (std::size_t p = 0; p < dl; p += 1000) w.push_back(t.substr(i + p, std::min<std::size_t>(1000, dl - p)));
    i = lf == std::string::npos ? t.size() : lf + 1;
  }
  return w;
}

// Some 300 KB of lines of awkward lengths around the piece size, with every
// kind of line end and lone CRs, so that pieces, CR LF pairs and block ends
// meet in every combination.
std::string linie_roznej_dlugosci(const std::string& koncowka) {
  const std::size_t dlugosci[] = {0, 1, 2, 998, 999, 1000, 1001, 1999, 2000, 2001, 3333};
  const char* konce[] = {"\n", "\r\n", "\r\r\n", "\r", "\n\n"};
  std::string t;
  unsigned los = 12345;
  while (t.size() < 300000) {
    los = los * 1103515245u + 12345u;
    const std::size_t dl = dlugosci[(los >> 8) % std::size(dlugosci)];
    for (std::size_t j = 0; j < dl; ++j) t += static_cast<char>('a' + (j + t.size()) % 26);
    t += konce[(los >> 16) % std::size(konce)];
  }
  return t + koncowka;
}

std::vector<std::string> czytaj_kawalki(bryzas::Czytnik_Linii& c) {
  std::vector<std::string> w;
  bryzas::Czytnik_Linii::Linia linia;
  while (!c.koniec()) w.emplace_back(linia.data(), c.czytaj(linia));
  return w;
}

TEST_F(Skaner, CzytnikDajeKawalkiWgZasad) {
  for (const char* koncowka : {"", "ostatnia bez konca", "\r", "x\r\n"}) {
    const std::string t = linie_roznej_dlugosci(koncowka);
    bryzas::Czytnik_Linii c;
    c.otworz(zapisz(t));
    const auto kawalki = czytaj_kawalki(c);
    const auto wzor = kawalki_wg_zasad(t);
    ASSERT_EQ(kawalki.size(), wzor.size()) << koncowka;
    for (std::size_t i = 0; i < wzor.size(); ++i) ASSERT_EQ(kawalki[i], wzor[i]) << "piece " << i;
  }
}

TEST_F(Skaner, CzytnikZPotokuKrotkimiPorcjami) {
  // Reads that return a few hundred bytes at a time split CR LF pairs and
  // pieces anywhere.
  const std::string t = linie_roznej_dlugosci("\r");
  const std::string potok = sciezka("potok");
  ASSERT_EQ(mkfifo(potok.c_str(), 0600), 0);
  std::thread pisarz([&] {
    const int fd = ::open(potok.c_str(), O_WRONLY);
    for (std::size_t i = 0; fd >= 0 && i < t.size(); i += 333) {
      const std::size_t n = std::min<std::size_t>(333, t.size() - i);
      if (::write(fd, t.data() + i, n) != static_cast<ssize_t>(n)) break;
      std::this_thread::sleep_for(std::chrono::microseconds(20));
    }
    if (fd >= 0) ::close(fd);
  });
  bryzas::Czytnik_Linii c;
  c.otworz(potok);
  const auto kawalki = czytaj_kawalki(c);
  pisarz.join();
  EXPECT_EQ(kawalki, kawalki_wg_zasad(t));
}

}  // namespace
