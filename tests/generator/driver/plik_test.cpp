// The buffered output file: text of any size reaches the file whole and in
// order, and text for a file that is not open is a failure, never lost.
#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "plik.h"

namespace {

namespace fs = std::filesystem;
using bryzas::Blad_Pliku;
using bryzas::Plik_Wy;

class Plik : public ::testing::Test {
protected:
  void SetUp() override {
    char szablon[] = "/tmp/testy_plik_XXXXXX";
    ASSERT_NE(mkdtemp(szablon), nullptr);
    katalog_ = szablon;
  }
  void TearDown() override { fs::remove_all(katalog_); }

  std::string sciezka() const { return (katalog_ / "wy.txt").string(); }
  std::string tresc() const {
    std::ifstream we(sciezka(), std::ios::binary);
    return {std::istreambuf_iterator<char>(we), {}};
  }

private:
  fs::path katalog_;
};

TEST_F(Plik, DuzeIMaleKawalkiPrzezGraniceBufora) {
  // Pieces small and large, indentations and whole lines, written so that
  // they straddle the ends of the 64 KiB buffer many times over.
  Plik_Wy f;
  f.utworz(sciezka());
  std::string wzor;
  for (int i = 0; i < 3000; ++i) {
    const std::string kawalek(static_cast<std::size_t>(i % 97), static_cast<char>('a' + i % 26));
    f.pisz(kawalek);
    wzor += kawalek;
    const std::size_t wciecie = static_cast<std::size_t>(i % 7) * 2;
    f.pisz_wiersz(wciecie, {"x", kawalek, "", "y"});
    wzor += std::string(wciecie, ' ') + "x" + kawalek + "y\n";
    f.pisz_znaki(static_cast<std::size_t>(i % 5), '-');
    wzor += std::string(static_cast<std::size_t>(i % 5), '-');
    f.nowa_linia();
    wzor += "\n";
  }
  // Larger than the whole buffer: a piece, a run of blanks and a line.
  const std::string duzy(200000, 'D');
  f.pisz(duzy);
  f.pisz_znaki(70000, ' ');
  f.pisz_wiersz(100000, {duzy, "!"});
  f.pisz_linie("koniec");
  wzor += duzy + std::string(70000, ' ') + std::string(100000, ' ') + duzy + "!\nkoniec\n";
  f.zamknij();
  const std::string zapisane = tresc();
  ASSERT_EQ(zapisane.size(), wzor.size());
  EXPECT_TRUE(zapisane == wzor);
}

TEST_F(Plik, TekstDoNieotwartegoPlikuToBladZapisu) {
  Plik_Wy f;
  EXPECT_THROW(f.pisz("x"), Blad_Pliku);
  EXPECT_THROW(f.nowa_linia(), Blad_Pliku);
  f.pisz("");  // nothing to write, nothing lost
  f.zamknij();

  // After the close as before the open.
  f.utworz(sciezka());
  f.pisz_linie("raz");
  f.zamknij();
  try {
    f.pisz_wiersz(2, {"dwa"});
    FAIL() << "a line written after the close was accepted";
  } catch (const Blad_Pliku& b) {
    EXPECT_EQ(b.rodzaj(), Blad_Pliku::Rodzaj::zapis);
    EXPECT_EQ(b.kod_errno(), EBADF);
    EXPECT_EQ(b.plik(), sciezka());
  }
  EXPECT_EQ(tresc(), "raz\n");

  // Created again, the file starts empty.
  f.utworz(sciezka());
  f.pisz_znaki(3, '.');
  f.zamknij();
  EXPECT_EQ(tresc(), "...");
}

}  // namespace
