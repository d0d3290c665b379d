// The buffered output file: text for a file that is not open is a write
// failure naming the file, never lost silently; a file created again starts
// empty. (Files that fail on a full disk or a size limit are shown by whole
// runs of the generator.)
#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/katalog_testu.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/plik_wy.h"

namespace {

using wspolne::Blad_Pliku;
using wspolne::Plik_Wy;

class Plik : public ::testing::Test {
protected:
  std::string sciezka() const { return katalog_ / "wy.txt"; }
  std::string tresc() const {
    std::ifstream we(sciezka(), std::ios::binary);
    return {std::istreambuf_iterator<char>(we), {}};
  }

private:
  testy::Katalog_Testu katalog_{"testy_plik_"};
};

TEST_F(Plik, TekstDoNieotwartegoPlikuToBladZapisu) {
  Plik_Wy f;
  EXPECT_THROW(f.pisz("x"), Blad_Pliku);
  EXPECT_THROW(f.nowa_linia(), Blad_Pliku);
  EXPECT_THROW(f.pisz_znaki(1, ' '), Blad_Pliku);
  f.pisz("");  // nothing to write, nothing lost
  f.zamknij();

  // After the close as before the open.
  f.utworz(sciezka());
  f.pisz_linie("raz");
  f.zamknij();
  try {
    f.pisz_linie("dwa");
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
