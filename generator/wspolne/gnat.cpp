#include "generator/wspolne/gnat.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string_view>

#include "generator/wspolne/pisarz.h"
#include "wspolne/blad_pliku.h"

extern char** environ;

namespace bryzas {

namespace {

constexpr std::string_view program = "gnatmake";
constexpr std::string_view plik_nazw = "bryzas_nazwy.adc";
// What GNAT may print is kept up to this much; a check says far less.
constexpr std::size_t max_wyjscia = std::size_t{1} << 20;

// A byte column of the line from GNAT's column, which counts a tab as the
// blanks to the next multiple of eight.
int kolumna_bajtow(const std::string& linia, int kolumna) {
  int widoczna = 1;
  for (std::size_t i = 0; i < linia.size(); ++i) {
    if (widoczna >= kolumna) return static_cast<int>(i) + 1;
    widoczna = linia[i] == '\t' ? (widoczna - 1) / 8 * 8 + 9 : widoczna + 1;
  }
  return static_cast<int>(linia.size()) + 1;
}

// The line of a file, or "" when it has none.
std::string linia_pliku(const std::string& plik, int nr) {
  std::ifstream f(plik, std::ios::binary);
  std::string l;
  for (int i = 0; i < nr && std::getline(f, l); ++i) {
  }
  return f ? l : std::string();
}

}  // namespace

bool Sprawdzenie_Gnat::dostepny() {
  const char* sciezka = std::getenv("PATH");
  std::string_view reszta = sciezka ? sciezka : "";
  while (true) {
    const std::size_t dwukropek = reszta.find(':');
    const std::string_view katalog = reszta.substr(0, dwukropek);
    std::string sciezka_programu(katalog.empty() ? std::string_view(".") : katalog);
    sciezka_programu.append("/").append(program);
    if (::access(sciezka_programu.c_str(), X_OK) == 0) return true;
    if (dwukropek == std::string_view::npos) return false;
    reszta.remove_prefix(dwukropek + 1);
  }
}

void Sprawdzenie_Gnat::pisz_nazwy_plikow(const std::string& nazwa, const std::string& plik_skan_spec) const {
  pisz_plik(nazwa, [&](Pisarz& w) {
    auto jednostka = [&](const std::string& u, std::string_view czesc, const std::string& plik) {
      w.linia("pragma Source_File_Name (", u, ", ", czesc, "_File_Name => \"", plik, "\");");
    };
    jednostka(pak_.nazwa_pars, "Spec", pak_.plik_wys);
    jednostka(pak_.nazwa_pars, "Body", pak_.plik_wyb);
    jednostka(pak_.nazwa_skan, "Spec", plik_skan_spec);
    jednostka(pak_.nazwa_bledy, "Spec", pak_.plik_bledy + ".ads");
    jednostka(pak_.nazwa_bledy, "Body", pak_.plik_bledy + ".adb");
  });
}

std::vector<Komunikat_Gnat> Sprawdzenie_Gnat::sprawdz(const std::string& plik,
                                                      const std::string& plik_skan_spec) const {
  pisz_nazwy_plikow(pak_.plik(std::string(plik_nazw)), plik_skan_spec);
  int status = 0;
  const std::string wyjscie = uruchom({std::string(program), "-q", "-c", "-u", "-gnatc",
                                       "-gnatf", "-gnatec=" + std::string(plik_nazw), "-I..", plik},
                                      status);
  return komunikaty(wyjscie, status);
}

// The program in pak's directory, its standard output and error read
// together through one pipe.
std::string Sprawdzenie_Gnat::uruchom(const std::vector<std::string>& argumenty, int& status) const {
  int rura[2];
  if (::pipe2(rura, O_CLOEXEC) != 0) throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, "|", errno);
  posix_spawn_file_actions_t akcje;
  posix_spawn_file_actions_init(&akcje);
  posix_spawn_file_actions_addchdir_np(&akcje, pak_.katalog.c_str());
  posix_spawn_file_actions_adddup2(&akcje, rura[1], 1);
  posix_spawn_file_actions_adddup2(&akcje, rura[1], 2);
  std::vector<char*> argv;
  for (const std::string& a : argumenty) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  pid_t pid = 0;
  const int blad = posix_spawnp(&pid, argv[0], &akcje, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&akcje);
  ::close(rura[1]);
  const wspolne::Deskryptor odczyt(rura[0]);
  if (blad != 0) throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, argumenty[0], blad);
  std::string wyjscie;
  char bufor[4096];
  for (ssize_t n; (n = ::read(rura[0], bufor, sizeof bufor)) != 0;) {
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) break;
    if (wyjscie.size() < max_wyjscia) wyjscie.append(bufor, static_cast<std::size_t>(n));
  }
  int stan = 0;
  while (::waitpid(pid, &stan, 0) < 0 && errno == EINTR) {
  }
  status = WIFEXITED(stan) ? WEXITSTATUS(stan) : 128 + WTERMSIG(stan);
  return wyjscie;
}

// "PLIK:L:K: error: tekst" and "PLIK:L:K: warning: tekst"; a check that
// failed without a message of that form tells what it printed.
std::vector<Komunikat_Gnat> Sprawdzenie_Gnat::komunikaty(const std::string& wyjscie, int status) const {
  std::vector<Komunikat_Gnat> wynik;
  std::istringstream linie(wyjscie);
  bool blad = false;
  for (std::string l; std::getline(linie, l);) {
    Komunikat_Gnat k;
    k.wiersz = l;
    const std::size_t a = l.find(':'), b = l.find(':', a + 1), c = l.find(':', b + 1);
    if (c == std::string::npos || l.compare(c, 2, ": ") != 0) continue;
    k.plik = l.substr(0, a);
    k.linia = std::atoi(l.c_str() + a + 1);
    k.kol = std::atoi(l.c_str() + b + 1);
    if (k.linia <= 0 || k.kol <= 0) continue;
    k.tekst = l.substr(c + 2);
    for (std::string_view rodzaj : {"warning: ", "info: "})
      if (k.tekst.starts_with(rodzaj)) {
        k.blad = false;
        k.tekst.erase(0, rodzaj.size());
      }
    if (k.tekst.starts_with("error: ")) k.tekst.erase(0, 7);
    k.kol = kolumna_bajtow(linia_pliku(pak_.plik(k.plik), k.linia), k.kol);
    blad = blad || k.blad;
    // A message goes on in lines at its place: one message.
    if (!wynik.empty() && wynik.back().plik == k.plik && wynik.back().linia == k.linia &&
        wynik.back().kol == k.kol && wynik.back().blad == k.blad) {
      Komunikat_Gnat& p = wynik.back();
      const std::size_t od = k.tekst.find_first_not_of(' ');
      p.tekst += (p.tekst.ends_with(':') ? " " : "; ") + k.tekst.substr(od == std::string::npos ? 0 : od);
      p.wiersz += "\n" + k.wiersz;
      continue;
    }
    wynik.push_back(std::move(k));
  }
  if (status != 0 && !blad) wynik.push_back({"", 0, 0, true, {}, std::string(program) + ": " + wyjscie});
  return wynik;
}

}  // namespace bryzas
