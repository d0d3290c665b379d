#include "wspolne/katalog_roboczy.h"

#include <sys/stat.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string_view>
#include <system_error>
#include <vector>

namespace wspolne {

Katalog_Roboczy::Katalog_Roboczy(const std::string& przedrostek) {
  std::vector<char> wzor(przedrostek.begin(), przedrostek.end());
  for (char c : std::string_view("XXXXXX")) wzor.push_back(c);
  wzor.push_back('\0');
  if (::mkdtemp(wzor.data()) == nullptr) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, przedrostek, errno);
  nazwa_ = wzor.data();
}

// Nothing of it is anybody else's: it goes whatever it holds.
Katalog_Roboczy::~Katalog_Roboczy() {
  std::error_code blad;
  std::filesystem::remove_all(nazwa_, blad);
}

void Katalog_Roboczy::przenies(const std::vector<std::string>& pliki) const {
  for (const std::string& p : pliki) {
    struct stat st {};
    if (::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, p, EISDIR);
  }
  for (const std::string& p : pliki)
    if (std::rename((nazwa_ + "/" + p).c_str(), p.c_str()) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, p, errno);
}

}  // namespace wspolne
