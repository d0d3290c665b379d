// The converter reads its input in blocks, and a token, a line end or the
// lookahead may fall on any block boundary: whatever the block size, the
// tokens, the line count and the XML must be those of the default block.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "converter/osw_pars.h"
#include "converter/osw_skan.h"
#include "tests/katalog_testu.h"

namespace ostrew {
namespace {

class Bloki : public ::testing::Test {
protected:
  std::string we(const std::string& tresc) const {
    std::ofstream(kat_ / "a.ini", std::ios::binary) << tresc;
    return kat_ / "a.ini";
  }
  std::string xml() const {
    std::ifstream f(kat_ / "a.xml", std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }

  // The tokens of the file and the line count at the end, "!nr" on an error.
  static std::string tokeny(const std::string& plik, std::size_t blok) {
    std::ostringstream konsola;
    Osw_Skan skan(konsola, blok);
    skan.otworz_plik_we(plik);
    std::string s;
    try {
      for (Token_Typ t = skan.Skanuj(); t.Kod != Token_Kod::KONIECPL; t = skan.Skanuj())
        s += std::to_string(static_cast<int>(t.Kod)) + ":" + std::string(t.tekst()) + " ";
    } catch (const Blad_Skanera& b) {
      s += "!" + std::to_string(b.nr);
    }
    return s + " @" + std::to_string(skan.nr_linii());
  }

  testy::Katalog_Testu kat_{"ostrew_bloki"};
};

TEST_F(Bloki, TokenyILinieNieZalezaOdBloku) {
  const std::string blanki(990, ' ');
  const std::string wejscia[] = {
      "[a]\r\nk = 1 ;c\r\n\r\n" + blanki + "\"abcdefghijklmnopqrst\"\r\n" + std::string(1000, ' ') +
          "\r\nx=y\n" + std::string(999, ' ') + "\r\r\n",
      "[b]\n" + std::string(1998, ' ') + "a\r\n;" + std::string(900, 'z') + std::string("\nq=\"ab\0c", 8),
      // A last line of one character, read alone: the file's line end is
      // still made up (error 4 after the quote, not 0).
      "[b]\nk=\n\"",
  };
  std::vector<std::size_t> bloki{999, 1000, 1001};
  for (std::size_t b = 2; b <= 300; ++b) bloki.push_back(b);
  for (const std::string& tresc : wejscia) {
    const std::string plik = we(tresc);
    const std::string wzor = tokeny(plik, Osw_Skan::domyslny_blok);
    for (std::size_t blok : bloki) ASSERT_EQ(tokeny(plik, blok), wzor) << "blok " << blok;
  }
}

TEST_F(Bloki, PodgladNaGranicyKawalkaLinii) {
  // After two tokens the lookahead is the 1001st character of the line: the
  // CR of a CR LF stays in the first piece, a lone CR starts the second.
  const auto k = [](std::size_t blanki, const char* reszta) { return "k" + std::string(blanki, ' ').append(reszta); };
  const std::vector<std::string> poczatki{k(998, "["), k(997, "ab"), k(992, "1234567"), k(996, "\"a\"")};
  for (const std::string& poczatek : poczatki) {
    for (const std::string koniec : {"\r\nx", "\rx"}) {
      const std::string plik = we(poczatek + koniec);
      const int linie = koniec == "\r\nx" ? 1 : 2;
      for (std::size_t blok = 2; blok <= 1100; ++blok) {
        std::ostringstream konsola;
        Osw_Skan skan(konsola, blok);
        skan.otworz_plik_we(plik);
        skan.Skanuj();
        skan.Skanuj();
        ASSERT_EQ(skan.nr_linii(), linie) << poczatek.substr(990) << ", blok " << blok;
      }
    }
  }
}

TEST_F(Bloki, XmlNieZalezyOdBloku) {
  // Texts in the XML are views of the input block: they must come out whole.
  const std::string plik = we("[s]\r\nk = 1, \"ab\xE9\", x\xFF_1 ; komentarz\n\ndluga = " +
                              std::string(995, ' ') + "wartosc\n[t]\n_ = \"" + std::string(40, 'q') +
                              "\"\nz=007");
  auto xml_dla = [&](std::size_t blok) {
    std::ostringstream konsola;
    Osw_Skan skan(konsola, blok);
    Ostrew_Wy wy;
    Osw_Pars pars(skan, wy, konsola);
    pars.init_zbiory();
    skan.otworz_plik_we(plik);
    wy.otworz_plik_wy(kat_ / "a.xml");
    pars.tok = skan.Skanuj();
    pars.plik();
    wy.zamknij_plik_wy();
    EXPECT_EQ(konsola.str(), "");
    return xml();
  };
  const std::string wzor = xml_dla(Osw_Skan::domyslny_blok);
  for (std::size_t blok = 2; blok <= 1001; blok = blok < 70 ? blok + 1 : blok + 31)
    ASSERT_EQ(xml_dla(blok), wzor) << "blok " << blok;
  EXPECT_NE(wzor.find("<wartosc>ab\xC3\xA9</wartosc>"), std::string::npos);
}

}  // namespace
}  // namespace ostrew
