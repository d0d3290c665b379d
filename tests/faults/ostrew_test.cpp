// The converter on failing disks and bad input. a.xml is either complete or
// the failure is reported: a file that cannot be read, created or written
// ends the run with status 3, a line naming the file and the reason, and
// "Blad!"; an input the converter rejects gives status 1.
#include "proces.h"

namespace awarie {
namespace {

constexpr std::string_view deklaracja = "<?xml version=\"1.0\"?>\n";

// a.xml for one section a with one key k and the given values.
std::string xml_a_k(std::initializer_list<std::string_view> wartosci) {
  std::string x = std::string(deklaracja) + "<plik_ini>\n<sekcja nazwa=\"a\" >\n<element nazwa=\"k\">\n";
  for (std::string_view w : wartosci) x += "<wartosc>" + std::string(w) + "</wartosc>\n";
  return x + "</element>\n</sekcja>\n</plik_ini>\n";
}

const std::string sukces = "** Poczatek\n** Koniec\n";

std::string awaria(std::string_view czynnosc, std::string_view plik, std::string_view powod) {
  return "** Poczatek\n*** blad: nie mozna " + std::string(czynnosc) + " pliku [" + std::string(plik) +
         "]: " + std::string(powod) + "\nBlad!\n";
}

struct Przebieg {
  Wynik wynik;
  std::string xml;
};

Przebieg przebieg(std::string_view ini) {
  Katalog k;
  k.zapisz("a.ini", ini);
  Przebieg p{ostrew(k), {}};
  if (k.jest("a.xml")) p.xml = k.czytaj("a.xml");
  EXPECT_EQ(p.wynik.bledy, "");
  return p;
}

TEST(Ostrew_Awarie, XmlJestKatalogiem) {
  Katalog k;
  k.zapisz("a.ini", "[a]\nk = 1\n");
  fs::create_directory(k / "a.xml");
  const Wynik w = ostrew(k);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("utworzyc", "a.xml", "to jest katalog"));
  EXPECT_EQ(w.bledy, "");
  EXPECT_TRUE(fs::is_empty(k / "a.xml"));
}

TEST(Ostrew_Awarie, KatalogTylkoDoOdczytu) {
  WYMAGA_BEZ_UPRAWNIEN();
  Katalog k;
  k.zapisz("a.ini", "[a]\nk = 1\n");
  fs::permissions(k.sciezka(), fs::perms::owner_read | fs::perms::owner_exec | fs::perms::others_read |
                                   fs::perms::others_exec | (::geteuid() == 0 ? fs::perms::owner_write
                                                                              : fs::perms::none));
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = ostrew(k, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("utworzyc", "a.xml", "brak uprawnien"));
  EXPECT_EQ(k.spis(), std::vector<std::string>{"a.ini"});
}

TEST(Ostrew_Awarie, XmlTylkoDoOdczytu) {
  WYMAGA_BEZ_UPRAWNIEN();
  Katalog k;
  k.oddaj_uzytkownikowi();
  k.zapisz("a.ini", "[a]\nk = 1\n");
  k.zapisz("a.xml", "stary\n");
  fs::permissions(k / "a.xml", fs::perms::owner_read | fs::perms::others_read);
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = ostrew(k, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("utworzyc", "a.xml", "brak uprawnien"));
  EXPECT_EQ(k.czytaj("a.xml"), "stary\n");
}

TEST(Ostrew_Awarie, PelnyDysk) {
  Katalog k;
  k.zapisz("a.ini", "[a]\nk = 1\n");
  fs::create_symlink("/dev/full", k / "a.xml");
  const Wynik w = ostrew(k);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("zapisac", "a.xml", "brak miejsca na dysku"));
  EXPECT_EQ(w.bledy, "");
}

// The lines written before a syntax error cannot reach the disk either: the
// failure is reported after the error, and it decides the status.
TEST(Ostrew_Awarie, PelnyDyskPoBledzieWejscia) {
  Katalog k;
  k.zapisz("a.ini", "k = 1\n");
  fs::create_symlink("/dev/full", k / "a.xml");
  const Wynik w = ostrew(k);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, "** Poczatek\nBlad parsera: 11 l: 1\n*** blad: nie mozna zapisac pliku [a.xml]: "
                       "brak miejsca na dysku\nBlad!\n");
}

TEST(Ostrew_Awarie, LimitRozmiaruPliku) {
  std::string ini;
  for (int i = 0; i < 200; ++i) ini += "[sekcja" + std::to_string(i) + "]\nklucz = wartosc\n";
  Katalog k;
  k.zapisz("a.ini", ini);
  Opcje o;
  o.limit_pliku = 4096;  // a.xml needs about 16 kB
  const Wynik w = ostrew(k, o);
  EXPECT_EQ(w.sygnal, 0) << "ended by a signal";
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("zapisac", "a.xml", "za duzy plik"));
  EXPECT_EQ(w.bledy, "");
}

