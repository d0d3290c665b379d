// The shipped grammars: the examples are clean, the demo grammar gives its
// located conflicts, and a FIRST section computed by --first and pasted into
// a grammar without one makes a clean grammar whose parser decides alike.
#include <sys/wait.h>

#include <cstdlib>
#include <map>
#include <set>

#include "pomoc_analizy.h"

namespace {

using testy_analizy::W_Katalogu;
using testy_analizy::z_podsumowaniem;
namespace fs = std::filesystem;

using Przyklady = W_Katalogu;

const fs::path korzen = fs::path(KATALOG_TESTOW) / ".." / "..";

std::string czytaj(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// The grammar up to its FIRST section.
std::string bez_sekcji_first(const std::string& g) {
  auto i = g.find("\n%%\n");
  return i == std::string::npos ? g : g.substr(0, i + 1);
}

// The FIRST section that --first printed, from "%%" up to the counts.
std::string sekcja_z_wyjscia(const std::string& wyjscie) {
  auto a = wyjscie.rfind("\n%%\n");
  a = a == std::string::npos ? 0 : a + 1;
  auto b = wyjscie.find("*** bledy:", a);
  return wyjscie.substr(a, b - a);
}

// Each nonterminal's declared terminals, by name.
std::map<std::string, std::set<std::string>> deklaracje(const bryzas_analiza::Gramatyka& g) {
  std::map<std::string, std::set<std::string>> w;
  for (const auto& l : g.first)
    for (const auto& t : l.terminale)
      w[g.nieterminale.nazwa[static_cast<std::size_t>(l.nieterminal)]].insert(
          g.terminale.nazwa[static_cast<std::size_t>(t.nr)]);
  return w;
}

TEST_F(Przyklady, GramatykiPrzykladowSaCzyste) {
  for (const char* p : {"examples/kalk/Kalk.gpa", "examples/ini/Ini.gpa",
                        "examples/pierwszy/Kalk.gpa", "tests/ada/Wszystko.gpa"}) {
    const fs::path zrodlo = korzen / p;
    ASSERT_TRUE(fs::exists(zrodlo)) << p;
    fs::copy_file(zrodlo, zrodlo.filename(), fs::copy_options::overwrite_existing);
    auto w = uruchom({zrodlo.stem().string()});
    EXPECT_EQ(w.status, 0) << p;
    EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0)) << p;
  }
}

TEST_F(Przyklady, GramatykaDemoZKonfliktami) {
  fs::copy_file(korzen / "examples/analiza/Instr.gpa", "Instr.gpa");
  const std::string komunikaty =
      "Instr.gpa:4:26: blad: konflikt LL(1): powtorzenie { } i to, co po nim, zaczynaja sie od "
      "'Srednik' (parser powtorzy petle)\n"
      "Instr.gpa:5:34: blad: konflikt LL(1): galezie 1 i 2 zaczynaja sie od 'Nazwa' "
      "(wybrana bedzie galaz 1)\n"
      "Instr.gpa:13:32: ostrzezenie: FIRST \"Instrukcja\" zawiera zbedne 'Liczba'\n";
  auto w = uruchom({"Instr"});
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(komunikaty, 2, 1));
  w = uruchom({"--first", "Instr"});
  EXPECT_EQ(w.wyjscie, z_podsumowaniem(komunikaty +
                                           "%%\n"
                                           "\"Program\" : 'Pusta' 'Nazwa' .\n"
                                           "\"Instrukcja\" : 'Pusta' 'Nazwa' .\n"
                                           "\"Przypisanie\" : 'Nazwa' .\n"
                                           "\"Wywolanie\" : 'Nazwa' .\n"
                                           "\"Wyrazenie\" : 'Nazwa' 'Liczba' .\n",
                                       2, 1));
}

