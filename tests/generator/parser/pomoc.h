// Helpers shared by the tests of the grammar phase.
#pragma once

#include <filesystem>
#include <string>

namespace testy {

// A fresh empty directory under the system's temporary directory, removed
// with everything in it when the object goes.
class Katalog_Tymczasowy {
public:
  Katalog_Tymczasowy();
  ~Katalog_Tymczasowy();
  Katalog_Tymczasowy(const Katalog_Tymczasowy&) = delete;
  Katalog_Tymczasowy& operator=(const Katalog_Tymczasowy&) = delete;
  const std::filesystem::path& sciezka() const { return sciezka_; }

private:
  std::filesystem::path sciezka_;
};

std::string czytaj_plik(const std::filesystem::path& p);
void zapisz_plik(const std::filesystem::path& p, const std::string& tresc);

// One expected line: `wciecie` blanks, the text and the line end, so that an
// expected body reads like a table of (blanks, text) rows.
inline std::string w(int wciecie, const std::string& tekst) {
  return std::string(static_cast<std::size_t>(wciecie), ' ') + tekst + "\n";
}

}  // namespace testy
