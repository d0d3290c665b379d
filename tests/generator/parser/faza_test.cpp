// Runs of the grammar phase that do not fit a fixed case folder: file
// failures that must end the run, and the limit of 200 productions.
#include <gtest/gtest.h>

#include <unistd.h>

#include "faza.h"
#include "plik.h"
#include "pomoc.h"

namespace {

namespace fs = std::filesystem;
using bryzas::Blad_Pliku;

std::string ostatnia_linia(const std::string& s) {
  auto koniec = s.size() - (s.ends_with('\n') ? 1 : 0);
  auto poczatek = s.rfind('\n', koniec - 1);
  return s.substr(poczatek == std::string::npos ? 0 : poczatek + 1, koniec - (poczatek + 1));
}

// A grammar file that exists but cannot be read is no grammar error: the
// failure reaches the driver, which ends the run.
TEST(Faza, NieczytelnaGramatykaPrzerywaPrzebieg) {
  testy::Katalog_Tymczasowy kat;
  fs::create_directory(kat.sciezka() / "B.gpa");
  try {
    testy::uruchom_faze(kat.sciezka(), "B");
    FAIL() << "the phase returned";
  } catch (const Blad_Pliku& e) {
    EXPECT_FALSE(e.brak_pliku());
    EXPECT_NE(e.rodzaj(), Blad_Pliku::Rodzaj::utworzenie);
    EXPECT_EQ(e.plik(), "B.gpa");
  }
  EXPECT_FALSE(fs::exists(kat.sciezka() / "B.log"));
}

// A listing that cannot be written in full is never reported as success.
TEST(Faza, NieudanyZapisListinguPrzerywaPrzebieg) {
  if (!fs::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
  testy::Katalog_Tymczasowy kat;
  testy::zapisz_plik(kat.sciezka() / "B.gpa", "\"A\" = 'x' .\n");
  fs::create_symlink("/dev/full", kat.sciezka() / "B.lst");
  try {
    testy::uruchom_faze(kat.sciezka(), "B");
    FAIL() << "the phase returned";
  } catch (const Blad_Pliku& e) {
    EXPECT_EQ(e.rodzaj(), Blad_Pliku::Rodzaj::zapis);
    EXPECT_EQ(e.plik(), "B.lst");
  }
  EXPECT_FALSE(fs::exists(kat.sciezka() / "B.log"));
}

// 200 productions fit; the 201st left side is refused like a repeated one.
TEST(Faza, DwiesciePierwszaLewaStronaOdrzucona) {
  testy::Katalog_Tymczasowy kat;
  std::string gramatyka;
  for (int i = 1; i <= 201; ++i) gramatyka += "\"N" + std::to_string(i) + "\" = 'x' .\n";
  testy::zapisz_plik(kat.sciezka() / "B.gpa", gramatyka);

  const auto wynik = testy::uruchom_faze(kat.sciezka(), "B");

  EXPECT_TRUE(wynik.blad);
  EXPECT_EQ(ostatnia_linia(wynik.konsola),
            "Blad parsera ( 10) - l: 201, k: 7: Powtorzenie lewej strony produkcji");
  const std::string cialo = testy::czytaj_plik(kat.sciezka() / "B_pars.adb");
  EXPECT_NE(cialo.find("end N200;\n"), std::string::npos);
  EXPECT_EQ(cialo.find("N201"), std::string::npos);
  // The last production's check took the 200th error number.
  EXPECT_NE(cialo.find("Nr_Bledu_Pars:=299;"), std::string::npos);
  EXPECT_EQ(cialo.find("Nr_Bledu_Pars:=300;"), std::string::npos);
  EXPECT_FALSE(fs::exists(kat.sciezka() / "B.log"));
}

}  // namespace
