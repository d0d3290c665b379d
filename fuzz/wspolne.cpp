#include "wspolne.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <unistd.h>

namespace fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view przedrostek = "bryza_fuzz_";
constexpr std::size_t dl_kawalka = 1000;

// Runs at exit: the current directory is still the private one, unless a
// run failed before it was made.
void usun_katalog() {
  std::error_code e;
  const fs::path tu = fs::current_path(e);
  if (e || !zaczyna_sie(tu.filename().string(), przedrostek)) return;
  fs::current_path(tu.parent_path(), e);
  fs::remove_all(tu, e);
}

// TMPDIR when set; otherwise memory-backed /dev/shm, where creating and
// removing the dozen files of each run costs a sixth of what it does on disk.
std::string katalog_tymczasowy() {
  const char* tmp = std::getenv("TMPDIR");
  if (tmp && *tmp) return tmp;
  if (::access("/dev/shm", W_OK | X_OK) == 0) return "/dev/shm";
  return "/tmp";
}

}  // namespace

void przygotuj_katalog() {
  std::string wzor = katalog_tymczasowy() + "/" + std::string(przedrostek) + "XXXXXX";
  if (::mkdtemp(wzor.data()) == nullptr) naruszenie("cannot create a working directory", wzor);
  fs::current_path(wzor);
  std::atexit(usun_katalog);
}

void wyczysc_katalog() {
  for (const auto& w : fs::directory_iterator(".")) fs::remove_all(w.path());
}

void zapisz(const std::string& nazwa, std::string_view dane) {
  std::ofstream f(nazwa, std::ios::binary | std::ios::trunc);
  f.write(dane.data(), static_cast<std::streamsize>(dane.size()));
  f.close();
  if (!f) naruszenie("cannot write the input file", nazwa);
}

std::string czytaj(const std::string& nazwa, bool& jest) {
  std::ifstream f(nazwa, std::ios::binary);
  jest = static_cast<bool>(f);
  if (!jest) return {};
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void naruszenie(std::string_view co, std::string_view szczegoly) {
  std::fprintf(stderr, "\n*** broken promise: %.*s\n", static_cast<int>(co.size()), co.data());
  if (!szczegoly.empty())
    std::fprintf(stderr, "%.*s\n", static_cast<int>(szczegoly.size()), szczegoly.data());
  std::abort();
}

std::vector<std::string_view> linie(std::string_view dane) {
  std::vector<std::string_view> wynik;
  while (!dane.empty()) {
    const std::size_t lf = dane.find('\n');
    std::string_view linia = dane.substr(0, lf);
    dane.remove_prefix(lf == std::string_view::npos ? dane.size() : lf + 1);
    if (lf != std::string_view::npos && konczy_sie(linia, "\r")) linia.remove_suffix(1);
    bool nul = false;
    do {
      std::string_view kawalek = linia.substr(0, dl_kawalka);
      linia.remove_prefix(kawalek.size());
      wynik.push_back(kawalek);
      nul = kawalek.find('\0') != std::string_view::npos;
    } while (!nul && !linia.empty());
    if (nul) break;
  }
  return wynik;
}

std::vector<std::string_view> wiersze(std::string_view tekst) {
  std::vector<std::string_view> wynik;
  while (!tekst.empty()) {
    const std::size_t lf = tekst.find('\n');
    wynik.push_back(tekst.substr(0, lf));
    tekst.remove_prefix(lf == std::string_view::npos ? tekst.size() : lf + 1);
  }
  return wynik;
}

bool zaczyna_sie(std::string_view s, std::string_view p) { return s.substr(0, p.size()) == p; }

bool konczy_sie(std::string_view s, std::string_view k) {
  return s.size() >= k.size() && s.substr(s.size() - k.size()) == k;
}

}  // namespace fuzz
