// The file written whole or not at all, in a process started without a
// standard input (from cron, or with 0<&-): the new file then gets
// descriptor 0, which is a file like any other.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "tests/katalog_testu.h"
#include "wspolne/plik_zastepczy.h"

namespace {

namespace fs = std::filesystem;

TEST(PlikZastepczy, BezWejsciaStandardowegoPiszeNaDeskryptorzeZero) {
  const testy::Katalog_Testu katalog("testy_zastepczy_");
  const std::string cel = katalog / "a.xml";
  const int wejscie = ::dup(0);
  ASSERT_GE(wejscie, 0);
  ::close(0);
  bool zastapiony = false;
  int fd = -1;
  try {
    wspolne::Plik_Zastepczy nowy(cel);
    wspolne::Deskryptor plik = nowy.wez_plik();
    fd = plik.fd();
    zastapiony = ::write(fd, "<a/>\n", 5) == 5;
    plik.zamknij(cel);
    nowy.zastap();
  } catch (const wspolne::Blad_Pliku&) {
    zastapiony = false;
  }
  ::dup2(wejscie, 0);
  ::close(wejscie);
  EXPECT_EQ(fd, 0);
  EXPECT_TRUE(zastapiony);
  std::ifstream we(cel, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(we), {}), "<a/>\n");
  // Nothing else is left beside it.
  EXPECT_EQ(std::distance(fs::directory_iterator(katalog.sciezka()), fs::directory_iterator()), 1);
}

}  // namespace
