// The scanner on whole files: tokens, line ends, long lines, errors.
#include <gtest/gtest.h>

#include <sstream>
#include <vector>

#include "blad_pliku.h"
#include "osw_skan.h"
#include "pomoc.h"

namespace ostrew {
namespace {

struct Wynik {
  std::string tokeny;  // e.g. "[ n:a ] n:k = l:1 $"; an error ends it with !nr or !zakres
  int linie;
};

// The tokens of the file, read in blocks of the given size.
Wynik skanuj_plik(const std::string& plik, std::size_t blok) {
  std::ostringstream konsola;
  osw_skan skan(konsola, blok);
  skan.otworz_plik_we(plik);
  std::string s;
  try {
    for (;;) {
      Token_Typ t = skan.Skanuj();
      switch (t.Kod) {
        case Token_Kod::LEWYNAWIASKW: s += "[ "; break;
        case Token_Kod::PRAWYNAWIASKW: s += "] "; break;
        case Token_Kod::ROWNE: s += "= "; break;
        case Token_Kod::PRZECINEK: s += ", "; break;
        case Token_Kod::NAZWA: s += "n:" + std::string(t.tekst()) + " "; break;
        case Token_Kod::LICZBA: s += "l:" + std::string(t.tekst()) + " "; break;
        case Token_Kod::NAPIS: s += "s:" + std::string(t.tekst()) + " "; break;
        default: s += "$"; return {s, skan.nr_linii()};
      }
    }
  } catch (const Blad_Skanera& b) {
    EXPECT_EQ(b.nr, skan.Nr_Bledu_Skan());
    s += "!" + std::to_string(b.nr);
  } catch (const Blad_Zakresu&) {
    s += "!zakres";
  }
  return {s, skan.nr_linii()};
}

Wynik skanuj(const std::string& tresc, std::size_t blok = osw_skan::domyslny_blok) {
  test::Katalog kat;
  test::zapisz(kat / "a.ini", tresc);
  return skanuj_plik(kat / "a.ini", blok);
}

void sprawdz(const std::string& we, const std::string& tokeny, int linie) {
  Wynik w = skanuj(we);
  EXPECT_EQ(w.tokeny, tokeny) << "wejscie: " << we;
  EXPECT_EQ(w.linie, linie) << "wejscie: " << we;
}

const std::string sto(100, 'a');
const std::string blanki(990, ' ');

TEST(Skaner, TokenyIBialeZnaki) {
  sprawdz("[serwer]\nport = 80\nnazwa = \"glowny\"\nopcje = 1, 2 ,tryb\n",
          "[ n:serwer ] n:port = l:80 n:nazwa = s:glowny n:opcje = l:1 , l:2 , n:tryb $", 4);
  sprawdz("k=007", "n:k = l:007 $", 1);
  sprawdz("_a1 a_2 1abc", "n:_a1 n:a_2 l:1 n:abc $", 1);
  sprawdz("", "$", 0);
  sprawdz("\n\n  \n; tylko komentarz\n", "$", 4);
}

TEST(Skaner, KoniecLiniiRozdzielaTokenyJakBlank) {
  sprawdz("[s]\nk = v\nk2 = w", "[ n:s ] n:k = n:v n:k2 = n:w $", 3);
  sprawdz("1\n2\n", "l:1 l:2 $", 2);
  sprawdz("[a]\n\"ab\ncd\"", "[ n:a ] !5", 2);  // a string does not go on past its line
}

TEST(Skaner, KomentarzeOdSrednikaDoKoncaLinii) {
  sprawdz("[a];k\nk=v;c=d\nx;\"\n", "[ n:a ] n:k = n:v n:x $", 3);
  sprawdz("k = \"ab;c\"", "n:k = !5", 1);
}

TEST(Skaner, LinieZakonczoneCrLf) {
  sprawdz("[a]\r\nk = 1\r\n\r\nx = \"y\"\r\n", "[ n:a ] n:k = l:1 n:x = s:y $", 4);
  sprawdz("k\rv", "n:k !9", 1);  // a lone CR is an ordinary character
  sprawdz("k = v\r", "n:k = n:v !9", 1);
}

TEST(Skaner, LiniaDluzszaNizTysiacZnakowCzytanaKawalkami) {
  // The pieces follow each other directly: a name or string over the
  // boundary stays whole, and each piece counts as a line.
  sprawdz(blanki + "abcdefghijklmnopqrst\nx\n", "n:abcdefghijklmnopqrst n:x $", 3);
  sprawdz(std::string(995, ' ') + "\"abcdefghij\"", "s:abcdefghij $", 2);
  sprawdz(std::string(2000, ' ') + "\na", "n:a $", 3);
  // A line of exactly 1000 characters is one piece, terminator LF or CR LF.
  sprawdz("k" + std::string(998, ' ') + "v\nw\n", "n:k n:v n:w $", 2);
  sprawdz("k" + std::string(998, ' ') + "a\r\nv", "n:k n:a n:v $", 2);
  sprawdz("k" + std::string(998, ' ') + "\r\nv\n", "n:k n:v $", 2);
  // A CR that ends a full piece without a LF after it is a character.
  sprawdz("k" + std::string(998, ' ') + "\rx\n", "n:k !9", 1);
  // A comment drops the rest of its piece only: from the last character of
  // the first piece, nothing; from the first of the second, all of it.
  sprawdz("k" + std::string(998, ' ') + ";abc def\nx\n", "n:k n:abc n:def n:x $", 3);
  sprawdz("k" + std::string(999, ' ') + ";abc def\nx\n", "n:k n:x $", 3);
}

TEST(Skaner, WynikNieZalezyOdRozmiaruBloku) {
  const Wynik wzory[] = {{"[ n:a ] n:k = l:1 s:abcdefghijklmnopqrst n:x = n:y !9", 8},
                         {"[ n:b ] n:a n:q = !0", 5}};
  const std::string wejscia[] = {
      "[a]\r\nk = 1 ;c\r\n\r\n" + blanki + "\"abcdefghijklmnopqrst\"\r\n" + std::string(1000, ' ') +
          "\r\nx=y\n" + std::string(999, ' ') + "\r\r\n",
      "[b]\n" + std::string(1998, ' ') + "a\r\n;" + std::string(900, 'z') +
          std::string("\nq=\"ab\0c", 8),
  };
  // Every small block: the end of the data falls on every character, on the
  // quick way and the general one.
  std::vector<std::size_t> bloki{999, 1000, 1001, osw_skan::domyslny_blok};
  for (std::size_t b = 2; b <= 300; ++b) bloki.push_back(b);
  test::Katalog kat;
  for (int i = 0; i < 2; ++i) {
    test::zapisz(kat / "a.ini", wejscia[i]);
    for (std::size_t blok : bloki) {
      Wynik w = skanuj_plik(kat / "a.ini", blok);
      ASSERT_EQ(w.tokeny, wzory[i].tokeny) << "blok " << blok;
      ASSERT_EQ(w.linie, wzory[i].linie) << "blok " << blok;
    }
  }
}

TEST(Skaner, LiniaPodgladuNaGranicyKawalkaNieZalezyOdBloku) {
  // After the second token the lookahead is the 1001st character of the
  // line. A CR that begins the line's terminator leaves it in the first
  // piece; a lone CR is the first character of the second piece. Wherever
  // the block ends, the count reported then (as a syntax error would) must
  // tell the two apart.
  struct Przypadek {
    std::string poczatek;  // the line's first 1000 characters
    int linie_crlf;
  };
  const Przypadek przypadki[] = {
      {"k" + std::string(998, ' ') + "[", 1},
      {"k" + std::string(997, ' ') + "ab", 1},
      {"k" + std::string(992, ' ') + "1234567", 1},
      {"k" + std::string(996, ' ') + "\"a\"", 1},
  };
  test::Katalog kat;
  for (const Przypadek& p : przypadki) {
    for (const std::string koniec : {"\r\nx", "\rx"}) {
      test::zapisz(kat / "a.ini", p.poczatek + koniec);
      const int linie = koniec == std::string("\r\nx") ? p.linie_crlf : p.linie_crlf + 1;
      for (std::size_t blok = 2; blok <= 1100; ++blok) {
        std::ostringstream konsola;
        osw_skan skan(konsola, blok);
        skan.otworz_plik_we(kat / "a.ini");
        skan.Skanuj();
        skan.Skanuj();
        ASSERT_EQ(skan.nr_linii(), linie) << p.poczatek.substr(990) << ", blok " << blok;
      }
    }
  }
}

TEST(Skaner, BledyLeksykalne) {
  sprawdz("\"ab", "!5", 1);
  sprawdz(std::string("\"ab\0", 4), "!0", 1);
  sprawdz(std::string("\"\0", 2), "!0", 1);
  sprawdz(sto + " " + sto + "b", "n:" + sto + " !2", 1);
  sprawdz(std::string(100, '0') + "\n" + std::string(101, '1'), "l:" + std::string(100, '0') + " !3", 2);
  sprawdz("\"\"", "!4", 1);
  sprawdz("\"1a\"", "!4", 1);
  sprawdz("\" a\"", "!4", 1);
  sprawdz("\"a b\"", "!5", 1);
  sprawdz("\"a\"\"b\"", "!5", 1);
  sprawdz("k = \"a\"\"b\" ;komentarz\n", "n:k = !5", 1);
  sprawdz("[a]\n\n\tk=1", "[ n:a ] !9", 3);
  sprawdz("a-b", "n:a !9", 1);
  sprawdz("1.5", "l:1 !9", 1);
}

TEST(Skaner, WartosciPozaZakresem) {
  sprawdz("2147483647 0002147483647", "l:2147483647 l:0002147483647 $", 1);
  sprawdz("2147483648", "!zakres", 1);
  sprawdz("10000000000", "!zakres", 1);
  sprawdz("\"" + sto + "\"", "s:" + sto + " $", 1);
  sprawdz("\"" + sto + "b\"", "!zakres", 1);
  sprawdz("\"" + sto + " \"", "!5", 1);  // the character is tested before it would be stored
}

TEST(Skaner, ZnakNulKonczyWejscie) {
  test::Katalog kat;
  test::zapisz(kat / "a.ini", std::string("[a]\nk=v\0[b]\nx=1\n", 16));
  std::ostringstream konsola;
  osw_skan skan(konsola);
  skan.otworz_plik_we(kat / "a.ini");
  for (int i = 0; i < 6; ++i) skan.Skanuj();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(skan.Skanuj().Kod, Token_Kod::KONIECPL);
  EXPECT_EQ(skan.nr_linii(), 2);
  sprawdz(std::string("\0abc\nd", 6), "$", 1);
}

TEST(Skaner, LiteryLatin1) {
  sprawdz("\xC0\xD6\xD8\xF6\xF8\xFF = \"\xE9t\xE9\"", "n:\xC0\xD6\xD8\xF6\xF8\xFF = s:\xE9t\xE9 $", 1);
  sprawdz("a\xD7", "n:a !9", 1);   // multiplication sign
  sprawdz("\xF7", "!9", 1);        // division sign
  sprawdz("\"a\xAA\"", "!5", 1);  // feminine ordinal: not a letter
}

TEST(Skaner, PobierzZnakDajeLfPoKazdejNiepustejLinii) {
  test::Katalog kat;
  test::zapisz(kat / "a.ini", "ab\n\r\ncd\n" + std::string(1000, 'x') + "y");
  std::ostringstream konsola;
  osw_skan skan(konsola);
  skan.otworz_plik_we(kat / "a.ini");
  std::string s;
  s += skan.pobierz_znak(false);
  s += skan.pobierz_znak(true);  // drops "b" and the line feed
  s += skan.pobierz_znak(false);
  s += skan.pobierz_znak(false);
  EXPECT_EQ(s, "acd\n");
  EXPECT_EQ(skan.nr_linii(), 3);
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(skan.pobierz_znak(false), 'x');
  EXPECT_EQ(skan.pobierz_znak(false), 'y');
  EXPECT_EQ(skan.pobierz_znak(false), '\n');
  EXPECT_EQ(skan.pobierz_znak(false), '\0');
  EXPECT_EQ(skan.pobierz_znak(true), '\0');
  EXPECT_EQ(skan.nr_linii(), 5);
}

TEST(Skaner, BrakPlikuIKatalogZamiastPliku) {
  test::Katalog kat;
  std::ostringstream konsola;
  osw_skan skan(konsola);
  try {
    skan.otworz_plik_we(kat / "b.ini");
    FAIL() << "brak wyjatku";
  } catch (const Blad_Pliku& e) {
    EXPECT_TRUE(e.brak_pliku());
  }
  EXPECT_EQ(konsola.str(), "\n*** Brak pliku we o nazwie 'a.ini' \n");

  std::ostringstream konsola2;
  osw_skan skan2(konsola2);
  try {
    skan2.otworz_plik_we(kat / "");
    FAIL() << "brak wyjatku";
  } catch (const Blad_Pliku& e) {
    EXPECT_FALSE(e.brak_pliku());
    EXPECT_EQ(e.opis(), "*** blad: nie mozna otworzyc pliku [" + (kat / "") + "]: to jest katalog");
  }
  EXPECT_EQ(konsola2.str(), "");
}

}  // namespace
}  // namespace ostrew
