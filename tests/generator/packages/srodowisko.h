// A fresh project Demo1 in a fresh temporary directory that the test works
// in, with the header date fixed at 5 Dec 2026 09:05:07 UTC.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "bryzas_pak.h"
#include "bryzas_pak_emitery.h"
#include "bryzas_skan.h"

namespace testy_pak {

namespace fs = std::filesystem;

inline std::string czytaj(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

// Expected files, typed by hand from the line tables, in one folder per case.
inline std::string wzorzec(const std::string& przypadek, const std::string& plik) {
  fs::path p = fs::path(KATALOG_TESTOW) / przypadek / plik;
  EXPECT_TRUE(fs::is_regular_file(p)) << p;
  return czytaj(p);
}

class Projekt : public ::testing::Test {
protected:
  void SetUp() override {
    poprzedni_ = fs::current_path();
    std::string wzor = (fs::temp_directory_path() / "testy_pak_XXXXXX").string();
    ASSERT_NE(mkdtemp(wzor.data()), nullptr);
    katalog_ = wzor;
    fs::current_path(katalog_);
    ustaw("Demo1");
  }

  void TearDown() override {
    fs::current_path(poprzedni_);
    std::error_code e;
    fs::permissions(katalog_, fs::perms::owner_all, fs::perm_options::add, e);
    fs::remove_all(katalog_, e);
  }

  void ustaw(const std::string& projekt) {
    pak_.ustaw_nazwy(projekt);
    pak_.epoka_zrodel = 1796461507;
  }

  bryzas::bryzas_pak pak_;
  bryzas::bryzas_skan skan_{pak_.pl_lst};
  bryzas::bryzas_pak_emitery emitery_{pak_, skan_};

private:
  fs::path poprzedni_;
  fs::path katalog_;
};

}  // namespace testy_pak
