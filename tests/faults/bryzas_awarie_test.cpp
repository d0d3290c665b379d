// The generator when its output files cannot be created or written: every
// failure is reported on the console with the file and the reason, the exit
// status says what happened (1: a file of the grammar phase could not be
// created, the remaining files are still written; 3: the run ended on the
// failure), and every file written before the failure is complete.
#include <map>

#include "oczekiwane.h"
#include "proces.h"

namespace awarie {
namespace {

// The files of a clean run of the Kalk grammar, name to contents.
std::map<std::string, std::string> wzorzec() {
  Katalog k;
  k.zapisz("Kalk.gpa", kalk);
  const Wynik w = bryzas("Kalk", k);
  EXPECT_EQ(w.status, 0);
  std::map<std::string, std::string> pliki;
  for (std::string_view p : pliki_kalk) pliki[std::string(p)] = k.czytaj(std::string(p));
  return pliki;
}

class Bryzas : public ::testing::Test {
protected:
  void SetUp() override { k_.zapisz("Kalk.gpa", kalk); }

  // Each named file is exactly what a clean run writes.
  void kompletne(const std::vector<std::string_view>& pliki) {
    for (std::string_view p : pliki)
      EXPECT_EQ(k_.czytaj(std::string(p)), wzor_.at(std::string(p))) << p << " is not complete";
  }

