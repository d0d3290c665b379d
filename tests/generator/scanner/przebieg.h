// Runs the grammar scanner over a text written to a fresh temporary folder
// and keeps what a caller of the scanner can see.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "bryzas_skan.h"

struct Przebieg {
  std::vector<bryzas::Token_Typ> tokeny;  // up to the first KONIECPL
  std::optional<int> blad;                // number of the scanner error
  int nr_linii = 0, nr_kol = 0;           // where the scanner stopped
  std::vector<std::string> terminalne, nieterminalne;
  std::string listing;
};

class Skaner : public ::testing::Test {
protected:
  void SetUp() override {
    char szablon[] = "/tmp/testy_skan_XXXXXX";
    ASSERT_NE(mkdtemp(szablon), nullptr);
    katalog_ = szablon;
  }
  void TearDown() override { std::filesystem::remove_all(katalog_); }

  std::string sciezka(const std::string& nazwa) const { return (katalog_ / nazwa).string(); }

  std::string zapisz(std::string_view tresc) {
    const std::string plik = sciezka("G.gpa");
    std::ofstream(plik, std::ios::binary) << tresc;
    return plik;
  }

  // Scans `tresc` to its end or to the first error. `dodatkowe` more calls
  // are made after the first KONIECPL; each must give KONIECPL again without
  // moving the scanner.
  Przebieg skanuj(std::string_view tresc, int dodatkowe = 0) {
    Przebieg p;
    bryzas::Plik_Wy lst;
    lst.utworz(sciezka("G.lst"));
    {
      bryzas::bryzas_skan skan(lst);
      skan.otworz(zapisz(tresc));
      try {
        for (;;) {
          p.tokeny.push_back(skan.Skanuj());
          if (p.tokeny.back().Kod == bryzas::Token_Kod::KONIECPL) break;
        }
        for (int i = 0; i < dodatkowe; ++i) {
          auto t = skan.Skanuj();
          EXPECT_EQ(t.Kod, bryzas::Token_Kod::KONIECPL);
          EXPECT_EQ(skan.nr_linii, p.tokeny.back().linia);
          EXPECT_EQ(skan.nr_kol, p.tokeny.back().kol);
        }
      } catch (const bryzas::Blad_Skanera& b) {
        p.blad = b.nr;
        EXPECT_EQ(skan.nr_bledu_spec, b.nr);
      }
      p.nr_linii = skan.nr_linii;
      p.nr_kol = skan.nr_kol;
      p.terminalne = skan.tablsymterm.nazwy;
      p.nieterminalne = skan.tablsymnterm.nazwy;
      skan.zamknij();
      skan.zamknij();  // the driver closes again at the end of every run
    }
    lst.zamknij();
    std::ifstream we(sciezka("G.lst"), std::ios::binary);
    p.listing.assign(std::istreambuf_iterator<char>(we), {});
    return p;
  }

private:
  std::filesystem::path katalog_;
};
