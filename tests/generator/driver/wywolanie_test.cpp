// Command line of the generator: the banner and every rejection.
#include <gtest/gtest.h>

#include <sstream>

#include "bryzas_uruchom.h"

namespace {

using bryzas::bryzas_uruchom;

const std::string baner =
    "Bryza - generator parserow\n"
    "Zespol autorski zestawu Bryza\n"
    "    (generator parserow LL(1) i konwerter INI do XML)\n"
    "wersja 0.1.1 \n"
    "\n"
    "Pomoc dydaktyczna do przedmiotu:\n"
    "  'Metody translacji'\n"
    "\n"
    "Sposob uzycia:  bryzas <nazwa_projektu>\n"
    " gramatyka w pliku <nazwa_projektu>.gpa\n"
    "\n";

struct Wynik {
  int status;
  std::string konsola;
};

Wynik uruchom(std::vector<std::string> argumenty) {
  std::ostringstream out;
  int status = bryzas_uruchom(argumenty, out, nullptr);
  return {status, out.str()};
}

TEST(Wywolanie, BrakArgumentu) {
  auto w = uruchom({});
  EXPECT_EQ(w.status, 2);
  EXPECT_EQ(w.konsola, baner + "Brak parametru z nazwa projektu !!\n");
}

TEST(Wywolanie, DwaArgumentySaOdrzucaneNawetPoprawne) {
  auto w = uruchom({"a", "b"});
  EXPECT_EQ(w.status, 2);
  EXPECT_EQ(w.konsola, baner + "Za duzo parametrow !!\n");
}

TEST(Wywolanie, KazdyZakazanyZnakOdrzuca) {
  const std::string zakazane = "-+=[]{}.,/\\|<>!@#$%^&*()~`';:?";
  ASSERT_EQ(zakazane.size(), 30u);
  for (char z : zakazane) {
    auto w = uruchom({std::string("Ka") + z + "lk"});
    EXPECT_EQ(w.status, 2) << z;
    EXPECT_EQ(w.konsola, baner + "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!\n") << z;
  }
  // The character check comes before the length check.
  auto w = uruchom({std::string(300, 'a') + "."});
  EXPECT_EQ(w.konsola, baner + "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!\n");
}

TEST(Wywolanie, NazwaDluzszaNiz249ZnakowJestOdrzucana) {
  auto w = uruchom({std::string(250, 'a')});
  EXPECT_EQ(w.status, 2);
  EXPECT_EQ(w.konsola, baner + "Za dluga nazwa projektu (max 249 znakow) !!\n");
}

}  // namespace
