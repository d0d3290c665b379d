// The templates of the code emitters and the shared line writer, checked
// against the generated text they must produce line by line.
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

TEST_F(Emitery, SymbolWSekwencjiZWstawkaPoTerminalu) {
  k_.gen_kod_wyr1_nazwakod_1(nt("Skladnik"), bez_kodu);
  k_.gen_kod_wyr1_nazwakod_1(t("Plus"), kod("Dodaj;"));
  k_.gen_kod_wyr1_nazwakod_1(nt("Skladnik"), bez_kodu);
  EXPECT_EQ(p_.wciecie(), 2);
  EXPECT_EQ(wynik(), w(2, "Skladnik;") +
                         w(2, "if Tok.Kod=Plus then") +
                         w(4, "-- wstawiony kod ") +
                         w(4, "Dodaj;") +
                         w(4, "-- koniec kodu ") +
                         w(4, "-- tu wpisz obsluge tokena 'Plus'") +
                         w(4, "null;") +
                         w(4, "Tok:=Skanuj;") +
                         w(2, "else Nr_Bledu_Pars:=100; raise Blad_Parsera;") +
                         w(2, "end if;") +
                         w(2, "Skladnik;"));
}

TEST_F(Emitery, NieterminalNieBierzeNumeruAKolejneTerminaleRosna) {
  k_.gen_kod_wyr1_nazwakod_1(nt("A"), kod("x := 1;"));
  k_.gen_kod_wyr1_nazwakod_1(t("a"), bez_kodu);
  k_.gen_kod_wyr1_nazwakod_1(t("b"), bez_kodu);
  EXPECT_EQ(wynik(), w(2, "A;") +
                         w(2, "-- wstawiony kod ") +
                         w(2, "x := 1;") +
                         w(2, "-- koniec kodu ") +
                         w(2, "if Tok.Kod=a then") +
                         w(4, "-- tu wpisz obsluge tokena 'a'") +
                         w(4, "null;") +
                         w(4, "Tok:=Skanuj;") +
                         w(2, "else Nr_Bledu_Pars:=100; raise Blad_Parsera;") +
                         w(2, "end if;") +
                         w(2, "if Tok.Kod=b then") +
                         w(4, "-- tu wpisz obsluge tokena 'b'") +
                         w(4, "null;") +
                         w(4, "Tok:=Skanuj;") +
                         w(2, "else Nr_Bledu_Pars:=101; raise Blad_Parsera;") +
                         w(2, "end if;"));
}

TEST_F(Emitery, PierwszySymbolPowtorzenia) {
  // Terminal: exit test closed on its line, code before the comment, no null.
  k_.gen_kod_opcjaw_nazwakod_1(t("Przecinek"), kod("  Licz;  "));
  k_.gen_kod_opcjaw_nazwakod_2(nt("Arg"), bez_kodu);
  // Nonterminal: blank after "not", its end if on a line of its own.
  k_.gen_kod_opcjaw_nazwakod_1(nt("Znak"), kod("Z;"));
  EXPECT_EQ(p_.wciecie(), 2);
  EXPECT_EQ(wynik(), w(2, "if not(Tok.Kod=Przecinek) then exit; end if;") +
                         w(2, "-- wstawiony kod ") +
                         w(2, "Licz;") +
                         w(2, "-- koniec kodu ") +
                         w(2, "-- tu wpisz obsluge tokena 'Przecinek'") +
                         w(2, "Tok:=Skanuj;") +
                         w(2, "Arg;") +
                         w(2, "if not (Zawiera_Sie(Tok.Kod,First_Znak)) then exit;") +
                         w(2, "end if;") +
                         w(2, "Znak;") +
                         w(2, "-- wstawiony kod ") +
                         w(2, "Z;") +
                         w(2, "-- koniec kodu "));
}

