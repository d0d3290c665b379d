// Runs one of the programs as a process of its own in a fresh directory, the
// way a user does, and collects its console output and exit status.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace awarie {

namespace fs = std::filesystem;

struct Wynik {
  int status = -1;       // exit status, or -1 when a signal ended the process
  int sygnal = 0;        // the signal that ended it
  std::string konsola;   // standard output
  std::string bledy;     // standard error
};

struct Opcje {
  // Run as an unprivileged user, so that file permissions apply.
  bool bez_uprawnien = false;
  // Largest file the process may write (RLIMIT_FSIZE), in bytes.
  rlim_t limit_pliku = RLIM_INFINITY;
  // Standard output goes to this file instead of being collected.
  std::string wyjscie;
};

// A fresh directory for one run; removed, whatever it holds, at the end.
class Katalog {
public:
  Katalog();
  ~Katalog();
  Katalog(const Katalog&) = delete;
  Katalog& operator=(const Katalog&) = delete;

  const fs::path& sciezka() const { return sciezka_; }
  fs::path operator/(const std::string& nazwa) const { return sciezka_ / nazwa; }

  void zapisz(const std::string& nazwa, std::string_view tresc) const;
  std::string czytaj(const std::string& nazwa) const;
  bool jest(const std::string& nazwa) const;
  // Names of everything in the directory, sorted.
  std::vector<std::string> spis() const;
  // Lets the unprivileged user of Opcje::bez_uprawnien create files here.
  void oddaj_uzytkownikowi() const;

private:
  fs::path sciezka_;
};

// Whether runs with Opcje::bez_uprawnien can work here; when not, `powod`
// says why (the tests that need it are then skipped with that message).
bool mozna_bez_uprawnien(std::string& powod);

// Runs the program with the arguments in the directory, with the header
// instant fixed (SOURCE_DATE_EPOCH) and standard input empty.
Wynik uruchom(const std::string& program, const std::vector<std::string>& argumenty,
              const Katalog& katalog, const Opcje& opcje = {});

inline Wynik bryzas(const std::string& projekt, const Katalog& k, const Opcje& o = {}) {
  return uruchom(PROGRAM_BRYZAS, {projekt}, k, o);
}
inline Wynik ostrew(const Katalog& k, const Opcje& o = {}) { return uruchom(PROGRAM_OSTREW, {}, k, o); }

}  // namespace awarie

// Skips the current test when unprivileged runs are impossible.
#define WYMAGA_BEZ_UPRAWNIEN()                                   \
  do {                                                           \
    std::string powod_;                                          \
    if (!::awarie::mozna_bez_uprawnien(powod_)) GTEST_SKIP() << powod_; \
  } while (0)
