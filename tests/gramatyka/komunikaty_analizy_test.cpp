// The analyser's table of messages as a whole: every text's places are
// numbered 1..n and named, filling replaces them all and only them, and the
// README's tables of the analyser's messages list exactly the table's
// entries, each with its kind and its arguments as the README names them.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "gramatyka/komunikaty_analizy.h"

namespace {

using bryzas_analiza::Komunikat_Analizy;
using bryzas_analiza::Rodzaj_Komunikatu;
using bryzas_analiza::Wzor_Komunikatu;
using bryzas_analiza::wzory_komunikatow;

std::vector<std::string_view> nazwy_argumentow(const Wzor_Komunikatu& w) {
  std::vector<std::string_view> v;
  for (std::string_view a : w.argumenty)
    if (!a.empty()) v.push_back(a);
  return v;
}

TEST(KomunikatyAnalizy, MiejscaNumerowaneOdJednegoBezLukINazwane) {
  std::set<std::string_view> teksty;
  for (const Wzor_Komunikatu& w : wzory_komunikatow()) {
    const std::string tekst(w.tekst);
    SCOPED_TRACE(tekst);
    EXPECT_TRUE(teksty.insert(w.tekst).second) << "the same text twice";
    std::set<int> numery;
    const std::regex miejsce(R"(\{(\d+)\})");
    for (auto m = std::sregex_iterator(tekst.begin(), tekst.end(), miejsce); m != std::sregex_iterator(); ++m)
      numery.insert(std::stoi((*m)[1]));
    // "{" and a digit always open a whole place.
    const std::regex otwarcie(R"(\{\d)");
    EXPECT_EQ(std::distance(std::sregex_iterator(tekst.begin(), tekst.end(), otwarcie), std::sregex_iterator()),
              std::distance(std::sregex_iterator(tekst.begin(), tekst.end(), miejsce), std::sregex_iterator()));
    const std::vector<std::string_view> nazwy = nazwy_argumentow(w);
    std::set<int> oczekiwane;
    for (std::size_t i = 1; i <= nazwy.size(); ++i) oczekiwane.insert(static_cast<int>(i));
    EXPECT_EQ(numery, oczekiwane);
    // Names without a gap, each its own, so that the README tells them apart.
    for (std::size_t i = nazwy.size(); i < w.argumenty.size(); ++i) EXPECT_TRUE(w.argumenty[i].empty());
    EXPECT_EQ(std::set<std::string_view>(nazwy.begin(), nazwy.end()).size(), nazwy.size());
  }
}

TEST(KomunikatyAnalizy, WypelnienieZastepujeKazdeMiejsce) {
  const std::vector<std::string_view> znaczniki = {"<#pierwszy#>", "<#drugi#>", "<#trzeci#>"};
  for (const Wzor_Komunikatu& w : wzory_komunikatow()) {
    SCOPED_TRACE(std::string(w.tekst));
    const std::size_t n = nazwy_argumentow(w).size();
    const std::string t = bryzas_analiza::wypelnij(w.tekst, std::span(znaczniki.data(), n));
    for (std::size_t i = 0; i < n; ++i) EXPECT_NE(t.find(znaczniki[i]), std::string::npos);
    EXPECT_FALSE(std::regex_search(t, std::regex(R"(\{\d)")));
  }
  // A brace of the notation stays, an argument is not read again for
  // places, and a place without its argument is the caller's fault.
  const std::vector<std::string_view> argumenty = {"{2}", "b"};
  EXPECT_EQ(bryzas_analiza::wypelnij("{ } {1}{2} {1}", argumenty), "{ } {2}b {2}");
  EXPECT_THROW(bryzas_analiza::wypelnij("{3}", argumenty), std::logic_error);
  EXPECT_EQ(bryzas_analiza::tresc(Komunikat_Analizy::bez_produkcji, {"\"A\""}), "nieterminal \"A\" nie ma produkcji");
  EXPECT_THROW(bryzas_analiza::tresc(Komunikat_Analizy::bez_produkcji), std::logic_error);
}

std::string_view rodzaj_w_readme(Rodzaj_Komunikatu r) {
  switch (r) {
    case Rodzaj_Komunikatu::blad: return "error";
    case Rodzaj_Komunikatu::ostrzezenie: return "warning";
    case Rodzaj_Komunikatu::blad_wyboru: return "choice error";
    case Rodzaj_Komunikatu::ostrzezenie_lub_blad: return "warning or error";
    case Rodzaj_Komunikatu::uwaga: return "note";
    case Rodzaj_Komunikatu::czesc: return "part";
  }
  return "?";
}

// The rows of the README's tables of messages: those of the analyser's
// section whose first cell is a kind.
std::set<std::string> wiersze_readme() {
  std::ifstream f(std::string(KATALOG_TESTOW) + "/../../README.md");
  std::stringstream ss;
  ss << f.rdbuf();
  const std::string readme = ss.str();
  const std::size_t od = readme.find("\n## Checking a grammar first: `bryzas_analiza`");
  const std::size_t do_ = readme.find("\n## ", od + 1);
  std::istringstream sekcja(readme.substr(od, do_ - od));
  const std::regex wiersz(R"(\| (error|warning|choice error|warning or error|note|part) \| `.*` \|)");
  std::set<std::string> w;
  for (std::string linia; std::getline(sekcja, linia);)
    if (std::regex_match(linia, wiersz)) w.insert(linia);
  return w;
}

TEST(KomunikatyAnalizy, ReadmeOpisujeKazdyKomunikatIZadnegoPonadTo) {
  const std::set<std::string> readme = wiersze_readme();
  ASSERT_FALSE(readme.empty()) << "no table of messages in the analyser's section of README.md";
  std::set<std::string> oczekiwane;
  for (const Wzor_Komunikatu& w : wzory_komunikatow()) {
    const std::vector<std::string_view> nazwy = nazwy_argumentow(w);
    std::string wiersz = "| ";
    wiersz.append(rodzaj_w_readme(w.rodzaj)).append(" | `");
    // A table cell writes '|' escaped, in code too.
    for (char c : bryzas_analiza::wypelnij(w.tekst, nazwy)) wiersz.append(c == '|' ? "\\|" : std::string(1, c));
    wiersz.append("` |");
    EXPECT_TRUE(readme.contains(wiersz)) << "README.md lacks: " << wiersz;
    oczekiwane.insert(wiersz);
  }
  for (const std::string& wiersz : readme) EXPECT_TRUE(oczekiwane.contains(wiersz)) << "no such message: " << wiersz;
}

}  // namespace