// The grammar with its FIRST section replaced by the computed one.
std::string z_wklejona_sekcja(const std::string& oryginal) {
  const std::string bez = bez_sekcji_first(oryginal);
  std::ostringstream os;
  W_Katalogu::zapisz("G.gpa", bez);
  bryzas_analiza::bryzas_analiza_uruchom({"--first", "G"}, os);
  return bez + sekcja_z_wyjscia(os.str());
}

TEST_F(Przyklady, WklejonaSekcjaFirstDajeCzystaGramatykeITeSameZbiory) {
  for (const char* p : {"examples/kalk/Kalk.gpa", "examples/ini/Ini.gpa"}) {
    const std::string oryginal = czytaj(korzen / p);
    const std::string wklejona = z_wklejona_sekcja(oryginal);
    // Without the section the groups have no sets to decide on.
    auto w = analizuj(bez_sekcji_first(oryginal));
    EXPECT_EQ(w.status, 1) << p;
    w = analizuj(wklejona);
    EXPECT_EQ(w.status, 0) << p;
    EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0)) << p;
    // The generated parser tests exactly these sets, so equal sets mean equal
    // decisions.
    EXPECT_EQ(deklaracje(model(wklejona)), deklaracje(model(oryginal))) << p;
  }
}

// printf %b of the case files: \n and \t.
std::string rozwin(const std::string& s) {
  std::string w;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '\\' && i + 1 < s.size() && (s[i + 1] == 'n' || s[i + 1] == 't')) {
      w += s[++i] == 'n' ? '\n' : '\t';
    } else {
      w += s[i];
    }
  }
  return w;
}

int polecenie(const std::string& p) {
  int s = std::system(p.c_str());
  return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

// The calculator built from its grammar with the pasted section gives, on
// every case of the example's own tests, the result the original gives.
TEST_F(Przyklady, KalkulatorZWklejonaSekcjaLiczyJakOryginal) {
  const fs::path bryzas = fs::read_symlink("/proc/self/exe").parent_path().parent_path() / "bryzas";
  const fs::path przypadki = korzen / "tests/examples/kalk_przypadki.txt";
  if (!fs::exists(bryzas) || !fs::exists(przypadki) ||
      polecenie("command -v gnatmake > /dev/null 2>&1") != 0)
    GTEST_SKIP() << "needs the built bryzas, GNAT and the calculator's cases";

  const fs::path kalk = korzen / "examples/kalk";
  zapisz("Kalk.gpa", z_wklejona_sekcja(czytaj(kalk / "Kalk.gpa")));
  fs::copy_file(kalk / "Kalk_skan.adb", "Kalk_skan.adb");
  fs::copy_file(kalk / "Kalk.adc", "Kalk.adc");
  ASSERT_EQ(polecenie("'" + bryzas.string() + "' Kalk > bryzas.out 2>&1"), 0) << czytaj("bryzas.out");
  ASSERT_EQ(polecenie("gnatmake -q -gnatec=Kalk.adc Kalk.adb > gnat.out 2>&1"), 0)
      << czytaj("gnat.out");

  std::ifstream f(przypadki);
  int ile = 0;
  for (std::string linia; std::getline(f, linia);) {
    if (linia.empty() || linia[0] == '#') continue;
    auto a = linia.rfind('|', linia.rfind('|') - 1);
    auto b = linia.rfind('|');
    const std::string wejscie = rozwin(linia.substr(0, a));
    const std::string oczekiwane = linia.substr(a + 1, b - a - 1);
    const int status = std::stoi(linia.substr(b + 1));
    zapisz("we.txt", wejscie);
    EXPECT_EQ(polecenie("./Kalk < we.txt > wy.txt 2>&1"), status) << linia;
    std::string wynik = czytaj("wy.txt");
    while (!wynik.empty() && wynik.back() == '\n') wynik.pop_back();
    EXPECT_EQ(wynik, oczekiwane) << linia;
    ++ile;
  }
  EXPECT_GT(ile, 20);
}

}  // namespace
