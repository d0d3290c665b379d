// The generated sets package, scanner specification and main procedure,
// compared byte for byte with the expected files.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "srodowisko.h"

namespace testy_pak {

using Zbiory = Projekt;
using Glowna = Projekt;

// Existing files are replaced; the terminals do not change the text.
TEST_F(Zbiory, PakietDemo1) {
  const std::string stary(5000, 'x');
  std::ofstream("Demo1_zbiory.ads") << stary;
  std::ofstream("Demo1_zbiory.adb") << stary;
  skan_.tablsymterm.nazwy = {"A", "B"};
  emitery_.gen_zbiory();
  EXPECT_EQ(czytaj("Demo1_zbiory.ads"), wzorzec("zbiory_demo1", "Demo1_zbiory.ads"));
  EXPECT_EQ(czytaj("Demo1_zbiory.adb"), wzorzec("zbiory_demo1", "Demo1_zbiory.adb"));
}

// The header shows the instant the project state carries, in UTC, without
// zero padding.
TEST_F(Zbiory, NaglowekZDataZeStanuProjektu) {
  pak_.epoka_zrodel = 951782399;  // 28 Feb 2000 23:59:59
  emitery_.gen_zbiory();
  const std::string poczatek =
      "-- pakiet Demo1_zbiory - tresc\n"
      "-- wygenerowano wg danych uzytkownia\n"
      "-- dnia  28. 2. 2000, godz.  23: 59: 59\n"
      "\n"
      "package body Demo1_zbiory is\n";
  EXPECT_EQ(czytaj("Demo1_zbiory.adb").substr(0, poczatek.size()), poczatek);
}

struct Przypadek_Skanera {
  const char* folder;
  const char* projekt;
  std::vector<std::string> terminale;
};

class Deklaracja_Kodow : public Projekt,
                         public ::testing::WithParamInterface<Przypadek_Skanera> {};

TEST_P(Deklaracja_Kodow, ZgodnaZeWzorcem) {
  const Przypadek_Skanera& p = GetParam();
  ustaw(p.projekt);
  skan_.tablsymterm.nazwy = p.terminale;
  emitery_.gen_skaner_spec();
  EXPECT_FALSE(pak_.pl_wyskans.otwarty());
  const std::string plik = std::string(p.projekt) + "_skan_t.ads";
  EXPECT_EQ(czytaj(plik), wzorzec(p.folder, plik));
}

// No terminals (also what a missing grammar file leaves), fewer than a line,
// exactly one full line, one more, two full lines, and the names of the INI
// grammar in their order of first appearance.
INSTANTIATE_TEST_SUITE_P(
    SkanerSpec, Deklaracja_Kodow,
    ::testing::Values(
        Przypadek_Skanera{"skan_0", "Demo1", {}},
        Przypadek_Skanera{"skan_2", "Demo1", {"NAZWA", "LICZBA"}},
        Przypadek_Skanera{"skan_6", "Demo1", {"A", "B", "C", "D", "E", "F"}},
        Przypadek_Skanera{"skan_7", "Demo1", {"A", "B", "C", "D", "E", "F", "G"}},
        Przypadek_Skanera{"skan_12", "Demo1",
                          {"a1", "b2", "c3", "d4", "e5", "f6", "g7", "h8", "i9", "j10", "k11",
                           "l12"}},
        Przypadek_Skanera{"skan_ini", "osw",
                          {"LEWYNAWIASKW", "NAZWA", "PRAWYNAWIASKW", "ROWNE", "PRZECINEK",
                           "NAPIS", "LICZBA"}}));

TEST_F(Glowna, BrakujacaJestPisana) {
  emitery_.gen_main();
  EXPECT_EQ(czytaj("Demo1.adb"), wzorzec("main_demo1", "Demo1.adb"));
}

// A main procedure that exists is the user's: neither its bytes nor its
// modification time change, even with another date.
TEST_F(Glowna, IstniejacaZostajeNietknieta) {
  const std::string wlasna = "with Demo1_Pars;\nprocedure Demo1 is begin null; end;";
  std::ofstream("Demo1.adb") << wlasna;
  const timespec dawno[2] = {{1000000000, 0}, {1000000000, 0}};
  ASSERT_EQ(utimensat(AT_FDCWD, "Demo1.adb", dawno, 0), 0);
  pak_.epoka_zrodel = 1893456000;
  emitery_.gen_main();
  EXPECT_EQ(czytaj("Demo1.adb"), wlasna);
  struct stat st {};
  ASSERT_EQ(stat("Demo1.adb", &st), 0);
  EXPECT_EQ(st.st_mtim.tv_sec, 1000000000);
}

TEST_F(Glowna, KatalogOTejNazwieZostajeNietkniety) {
  ASSERT_TRUE(fs::create_directory("Demo1.adb"));
  emitery_.gen_main();
  EXPECT_TRUE(fs::is_directory("Demo1.adb"));
  EXPECT_TRUE(fs::is_empty("Demo1.adb"));
}

// Opening a FIFO for reading would wait for a writer; the probe must not.
TEST_F(Glowna, KolejkaOTejNazwieNieWstrzymujeBiegu) {
  ASSERT_EQ(mkfifo("Demo1.adb", 0644), 0);
  alarm(20);  // a stalled probe ends the test process instead of hanging it
  emitery_.gen_main();
  alarm(0);
  EXPECT_EQ(fs::status("Demo1.adb").type(), fs::file_type::fifo);
}

}  // namespace testy_pak
