// Helpers of the converter's tests: a scratch directory and whole files.
#pragma once

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace ostrew::test {

// A fresh directory, removed with everything in it at the end of the test.
class Katalog {
public:
  Katalog() {
    std::string wzor = (std::filesystem::temp_directory_path() / "ostrew_testXXXXXX").string();
    if (::mkdtemp(wzor.data()) == nullptr) std::abort();
    sciezka_ = wzor;
  }
  ~Katalog() {
    std::error_code ec;
    std::filesystem::remove_all(sciezka_, ec);
  }
  Katalog(const Katalog&) = delete;
  Katalog& operator=(const Katalog&) = delete;

  std::string operator/(const std::string& nazwa) const { return (sciezka_ / nazwa).string(); }

private:
  std::filesystem::path sciezka_;
};

inline void zapisz(const std::string& plik, const std::string& tresc) {
  std::ofstream f(plik, std::ios::binary);
  f << tresc;
}

inline std::string wczytaj(const std::string& plik) {
  std::ifstream f(plik, std::ios::binary);
  return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

}  // namespace ostrew::test