TEST(Ostrew_Awarie, PelnaKonsolaNieJestSukcesem) {
  Katalog k;
  k.zapisz("a.ini", "[a]\nk = 1\n");
  Opcje o;
  o.wyjscie = "/dev/full";
  const Wynik w = ostrew(k, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(k.czytaj("a.xml"), xml_a_k({"1"}));
}

TEST(Ostrew_Wejscie, KatalogZamiastWejscia) {
  Katalog k;
  fs::create_directory(k / "a.ini");
  const Wynik w = ostrew(k);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("otworzyc", "a.ini", "to jest katalog"));
  EXPECT_EQ(w.bledy, "");
  EXPECT_EQ(k.spis(), std::vector<std::string>{"a.ini"});
}

TEST(Ostrew_Wejscie, NieczytelneWejscie) {
  WYMAGA_BEZ_UPRAWNIEN();
  Katalog k;
  k.oddaj_uzytkownikowi();
  k.zapisz("a.ini", "[a]\nk = 1\n");
  fs::permissions(k / "a.ini", fs::perms::none);
  Opcje o;
  o.bez_uprawnien = true;
  const Wynik w = ostrew(k, o);
  EXPECT_EQ(w.status, 3);
  EXPECT_EQ(w.konsola, awaria("otworzyc", "a.ini", "brak uprawnien"));
  EXPECT_EQ(k.spis(), std::vector<std::string>{"a.ini"});
}

TEST(Ostrew_Wejscie, PustyPlik) {
  const Przebieg p = przebieg("");
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola, "** Poczatek\nBlad parsera: 11 l: 0\n");
  EXPECT_EQ(p.xml, std::string(deklaracja) + "<plik_ini>\n");
}

// Bytes 255 down to 1: 255 to 248 are letters and form a name, which is not
// the "[" a file must begin with.
TEST(Ostrew_Wejscie, PlikBinarny) {
  std::string dane;
  for (int b = 255; b >= 1; --b) dane.push_back(static_cast<char>(b));
  const Przebieg p = przebieg(dane);
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola, "** Poczatek\nBlad parsera: 11 l: 1\n");
  EXPECT_EQ(p.xml, std::string(deklaracja) + "<plik_ini>\n");
}

// A NUL byte ends the input: the section after it is never read.
TEST(Ostrew_Wejscie, BajtNulKonczyWejscie) {
  const Przebieg p = przebieg(std::string("[a]\nk = 1\n") + '\0' + "[b]\nm = 2\n");
  EXPECT_EQ(p.wynik.status, 0);
  EXPECT_EQ(p.wynik.konsola, sukces);
  EXPECT_EQ(p.xml, xml_a_k({"1"}));
}

// Pieces of a long line follow each other directly: a name cut by the
// 1000-character boundary is one name, and every piece counts as a line.
TEST(Ostrew_Wejscie, DlugieLinie) {
  {
    std::string l = "k = 1";
    l.resize(1000, ' ');
    const Przebieg p = przebieg("[a]\n" + l + "\n");
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.xml, xml_a_k({"1"}));
  }
  {
    const std::string l = "k = 1," + std::string(992, ' ') + "abc";  // 1001 characters
    const Przebieg p = przebieg("[a]\n" + l + "\n");
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.xml, xml_a_k({"1", "abc"}));
  }
  {
    std::string l = "k = " + std::string(99990, ' ') + "tryb";  // 99 998 characters
    l.resize(100000, ' ');
    const Przebieg p = przebieg("[a]\n" + l + "\n");
    EXPECT_EQ(p.wynik.status, 0);
    EXPECT_EQ(p.xml, xml_a_k({"tryb"}));
    // Line 1, the 100 pieces of line 2, and the sign on the line after them.
    const Przebieg q = przebieg("[a]\n" + l + "\n-\n");
    EXPECT_EQ(q.wynik.status, 1);
    EXPECT_EQ(q.wynik.konsola, "** Poczatek\nBlad skanera: 9 l: 102\n");
  }
}

TEST(Ostrew_Wejscie, KonceLinii) {
  for (std::string_view ini : {"[a]\r\nk = 1\r\n", "[a]\nk = 1", "[a]\r\nk = 1"}) {
    const Przebieg p = przebieg(ini);
    EXPECT_EQ(p.wynik.status, 0) << ini;
    EXPECT_EQ(p.wynik.konsola, sukces);
    EXPECT_EQ(p.xml, xml_a_k({"1"}));
  }
  // A CR before another CR is an ordinary character, which starts no token.
  const Przebieg p = przebieg("[a]\nk = 1\r\r\n");
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola, "** Poczatek\nBlad skanera: 9 l: 2\n");
}

// A megabyte of blank lines of every length ended by CR LF puts a CR LF pair
// on every boundary of the blocks the input is read in; the line count at the
// error after them must be exact.
TEST(Ostrew_Wejscie, CrLfNaGranicachBlokow) {
  std::string ini = "[a]\r\nk = 1\r\n";
  int linie = 2;
  for (int dl = 0; ini.size() < 1000000; dl = (dl + 1) % 1000, ++linie) ini += std::string(dl, ' ') + "\r\n";
  const Przebieg p = przebieg(ini + "-\r\n");
  EXPECT_EQ(p.wynik.status, 1);
  EXPECT_EQ(p.wynik.konsola, "** Poczatek\nBlad skanera: 9 l: " + std::to_string(linie + 1) + "\n");
}

}  // namespace
}  // namespace awarie
