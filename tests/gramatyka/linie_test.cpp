// The line reader of the grammar scanner, on texts whose pieces, CR LF
// pairs and block ends meet in every combination, read from a file in
// blocks and from a pipe in short reads: each piece, and where it begins. The scanner's own use of it (the
// listing, NUL, errors in long lines) is shown by whole runs of the generator.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "gramatyka/czytnik_linii.h"
#include "tests/katalog_testu.h"

namespace {

// A piece of a line and where in the file it begins.
using Kawalek = std::pair<std::size_t, std::string>;

// The pieces the rules give for a text: lines end at LF or CR LF, a final
// line end starts no further line, a line is cut into pieces of 1000 and an
// empty line is one empty piece.
std::vector<Kawalek> kawalki_wg_zasad(const std::string& t) {
  std::vector<Kawalek> w;
  for (std::size_t i = 0; i < t.size();) {
    const std::size_t lf = t.find('\n', i);
    const std::size_t kon = lf == std::string::npos ? t.size() : lf;
    std::size_t dl = kon - i;
    if (lf != std::string::npos && dl > 0 && t[kon - 1] == '\r') --dl;
    if (dl == 0) w.emplace_back(i, "");
    for (std::size_t p = 0; p < dl; p += 1000) w.emplace_back(i + p, t.substr(i + p, std::min<std::size_t>(1000, dl - p)));
    i = lf == std::string::npos ? t.size() : lf + 1;
  }
  return w;
}

// Some 300 KB of lines of awkward lengths around the piece size, with every
// kind of line end, lone CRs and NUL bytes (data to the reader), then `koncowka`.
std::string linie_roznej_dlugosci(const std::string& koncowka) {
  const std::size_t dlugosci[] = {0, 1, 2, 998, 999, 1000, 1001, 1999, 2000, 2001, 3333};
  const char* konce[] = {"\n", "\r\n", "\r\r\n", "\r", "\n\n"};
  std::string t;
  unsigned los = 12345;
  while (t.size() < 300000) {
    los = los * 1103515245u + 12345u;
    const std::size_t dl = dlugosci[(los >> 8) % std::size(dlugosci)];
    for (std::size_t j = 0; j < dl; ++j) t += static_cast<char>('a' + (j + t.size()) % 26);
    if (dl == 2) t[t.size() - 1] = '\0';
    t += konce[(los >> 16) % std::size(konce)];
  }
  return t + koncowka;
}

std::vector<Kawalek> czytaj_kawalki(const std::string& plik) {
  bryzas::Czytnik_Linii c;
  c.otworz(plik);
  std::vector<Kawalek> w;
  bryzas::Czytnik_Linii::Linia linia;
  while (!c.koniec()) {
    const std::size_t od = c.polozenie();
    w.emplace_back(od, std::string(linia.data(), c.czytaj(linia)));
  }
  return w;
}

class Czytnik : public ::testing::Test {
protected:
  std::string sciezka(const char* nazwa) const { return katalog_ / nazwa; }

private:
  testy::Katalog_Testu katalog_{"testy_linie_"};
};

TEST_F(Czytnik, KawalkiZPlikuWgZasad) {
  for (const char* koncowka : {"", "ostatnia bez konca", "\r", "x\r\n"}) {
    const std::string t = linie_roznej_dlugosci(koncowka);
    std::ofstream(sciezka("G.gpa"), std::ios::binary) << t;
    const auto kawalki = czytaj_kawalki(sciezka("G.gpa"));
    const auto wzor = kawalki_wg_zasad(t);
    ASSERT_EQ(kawalki.size(), wzor.size()) << koncowka;
    for (std::size_t i = 0; i < wzor.size(); ++i) ASSERT_EQ(kawalki[i], wzor[i]) << "piece " << i;
  }
}

TEST_F(Czytnik, KawalkiZPotokuKrotkimiPorcjami) {
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
  const auto kawalki = czytaj_kawalki(potok);
  pisarz.join();
  EXPECT_EQ(kawalki, kawalki_wg_zasad(t));
}

}  // namespace