  Katalog k_;
  const std::map<std::string, std::string> wzor_ = wzorzec();
};

// The reference itself: every file of a clean run is complete.
TEST_F(Bryzas, CzystyPrzebiegZapisujeWszystkiePlikiDoKonca) {
  const Wynik w = bryzas("Kalk", k_);
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.konsola, faza_kalk() + std::string(koniec));
  EXPECT_EQ(w.bledy, "");
  EXPECT_EQ(wzor_.at("Kalk.lst"), listing_kalk());
  for (std::string_view p : pliki_kalk) {
    const std::string& t = wzor_.at(std::string(p));
    EXPECT_TRUE(t.ends_with(ostatnia_linia(p))) << p << ":\n" << t;
  }
}

// What a run must do when one output file cannot be created or written.
struct Awaria {
  const char* plik;
  int status;
  std::string konsola;  // the whole console output
  std::vector<std::string_view> kompletne;
  std::vector<std::string_view> nieobecne;
  // The grammar was never read, so the scanner specification lists no token.
  bool bez_gramatyki = false;
};

void PrintTo(const Awaria& a, std::ostream* os) { *os << a.plik; }

std::string nazwa_testu(const ::testing::TestParamInfo<Awaria>& i) {
  std::string n = i.param.plik;
  for (char& c : n)
    if (c == '.') c = '_';
  return n;
}

std::string blad(std::string_view czynnosc, std::string_view plik, std::string_view powod) {
  return "*** blad: nie mozna " + std::string(czynnosc) + " pliku [" + std::string(plik) + "]: " +
         std::string(powod) + "\n";
}

// A file of the grammar phase that cannot be created is the phase's own
// error: reported without a line end, the package emitters still run.
const std::string nazwa_bledna = "Bledna nazwa pliku wejsciowego";

// The file cannot be created for the reason given (a directory stands in its
// place, or a file the user may not write).
std::vector<Awaria> nie_do_utworzenia(std::string_view powod) {
  const std::string przed_faza = poczatek("Kalk") + nazwa_bledna + std::string(koniec);
  const std::string po_fazie = faza_kalk();
  auto emiter = [&](const char* plik) { return po_fazie + blad("utworzyc", plik, powod); };
  return {
      {"Kalk_pars.ads", 1, przed_faza, {"Kalk_zbiory.ads", "Kalk_zbiory.adb", "Kalk.adb"},
       {"Kalk_pars.adb", "Kalk.lst", "Kalk.log"}, true},
      {"Kalk_pars.adb", 1, przed_faza, {"Kalk_zbiory.ads", "Kalk_zbiory.adb", "Kalk.adb"},
       {"Kalk.lst", "Kalk.log"}, true},
      {"Kalk.lst", 1, przed_faza, {"Kalk_zbiory.ads", "Kalk_zbiory.adb", "Kalk.adb"}, {"Kalk.log"},
       true},
      {"Kalk.log", 1, po_fazie + nazwa_bledna + std::string(koniec),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk_zbiory.ads", "Kalk_zbiory.adb",
        "Kalk_skan_t.ads", "Kalk.adb"},
       {}},
      {"Kalk_zbiory.ads", 3, emiter("Kalk_zbiory.ads"),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log"},
       {"Kalk_zbiory.adb", "Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk_zbiory.adb", 3, emiter("Kalk_zbiory.adb"),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads"},
       {"Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk_skan_t.ads", 3, emiter("Kalk_skan_t.ads"),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads",
        "Kalk_zbiory.adb"},
       {"Kalk.adb"}},
  };
}

// The file is a link to /dev/full: it opens, but no write reaches it. The
// package files and the listing are written out when they are closed, so a
// run fails there, after the lines that precede the close.
std::vector<Awaria> pelny_dysk() {
  const std::string zamkniecie = poczatek("Kalk") +
                                 "*** symbol poczatkowy gramatyki: 'Wyrazenie'\n"
                                 "*** wczytane linie :  5\n";
  auto pelny = [](const std::string& przed, const char* plik) {
    return przed + blad("zapisac", plik, "brak miejsca na dysku");
  };
  return {
      {"Kalk_pars.ads", 3, pelny(zamkniecie, "Kalk_pars.ads"), {"Kalk_pars.adb", "Kalk.lst"},
       {"Kalk.log", "Kalk_zbiory.ads", "Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk_pars.adb", 3, pelny(zamkniecie, "Kalk_pars.adb"), {"Kalk_pars.ads", "Kalk.lst"},
       {"Kalk.log", "Kalk_zbiory.ads", "Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk.lst", 3, pelny(zamkniecie, "Kalk.lst"), {"Kalk_pars.ads", "Kalk_pars.adb"},
       {"Kalk.log", "Kalk_zbiory.ads", "Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk.log", 3, pelny(faza_kalk(), "Kalk.log"), {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst"},
       {"Kalk_zbiory.ads", "Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk_zbiory.ads", 3, pelny(faza_kalk(), "Kalk_zbiory.ads"),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log"},
       {"Kalk_zbiory.adb", "Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk_zbiory.adb", 3, pelny(faza_kalk(), "Kalk_zbiory.adb"),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads"},
       {"Kalk_skan_t.ads", "Kalk.adb"}},
      {"Kalk_skan_t.ads", 3, pelny(faza_kalk(), "Kalk_skan_t.ads"),
       {"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads",
        "Kalk_zbiory.adb"},
       {"Kalk.adb"}},
  };
}

class Awaria_Pliku : public Bryzas, public ::testing::WithParamInterface<Awaria> {
protected:
  // The run reported the failure as the case says, wrote the files before it
  // in full and none of those after it.
  void sprawdz(const Awaria& a, const Wynik& w) {
    EXPECT_EQ(w.status, a.status);
    EXPECT_EQ(w.konsola, a.konsola);
    EXPECT_EQ(w.bledy, "");
    kompletne(a.kompletne);
    for (std::string_view p : a.nieobecne) EXPECT_FALSE(k_.jest(std::string(p))) << p << " was written";
  }
};

class Katalog_W_Miejscu_Pliku : public Awaria_Pliku {};

TEST_P(Katalog_W_Miejscu_Pliku, ZglaszaIZapisujeReszte) {
  const Awaria& a = GetParam();
  fs::create_directory(k_ / a.plik);
  const Wynik w = bryzas("Kalk", k_);
  sprawdz(a, w);
  EXPECT_TRUE(fs::is_empty(k_ / a.plik)) << "the directory was changed";
  if (a.bez_gramatyki) {
    EXPECT_NE(k_.czytaj("Kalk_skan_t.ads").find("\ntype Token_Kod is (Pusty);\n"), std::string::npos);
  }
}

INSTANTIATE_TEST_SUITE_P(Bryzas, Katalog_W_Miejscu_Pliku,
                         ::testing::ValuesIn(nie_do_utworzenia("to jest katalog")), nazwa_testu);

// A file of that name is there and the user may not write it: it is left as
// it was.
class Plik_Tylko_Do_Odczytu : public Awaria_Pliku {};

TEST_P(Plik_Tylko_Do_Odczytu, ZglaszaIZapisujeReszte) {
  WYMAGA_BEZ_UPRAWNIEN();
  const Awaria& a = GetParam();
  k_.oddaj_uzytkownikowi();
  k_.zapisz(a.plik, "stara tresc\n");
  fs::permissions(k_ / a.plik, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = bryzas("Kalk", k_, o);
  sprawdz(a, w);
  EXPECT_EQ(k_.czytaj(a.plik), "stara tresc\n");
}

INSTANTIATE_TEST_SUITE_P(Bryzas, Plik_Tylko_Do_Odczytu,
                         ::testing::ValuesIn(nie_do_utworzenia("brak uprawnien")), nazwa_testu);

class Pelny_Dysk : public Awaria_Pliku {};

TEST_P(Pelny_Dysk, ZglaszaStatusem3) {
  const Awaria& a = GetParam();
  fs::create_symlink("/dev/full", k_ / a.plik);
  const Wynik w = bryzas("Kalk", k_);
  sprawdz(a, w);
  EXPECT_EQ(fs::read_symlink(k_ / a.plik), "/dev/full");
}

INSTANTIATE_TEST_SUITE_P(Bryzas, Pelny_Dysk, ::testing::ValuesIn(pelny_dysk()), nazwa_testu);

// A grammar error does not hide a listing that could not be written: the
// error is reported, the package files are written, and then the failure.
TEST_F(Bryzas, PelnyDyskPoBledzieGramatykiDajeStatus3) {
  k_.zapisz("Kalk.gpa", "\"A\" = 'b' ?\n");
  fs::create_symlink("/dev/full", k_ / "Kalk.lst");
  const Wynik w = bryzas("Kalk", k_);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, poczatek("Kalk") +
                           "*** symbol poczatkowy gramatyki: 'A'\n"
                           "Blad skanera ( 9) - l: 1, k: 11: Niedozwolony znak\n" +
                           std::string(koniec) + blad("zapisac", "Kalk.lst", "brak miejsca na dysku"));
  EXPECT_TRUE(k_.czytaj("Kalk.adb").ends_with(ostatnia_linia("Kalk.adb")));
}

// A file may not grow beyond the limit of the process: the write fails and is
// reported, instead of the signal ending the run without a word.
TEST_F(Bryzas, LimitRozmiaruPlikuDajeStatus3) {
  std::string gramatyka;
  for (int i = 0; i < 200; ++i) gramatyka += "-- komentarz, ktory trafia do listingu i go wydluza\n";
  k_.zapisz("Kalk.gpa", gramatyka + std::string(kalk));
  Opcje o;
  o.limit_pliku = 4096;  // the listing needs about 11 kB, every other file less than 2 kB
  const Wynik w = bryzas("Kalk", k_, o);
  EXPECT_EQ(w.sygnal, 0) << "ended by a signal";
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, poczatek("Kalk") +
                           "*** symbol poczatkowy gramatyki: 'Wyrazenie'\n"
                           "*** wczytane linie :  205\n" +
                           blad("zapisac", "Kalk.lst", "za duzy plik"));
  EXPECT_EQ(w.bledy, "");
  kompletne({"Kalk_pars.ads", "Kalk_pars.adb"});
}

// The main procedure file: anything that opens for reading counts as present
// and is left alone; one that is there but cannot be opened ends the run.
TEST_F(Bryzas, GlownaJakoKatalogZostaje) {
  fs::create_directory(k_ / "Kalk.adb");
  const Wynik w = bryzas("Kalk", k_);
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(w.konsola, faza_kalk() + std::string(koniec));
  EXPECT_TRUE(fs::is_empty(k_ / "Kalk.adb"));
  kompletne({"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads",
             "Kalk_zbiory.adb", "Kalk_skan_t.ads"});
}

TEST_F(Bryzas, GlownaJakoLaczeDoUrzadzeniaZostaje) {
  fs::create_symlink("/dev/full", k_ / "Kalk.adb");
  const Wynik w = bryzas("Kalk", k_);
  EXPECT_EQ(w.status, 0);
  EXPECT_EQ(fs::read_symlink(k_ / "Kalk.adb"), "/dev/full");
}

TEST_F(Bryzas, NieczytelnaGlownaDajeStatus3) {
  WYMAGA_BEZ_UPRAWNIEN();
  k_.oddaj_uzytkownikowi();
  k_.zapisz("Kalk.adb", "-- moja procedura glowna\n");
  fs::permissions(k_ / "Kalk.adb", fs::perms::none);
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = bryzas("Kalk", k_, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, faza_kalk() + blad("otworzyc", "Kalk.adb", "brak uprawnien"));
  EXPECT_EQ(w.bledy, "");
  kompletne({"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads",
             "Kalk_zbiory.adb", "Kalk_skan_t.ads"});
  fs::permissions(k_ / "Kalk.adb", fs::perms::owner_read);
  EXPECT_EQ(k_.czytaj("Kalk.adb"), "-- moja procedura glowna\n");
}

// Nothing can be created in the directory: the grammar phase reports its
// name error, and the first package emitter ends the run.
TEST_F(Bryzas, KatalogTylkoDoOdczytu) {
  WYMAGA_BEZ_UPRAWNIEN();
  fs::permissions(k_.sciezka(), fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec |
                                    fs::perms::others_read | fs::perms::others_exec);
  if (::geteuid() != 0) fs::permissions(k_.sciezka(), fs::perms::owner_write, fs::perm_options::remove);
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = bryzas("Kalk", k_, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, poczatek("Kalk") + nazwa_bledna + "\n" +
                           blad("utworzyc", "Kalk_zbiory.ads", "brak uprawnien"));
  EXPECT_EQ(w.bledy, "");
  EXPECT_EQ(k_.spis(), std::vector<std::string>{"Kalk.gpa"});
}

// A console that takes nothing cannot report success.
TEST_F(Bryzas, PelnaKonsolaNieJestSukcesem) {
  Opcje o;
  o.wyjscie = "/dev/full";
  const Wynik w = bryzas("Kalk", k_, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.bledy, "");
  kompletne({"Kalk_pars.ads", "Kalk_pars.adb", "Kalk.lst", "Kalk.log", "Kalk_zbiory.ads",
             "Kalk_zbiory.adb", "Kalk_skan_t.ads", "Kalk.adb"});
}

}  // namespace
}  // namespace awarie
