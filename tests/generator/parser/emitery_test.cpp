// Edge cases of the code emitters and the shared line writer. The templates
// themselves are checked inside whole generated bodies (przypadki/).
#include <gtest/gtest.h>

#include "bryzas_kod.h"
#include "pomoc.h"

namespace {

using bryzas::bryzas_kod;
using bryzas::Pisarz_Kodu;
using bryzas::Plik_Wy;
using bryzas::Token_Kod;
using bryzas::Token_Typ;
using testy::w;

Token_Typ nt(const std::string& n) { return {Token_Kod::NAZWANT, n, 0, 0}; }
Token_Typ t(const std::string& n) { return {Token_Kod::NAZWAT, n, 0, 0}; }
Token_Typ kod(const std::string& k) { return {Token_Kod::KODSYM, k, 0, 0}; }
// No code after the name; the text left over from an earlier insert must
// not be read.
const Token_Typ bez_kodu{Token_Kod::PUSTY, "stary tekst", 0, 0};

// A body file in a temporary directory with the writer and emitters over it,
// starting inside a production body (indentation 2).
class Emitery : public ::testing::Test {
protected:
  Emitery() {
    plik_.utworz((kat_.sciezka() / "P_pars.adb").string());
    p_.glebiej();
  }
  std::string wynik() {
    plik_.zamknij();
    return testy::czytaj_plik(kat_.sciezka() / "P_pars.adb");
  }

  testy::Katalog_Tymczasowy kat_;
  Plik_Wy plik_;
  Pisarz_Kodu p_{plik_};
  bryzas_kod k_{p_};
};

TEST_F(Emitery, WstawkaBlokowa) {
  // Blanks only: the middle line is the indentation alone. Blanks inside
  // the code stay, a tab at its edge too (only blanks are trimmed).
  k_.gen_kod_wstawkod(kod("    "));
  k_.gen_kod_wstawkod(kod(" a  :=  b; "));
  k_.gen_kod_wstawkod(kod("\tx;"));
  k_.gen_kod_wstawkod(bez_kodu);
  k_.gen_kod_wstawkod(t("Plus"));
  EXPECT_EQ(p_.wciecie(), 2);
  EXPECT_EQ(wynik(), w(2, "-- wstawiony kod ") + w(2, "") + w(2, "-- koniec kodu ") +
                         w(2, "-- wstawiony kod ") + w(2, "a  :=  b;") + w(2, "-- koniec kodu ") +
                         w(2, "-- wstawiony kod ") + w(2, "\tx;") + w(2, "-- koniec kodu "));
}

TEST_F(Emitery, NazwaStuZnakowCalaIWielkoscLiterBezZmian) {
  const std::string dluga = "A" + std::string(98, 'b') + "Z";
  ASSERT_EQ(dluga.size(), 100u);
  k_.gen_kod_wyr1_nazwakod_1(nt(dluga), bez_kodu);
  k_.gen_kod_opcjaw_nazwakod_1(nt("mIeSzAnA"), bez_kodu);
  EXPECT_EQ(wynik(), w(2, dluga + ";") +
                         w(2, "if not (Zawiera_Sie(Tok.Kod,First_mIeSzAnA)) then exit;") +
                         w(2, "end if;") + w(2, "mIeSzAnA;"));
}

TEST(Pisarz, NumeryBledowICzyszczenieSpacji) {
  Plik_Wy f;
  Pisarz_Kodu p(f);
  EXPECT_EQ(p.nr_bl_str(), "100");
  EXPECT_EQ(p.nr_bl_str(), "101");
  EXPECT_EQ(bryzas::usun_spacje("  a b  "), "a b");
  EXPECT_EQ(bryzas::usun_spacje("   "), "");
  EXPECT_EQ(bryzas::usun_spacje("\ta\t"), "\ta\t");
  EXPECT_THROW(p.plycej(), std::logic_error);
}

TEST(Pisarz, LiniaDoInnegoPlikuZTymSamymWcieciem) {
  testy::Katalog_Tymczasowy kat;
  Plik_Wy a, b;
  a.utworz((kat.sciezka() / "a").string());
  b.utworz((kat.sciezka() / "b").string());
  Pisarz_Kodu p(a);
  p.glebiej();
  p.glebiej();
  p.linia_do(b, {"procedure ", "X", ";"});
  p.plycej();
  p.linia({"x"});
  bryzas::pisz_wiersz(a, {"bez", " wciecia"});
  a.zamknij();
  b.zamknij();
  EXPECT_EQ(testy::czytaj_plik(kat.sciezka() / "a"), w(2, "x") + w(0, "bez wciecia"));
  EXPECT_EQ(testy::czytaj_plik(kat.sciezka() / "b"), w(4, "procedure X;"));
}

}  // namespace
