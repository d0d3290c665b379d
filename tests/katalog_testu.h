// A directory of one test's own under the system's temporary directory,
// removed with everything in it when the test is done.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>
#include <system_error>

namespace testy {

class Katalog_Testu {
public:
  explicit Katalog_Testu(const std::string& przedrostek) {
    std::string wzor = (std::filesystem::temp_directory_path() / (przedrostek + "XXXXXX")).string();
    if (::mkdtemp(wzor.data()) == nullptr) throw std::runtime_error("mkdtemp " + wzor);
    sciezka_ = wzor;
  }
  Katalog_Testu(const Katalog_Testu&) = delete;
  Katalog_Testu& operator=(const Katalog_Testu&) = delete;
  ~Katalog_Testu() {
    std::error_code blad;
    std::filesystem::remove_all(sciezka_, blad);
  }

  const std::filesystem::path& sciezka() const { return sciezka_; }
  // A file of the directory, by its name.
  std::string operator/(const std::string& nazwa) const { return (sciezka_ / nazwa).string(); }

private:
  std::filesystem::path sciezka_;
};

}  // namespace testy
