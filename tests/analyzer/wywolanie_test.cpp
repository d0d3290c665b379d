// The analyser's command line, its exit statuses, the files it leaves (none)
// and the FIRST section of --first.
#include "pomoc_analizy.h"

namespace {

using testy_analizy::W_Katalogu;
namespace fs = std::filesystem;
using testy_analizy::z_podsumowaniem;

using Wywolanie = W_Katalogu;

const std::string pomoc =
    "Sposob uzycia:  bryzas_analiza [--first] <nazwa_projektu>\n"
    " gramatyka w pliku <nazwa_projektu>.gpa\n"
    " --first  po komunikatach wypisuje sekcje FIRST obliczona z produkcji\n"
    " --help   wypisuje ten opis\n"
    "Status: 0 bez bledow, 1 zgloszono blad, 2 bledne wywolanie, 3 nie mozna odczytac pliku\n";

TEST_F(Wywolanie, OdrzuconeWywolaniaIPomoc) {
  struct {
    std::vector<std::string> argumenty;
    std::string pierwsza_linia;
  } przypadki[] = {
      {{}, "Brak parametru z nazwa projektu !!\n"},
      {{"--first"}, "Brak parametru z nazwa projektu !!\n"},
      {{"a", "b"}, "Za duzo parametrow !!\n"},
      {{"G.gpa"}, "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!\n"},
      {{"a;b"}, "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!\n"},
      {{std::string(250, 'k')}, "Za dluga nazwa projektu (max 249 znakow) !!\n"},
      {{"--pierwsze", "G"}, "Nieznana opcja [--pierwsze] !!\n"},
  };
  for (const auto& c : przypadki) {
    auto w = uruchom(c.argumenty);
    EXPECT_EQ(w.status, 2) << c.pierwsza_linia;
    EXPECT_EQ(w.wyjscie, c.pierwsza_linia + pomoc);
  }
  auto w = uruchom({"G", "--help"});
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie, pomoc);
  EXPECT_TRUE(fs::is_empty(katalog_));
}

TEST_F(Wywolanie, NazwaZeSpacjamiNaBrzegachIDozwolonaDlugosc) {
  zapisz("G.gpa", "\"S\" = 'a' .\n");
  auto w = uruchom({"  G "});
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0));
  // The longest name that passes.
  const std::string dluga(249, 'k');
  zapisz(dluga + ".gpa", "\"S\" = 'a' .\n");
  w = uruchom({dluga});
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.wyjscie, z_podsumowaniem("", 0, 0));
}

TEST_F(Wywolanie, BrakGramatykiLubKatalogZamiastPliku) {
  auto w = uruchom({"G"});
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.wyjscie, "*** blad: nie mozna otworzyc pliku [G.gpa]: brak pliku lub katalogu\n");
  fs::create_directory("G.gpa");
  w = uruchom({"G"});
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.wyjscie.rfind("*** blad: nie mozna ", 0), 0u) << w.wyjscie;
  EXPECT_NE(w.wyjscie.find("[G.gpa]"), std::string::npos) << w.wyjscie;
}

TEST_F(Wywolanie, NieZostawiaListinguAniInnychPlikow) {
  analizuj("\"S\" = 'a' .\n");
  analizuj("\"S\" = = .\n");
  std::vector<std::string> pliki;
  for (const auto& e : fs::directory_iterator(katalog_)) pliki.push_back(e.path().filename());
  EXPECT_EQ(pliki, (std::vector<std::string>{"G.gpa"}));
}

TEST_F(Wywolanie, SekcjaFirstPoKomunikatachPrzedPodsumowaniem) {
  // "X" has no production and gets no line; terminals stand in order of
  // first appearance, whatever the order of the hand-written line.
  auto w = analizuj(
      "\"S\" = [ \"B\" ] \"P\" ( 'a' | \"X\" ) 'c' .\n"
      "\"B\" = ( 'b' | 'z' ) .\n"
      "\"P\" = [ 'p' ] .\n"
      "\"U\" = 'u' .\n"
      "%%\n"
      "\"B\" : 'z' 'b' .\n",
      true);
  EXPECT_EQ(w.status, 1);
  EXPECT_EQ(w.wyjscie,
            "G.gpa:1:27: blad: nieterminal \"X\" nie ma produkcji\n"
            "G.gpa:4:1: ostrzezenie: nieterminal \"U\" jest nieosiagalny z \"S\"\n"
            "%%\n"
            "\"S\" : 'a' 'b' 'z' 'p' .\n"
            "\"B\" : 'b' 'z' .\n"
            "\"P\" : 'p' .\n"
            "\"U\" : 'u' .\n"
            "*** bledy: 1, ostrzezenia: 1\n");
}

TEST_F(Wywolanie, FirstWKazdymMiejscuWierszaPolecen) {
  zapisz("G.gpa", "\"S\" = 'a' .\n");
  const std::string oczekiwane = "%%\n\"S\" : 'a' .\n*** bledy: 0, ostrzezenia: 0\n";
  EXPECT_EQ(uruchom({"--first", "G"}).wyjscie, oczekiwane);
  EXPECT_EQ(uruchom({"G", "--first"}).wyjscie, oczekiwane);
}

}  // namespace
