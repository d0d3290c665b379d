// Whole runs of the grammar phase, one folder per case under przypadki/:
//   projekt  the project name
//   we/      files placed in the work directory first (the grammar)
//   wy/      every file the phase must create, byte for byte
//   konsola  the exact console output of the phase
//   status   1 when the phase must report an error, else 0
// No other file may appear, and the input files must stay unchanged.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "faza.h"
#include "pomoc.h"

namespace {

namespace fs = std::filesystem;

const fs::path katalog_przypadkow = fs::path(KATALOG_TESTOW) / "przypadki";

std::vector<std::string> przypadki() {
  std::vector<std::string> nazwy;
  for (const auto& e : fs::directory_iterator(katalog_przypadkow))
    if (e.is_directory()) nazwy.push_back(e.path().filename().string());
  std::sort(nazwy.begin(), nazwy.end());
  return nazwy;
}

// Regular files of a directory tree, by path relative to it, with contents.
std::map<std::string, std::string> pliki(const fs::path& katalog) {
  std::map<std::string, std::string> wynik;
  if (!fs::exists(katalog)) return wynik;
  for (const auto& e : fs::recursive_directory_iterator(katalog))
    if (e.is_regular_file())
      wynik[fs::relative(e.path(), katalog).string()] = testy::czytaj_plik(e.path());
  return wynik;
}

std::string bez_konca_linii(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

class Przypadek : public ::testing::TestWithParam<std::string> {};

TEST_P(Przypadek, PlikiIKonsolaBajtWBajt) {
  const fs::path zrodlo = katalog_przypadkow / GetParam();
  testy::Katalog_Tymczasowy praca;
  const auto wejscie = pliki(zrodlo / "we");
  if (fs::exists(zrodlo / "we")) fs::copy(zrodlo / "we", praca.sciezka(), fs::copy_options::recursive);

  const auto wynik = testy::uruchom_faze(
      praca.sciezka(), bez_konca_linii(testy::czytaj_plik(zrodlo / "projekt")));

  EXPECT_EQ(wynik.konsola, testy::czytaj_plik(zrodlo / "konsola"));
  EXPECT_EQ(wynik.blad ? "1" : "0", bez_konca_linii(testy::czytaj_plik(zrodlo / "status")));
  const auto oczekiwane = pliki(zrodlo / "wy");
  for (const auto& [nazwa, tresc] : pliki(praca.sciezka())) {
    if (auto o = oczekiwane.find(nazwa); o != oczekiwane.end())
      EXPECT_EQ(tresc, o->second) << "file " << nazwa;
    else if (auto w = wejscie.find(nazwa); w != wejscie.end())
      EXPECT_EQ(tresc, w->second) << "input file " << nazwa << " was changed";
    else
      ADD_FAILURE() << "unexpected file " << nazwa;
  }
  for (const auto& [nazwa, tresc] : oczekiwane)
    EXPECT_TRUE(fs::exists(praca.sciezka() / nazwa)) << "file " << nazwa << " was not written";
}

INSTANTIATE_TEST_SUITE_P(Gramatyki, Przypadek, ::testing::ValuesIn(przypadki()),
                         [](const auto& info) { return info.param; });

}  // namespace
