#include "fuzz/wspolne.h"

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/resource.h>
#include <unistd.h>

namespace fuzz {

namespace fs = std::filesystem;

namespace {

constexpr std::string_view przedrostek = "bryza_fuzz_";
constexpr rlim_t limit_pliku = 8 << 20;

void usun_katalog() {
  std::error_code e;
  const fs::path tu = fs::current_path(e);
  if (e || !tu.filename().string().starts_with(przedrostek)) return;
  fs::current_path(tu.parent_path(), e);
  fs::remove_all(tu, e);
}

}  // namespace

}  // namespace fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  using namespace fuzz;
  // TMPDIR when set; otherwise memory-backed /dev/shm, where the dozen files
  // of each run cost a sixth of what they do on disk.
  const char* tmp = std::getenv("TMPDIR");
  std::string wzor = tmp && *tmp ? tmp : ::access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm" : "/tmp";
  wzor.append("/").append(przedrostek).append("XXXXXX");
  if (::mkdtemp(wzor.data()) == nullptr) naruszenie("cannot create a working directory", wzor);
  fs::current_path(wzor);
  std::atexit(usun_katalog);
  const rlimit r{limit_pliku, limit_pliku};
  std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails and is reported
  if (::setrlimit(RLIMIT_FSIZE, &r) != 0) naruszenie("cannot limit the file size");
  return 0;
}

namespace fuzz {

void wejscie(const std::string& nazwa, std::string_view dane) {
  for (const auto& w : fs::directory_iterator(".")) fs::remove_all(w.path());
  std::ofstream f(nazwa, std::ios::binary | std::ios::trunc);
  f.write(dane.data(), static_cast<std::streamsize>(dane.size()));
  f.close();
  if (!f) naruszenie("cannot write the input file", nazwa);
}

std::string czytaj(const std::string& nazwa, bool& jest) {
  std::ifstream f(nazwa, std::ios::binary);
  jest = static_cast<bool>(f);
  return jest ? std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()) : "";
}

void naruszenie(std::string_view co, std::string_view szczegoly) {
  std::fprintf(stderr, "\n*** broken promise: %.*s\n%.*s\n", static_cast<int>(co.size()), co.data(),
               static_cast<int>(szczegoly.size()), szczegoly.data());
  std::abort();
}

std::vector<std::string_view> linie(std::string_view dane) {
  std::vector<std::string_view> wynik;
  while (!dane.empty()) {
    const std::size_t lf = dane.find('\n');
    std::string_view linia = dane.substr(0, lf);
    dane.remove_prefix(lf == std::string_view::npos ? dane.size() : lf + 1);
    if (lf != std::string_view::npos && linia.ends_with('\r')) linia.remove_suffix(1);
    bool nul = false;
    do {
      const std::string_view kawalek = linia.substr(0, 1000);
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

}  // namespace fuzz
