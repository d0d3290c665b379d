// Helpers of the analyser's tests: a scratch directory per test, a grammar
// written into it, and one run of the analyser or of its parser alone.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>
#include <sstream>
#include <string>
#include <vector>

#include "analiza_model.h"
#include "analiza_pars.h"
#include "analiza_uruchom.h"
#include "bryzas_skan.h"
#include "plik.h"

namespace testy_analizy {

namespace fs = std::filesystem;

struct Wynik {
  int status;
  std::string wyjscie;
};

// Each test runs in a fresh directory of its own.
class W_Katalogu : public ::testing::Test {
protected:
  void SetUp() override {
    poprzedni_ = fs::current_path();
    katalog_ = fs::temp_directory_path() /
               ("analiza_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(katalog_);
    fs::create_directories(katalog_);
    fs::current_path(katalog_);
  }
  void TearDown() override {
    fs::current_path(poprzedni_);
    fs::remove_all(katalog_);
  }

public:
  static void zapisz(const std::string& nazwa, const std::string& tekst) {
    std::ofstream f(nazwa, std::ios::binary);
    f << tekst;
    ASSERT_TRUE(f.good());
  }

  static Wynik uruchom(const std::vector<std::string>& argumenty) {
    std::ostringstream os;
    int status = bryzas_analiza::bryzas_analiza_uruchom(argumenty, os);
    return {status, os.str()};
  }

  // Writes the grammar as G.gpa and analyses it.
  static Wynik analizuj(const std::string& gramatyka, bool first = false) {
    zapisz("G.gpa", gramatyka);
    return first ? uruchom({"--first", "G"}) : uruchom({"G"});
  }

  // The model of a grammar that must parse without error.
  static bryzas_analiza::Gramatyka model(const std::string& gramatyka) {
    zapisz("G.gpa", gramatyka);
    bryzas_analiza::Gramatyka g;
    bryzas::Plik_Wy lista;
    lista.utworz("/dev/null");
    bryzas::bryzas_skan skan(lista);
    skan.otworz("G.gpa");
    bryzas_analiza::analiza_pars(skan, g).parsuj();
    return g;
  }

protected:
  fs::path katalog_;

private:
  fs::path poprzedni_;
};

// Output of a run whose only lines are the messages and the closing counts.
inline std::string z_podsumowaniem(const std::string& komunikaty, int bledy, int ostrzezenia) {
  return komunikaty + "*** bledy: " + std::to_string(bledy) +
         ", ostrzezenia: " + std::to_string(ostrzezenia) + "\n";
}

}  // namespace testy_analizy
