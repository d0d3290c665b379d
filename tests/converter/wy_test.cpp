// The output file: whole lines, UTF-8 for ISO 8859-1 letters, checked writes.
#include <gtest/gtest.h>

#include <cerrno>

#include "blad_pliku.h"
#include "ostrew_wy.h"
#include "pomoc.h"

namespace ostrew {
namespace {

// The text at the front of a longer string whose tail must never reach the
// file: that is how the scanner's block hands texts over.
struct Tekst_W_Bloku {
  Tekst_W_Bloku(const std::string& tekst, bool wysokie)
      : blok(tekst + std::string(ostrew_wy::krok, '#')), wysokie(wysokie), dl(tekst.size()) {}
  Tekst_Wy wy() const { return {std::string_view(blok).substr(0, dl), wysokie, true}; }

  std::string blok;
  bool wysokie;
  std::size_t dl;
};

std::string utf8(const std::string& latin1) {
  std::string s;
  for (char z : latin1) {
    auto c = static_cast<unsigned char>(z);
    if (c < 0x80) {
      s += z;
    } else {
      s += static_cast<char>(0xC0 | (c >> 6));
      s += static_cast<char>(0x80 | (c & 0x3F));
    }
  }
  return s;
}

TEST(Wyjscie, LinieZTekstemWUtf8) {
  test::Katalog kat;
  ostrew_wy wy;
  wy.otworz_plik_wy(kat / "a.xml");
  wy.pisz_plik_wy("<plik_ini>");
  wy.pisz_plik_wy("<wartosc>", Tekst_W_Bloku("\xC0\xE9z\xFF", true).wy(), "</wartosc>");
  wy.pisz_plik_wy("<e>", Tekst_Wy{"\xE9", true, false}, "</e>");  // the long way
  wy.zamknij_plik_wy();
  EXPECT_FALSE(wy.otwarty());
  EXPECT_EQ(test::wczytaj(kat / "a.xml"),
            "<plik_ini>\n<wartosc>\xC3\x80\xC3\xA9z\xC3\xBF</wartosc>\n<e>\xC3\xA9</e>\n");
}

TEST(Wyjscie, TekstyKazdejDlugosciBezBajtowZaNimi) {
  // Lengths around the copy strides, ASCII and Latin-1 alike, and texts too
  // long for the short way; the bytes after each text stay out of the file.
  test::Katalog kat;
  ostrew_wy wy;
  wy.otworz_plik_wy(kat / "a.xml");
  std::string oczekiwane;
  for (std::size_t n = 0; n <= 2 * ostrew_wy::krotki_tekst + 1; ++n) {
    std::string ascii(n, 'a'), latin1(n, '\xF1');
    for (std::size_t i = 0; i < n; i += 7) ascii[i] = static_cast<char>('0' + i % 10);
    wy.pisz_plik_wy("<element nazwa=\"", Tekst_W_Bloku(ascii, false).wy(), "\">");
    wy.pisz_plik_wy("<w>", Tekst_W_Bloku(latin1, true).wy(), "</w>");
    oczekiwane += "<element nazwa=\"" + ascii + "\">\n<w>" + utf8(latin1) + "</w>\n";
  }
  wy.zamknij_plik_wy();
  EXPECT_EQ(test::wczytaj(kat / "a.xml"), oczekiwane);
}

TEST(Wyjscie, MalyBuforDajeTeSameBajty) {
  // The buffer is written out after every line.
  test::Katalog kat;
  std::string oczekiwane;
  ostrew_wy wy(3);
  wy.otworz_plik_wy(kat / "a.xml");
  for (int i = 0; i < 250; i += 7) {
    std::string x(static_cast<std::size_t>(i), i % 2 ? '\xF1' : 'q');
    wy.pisz_plik_wy("<e>", Tekst_W_Bloku(x, i % 2).wy(), "</e>");
    wy.pisz_plik_wy("</s>");
    oczekiwane += "<e>" + utf8(x) + "</e>\n</s>\n";
  }
  wy.zamknij_plik_wy();
  EXPECT_EQ(test::wczytaj(kat / "a.xml"), oczekiwane);
}

TEST(Wyjscie, NieudanyZapisIUtworzenieToBledy) {
  ostrew_wy wy;
  wy.otworz_plik_wy("/dev/full");
  wy.pisz_plik_wy("<plik_ini>");
  try {
    wy.zamknij_plik_wy();
    FAIL() << "zapis na pelny dysk przeszedl";
  } catch (const Blad_Pliku& e) {
    EXPECT_EQ(e.opis(), "*** blad: nie mozna zapisac pliku [/dev/full]: brak miejsca na dysku");
  }
  EXPECT_FALSE(wy.otwarty());
  EXPECT_NO_THROW(wy.zamknij_plik_wy());  // the failure is reported once

  // A full buffer is written out before the next line: the failure shows there.
  ostrew_wy maly(16);
  maly.otworz_plik_wy("/dev/full");
  maly.pisz_plik_wy("<plik_ini>");
  maly.pisz_plik_wy("<e>", Tekst_W_Bloku("abcdefgh", false).wy(), "</e>");
  EXPECT_THROW(maly.pisz_plik_wy("</plik_ini>"), Blad_Pliku);
  EXPECT_FALSE(maly.otwarty());

  test::Katalog kat;
  try {
    wy.otworz_plik_wy(kat / "");
    FAIL() << "katalog otwarty do zapisu";
  } catch (const Blad_Pliku& e) {
    EXPECT_EQ(e.rodzaj(), Blad_Pliku::Rodzaj::utworzenie);
    EXPECT_EQ(e.kod_errno(), EISDIR);
  }
}

TEST(Wyjscie, UsUsuwaBlankiNaBrzegach) {
  EXPECT_EQ(us("  a b  "), "a b");
  EXPECT_EQ(us("   "), "");
  EXPECT_EQ(us("x"), "x");
}

}  // namespace
}  // namespace ostrew