TEST_F(Emitery, OpcjaZostawiaOtwartyIfODwaGlebiej) {
  k_.gen_kod_opcjaj_nazwakod_1(nt("Znak"), bez_kodu);
  EXPECT_EQ(p_.wciecie(), 4);
  k_.gen_kod_opcjaj_nazwakod_2(t("Liczba"), bez_kodu);
  p_.plycej();
  k_.gen_kod_opcjaj_nazwakod_1(t("Minus"), kod("Neg;"));
  EXPECT_EQ(p_.wciecie(), 4);
  EXPECT_EQ(wynik(), w(2, "if Zawiera_Sie(Tok.Kod,First_Znak) then") +
                         w(4, "Znak;") +
                         w(4, "if Tok.Kod=Liczba then") +
                         w(6, "-- tu wpisz obsluge tokena 'Liczba'") +
                         w(6, "null;") +
                         w(6, "Tok:=Skanuj;") +
                         w(4, "else Nr_Bledu_Pars:=100; raise Blad_Parsera;") +
                         w(4, "end if;") +
                         w(2, "if Tok.Kod=Minus then") +
                         w(4, "-- wstawiony kod ") +
                         w(4, "Neg;") +
                         w(4, "-- koniec kodu ") +
                         w(4, "-- tu wpisz obsluge tokena 'Minus'") +
                         w(4, "null;") +
                         w(4, "Tok:=Skanuj;"));
}

TEST_F(Emitery, GaleziePierwszaIfKolejneElsifKomentarzZSrednikiem) {
  k_.gen_kod_wyralbo_nazwakod_1(t("Liczba"), bez_kodu);
  EXPECT_EQ(p_.wciecie(), 4);
  p_.plycej();
  k_.gen_kod_wyralbo_nazwakod_3(nt("Wywolanie"), kod("W;"));
  p_.plycej();
  k_.gen_kod_wyralbo_nazwakod_3(t("LNawias"), kod("N;"));
  k_.gen_kod_wyralbo_nazwakod_2(nt("Wyr"), bez_kodu);
  k_.gen_kod_wyralbo_nazwakod_2(t("PNawias"), bez_kodu);
  p_.plycej();
  k_.gen_kod_wyralbo_nazwakod_1(nt("Sklad"), bez_kodu);
  EXPECT_EQ(wynik(), w(2, "if Tok.Kod=Liczba then") +
                         w(4, "-- tu wpisz obsluge tokena 'Liczba';") +
                         w(4, "null;") +
                         w(4, "Tok:=Skanuj;") +
                         w(2, "elsif Zawiera_Sie(Tok.Kod,First_Wywolanie) then") +
                         w(4, "Wywolanie;") +
                         w(4, "-- wstawiony kod ") +
                         w(4, "W;") +
                         w(4, "-- koniec kodu ") +
                         w(2, "elsif Tok.Kod=LNawias then") +
                         w(4, "-- wstawiony kod ") +
                         w(4, "N;") +
                         w(4, "-- koniec kodu ") +
                         w(4, "-- tu wpisz obsluge tokena 'LNawias';") +
                         w(4, "null;") +
                         w(4, "Tok:=Skanuj;") +
                         w(4, "Wyr;") +
                         w(4, "if Tok.Kod=PNawias then") +
                         w(6, "-- tu wpisz obsluge tokena 'PNawias'") +
                         w(6, "null;") +
                         w(6, "Tok:=Skanuj;") +
                         w(4, "else Nr_Bledu_Pars:=100; raise Blad_Parsera;") +
                         w(4, "end if;") +
                         w(2, "if Zawiera_Sie(Tok.Kod,First_Sklad) then") +
                         w(4, "Sklad;"));
}

TEST_F(Emitery, WstawkaBlokowa) {
  // Blanks only: the middle line is the indentation alone. Blanks inside
  // the code stay, a tab at its edge too (only blanks are trimmed).
  k_.gen_kod_wstawkod(kod("    "));
  k_.gen_kod_wstawkod(kod(" a  :=  b; "));
  k_.gen_kod_wstawkod(kod("\tx;"));
  k_.gen_kod_wstawkod(bez_kodu);
  k_.gen_kod_wstawkod({Token_Kod::NAZWAT, "Plus", 0, 0});
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
