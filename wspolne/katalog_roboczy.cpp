#include "wspolne/katalog_roboczy.h"

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

void Katalog_Roboczy::przenies(const std::string& plik) const {
  if (std::rename((nazwa_ + "/" + plik).c_str(), plik.c_str()) != 0)
    throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, plik, errno);
}

}  // namespace wspolne
