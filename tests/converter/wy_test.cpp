// The output file: whole lines, UTF-8 for ISO 8859-1 letters, checked writes.
#include <gtest/gtest.h>

#include <cerrno>

#include "blad_pliku.h"
#include "ostrew_wy.h"
#include "pomoc.h"

namespace ostrew {
namespace {

TEST(Wyjscie, LinieWUtf8) {
  test::Katalog kat;
  ostrew_wy wy;
  wy.otworz_plik_wy(kat / "a.xml");
  wy.pisz_plik_wy("<plik_ini>");
  wy.pisz_plik_wy("<wartosc>", "\xC0\xE9z\xFF", "</wartosc>");
  wy.zamknij_plik_wy();
  EXPECT_FALSE(wy.otwarty());
  EXPECT_EQ(test::wczytaj(kat / "a.xml"),
            "<plik_ini>\n<wartosc>\xC3\x80\xC3\xA9z\xC3\xBF</wartosc>\n");
}

TEST(Wyjscie, MalyBuforDajeTeSameBajty) {
  // Lines longer than the buffer, multi-byte characters across its end.
  test::Katalog kat;
  std::string oczekiwane;
  ostrew_wy wy(3);
  wy.otworz_plik_wy(kat / "a.xml");
  for (int i = 0; i < 50; ++i) {
    std::string x(static_cast<std::size_t>(i), static_cast<char>(i % 2 ? '\xF1' : 'q'));
    wy.pisz_plik_wy("<e>", x, "</e>");
    std::string x8;
    for (int j = 0; j < i; ++j) x8 += i % 2 ? "\xC3\xB1" : "q";
    oczekiwane += "<e>" + x8 + "</e>\n";
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
