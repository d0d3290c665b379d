#include "proces.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <fstream>
#include <grp.h>
#include <iterator>
#include <pwd.h>
#include <stdexcept>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace awarie {

namespace {

// The unprivileged user: nobody, or its usual numbers when it has no entry.
void uzytkownik(uid_t& uid, gid_t& gid) {
  const passwd* p = ::getpwnam("nobody");
  uid = p ? p->pw_uid : 65534;
  gid = p ? p->pw_gid : 65534;
}

// In a child process: gives up root for the unprivileged user. Returns false
// when that fails.
bool porzuc_uprawnienia() {
  if (::geteuid() != 0) return true;  // permissions apply already
  uid_t uid;
  gid_t gid;
  uzytkownik(uid, gid);
  return ::setgroups(0, nullptr) == 0 && ::setgid(gid) == 0 && ::setuid(uid) == 0;
}

fs::path nowy_katalog(const char* wzor_nazwy) {
  std::string wzor = (fs::temp_directory_path() / wzor_nazwy).string();
  if (::mkdtemp(wzor.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  return wzor;
}

// Makes every directory below p (p included) searchable and writable again,
// without following symbolic links, so that everything can be removed.
void odblokuj(const fs::path& p) {
  std::error_code e;
  if (!fs::is_directory(fs::symlink_status(p, e))) return;
  fs::permissions(p, fs::perms::owner_all, fs::perm_options::add, e);
  for (const auto& w : fs::directory_iterator(p, e)) odblokuj(w.path());
}

std::string czytaj_plik(const fs::path& p) {
  std::ifstream f(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

}  // namespace

Katalog::Katalog() : sciezka_(nowy_katalog("bryza_awarie_XXXXXX")) {}

Katalog::~Katalog() {
  odblokuj(sciezka_);
  std::error_code e;
  fs::remove_all(sciezka_, e);
}

void Katalog::zapisz(const std::string& nazwa, std::string_view tresc) const {
  std::ofstream f(sciezka_ / nazwa, std::ios::binary | std::ios::trunc);
  f.write(tresc.data(), static_cast<std::streamsize>(tresc.size()));
  f.close();
  ASSERT_TRUE(f) << "cannot write " << nazwa;
}

std::string Katalog::czytaj(const std::string& nazwa) const {
  EXPECT_TRUE(jest(nazwa)) << nazwa << " is missing";
  return czytaj_plik(sciezka_ / nazwa);
}

bool Katalog::jest(const std::string& nazwa) const {
  std::error_code e;
  return fs::exists(fs::symlink_status(sciezka_ / nazwa, e));
}

std::vector<std::string> Katalog::spis() const {
  std::vector<std::string> nazwy;
  for (const auto& w : fs::directory_iterator(sciezka_)) nazwy.push_back(w.path().filename());
  std::sort(nazwy.begin(), nazwy.end());
  return nazwy;
}

void Katalog::oddaj_uzytkownikowi() const {
  if (::geteuid() != 0) return;
  uid_t uid;
  gid_t gid;
  uzytkownik(uid, gid);
  ASSERT_EQ(::chown(sciezka_.c_str(), uid, gid), 0) << std::strerror(errno);
}

bool mozna_bez_uprawnien(std::string& powod) {
  if (::geteuid() != 0) return true;
  // Ask a child that has given up root whether it can run both programs and
  // is really refused a file without permissions.
  Katalog k;
  k.zapisz("zamkniety", "x");
  fs::permissions(k / "zamkniety", fs::perms::none);
  fs::permissions(k.sciezka(), fs::perms::owner_all | fs::perms::others_exec);
  const pid_t pid = ::fork();
  if (pid == 0) {
    if (!porzuc_uprawnienia()) ::_exit(1);
    if (::access(PROGRAM_BRYZAS, X_OK) != 0 || ::access(PROGRAM_OSTREW, X_OK) != 0) ::_exit(2);
    const int fd = ::open((k / "zamkniety").c_str(), O_RDONLY);
    ::_exit(fd < 0 && errno == EACCES ? 0 : 3);
  }
  int st = 0;
  ::waitpid(pid, &st, 0);
  const int kod = WIFEXITED(st) ? WEXITSTATUS(st) : 4;
  if (kod == 0) return true;
  powod = kod == 1   ? "running as root and cannot switch to the user nobody"
          : kod == 2 ? "the user nobody cannot run the programs (build directory not accessible)"
                     : "file permissions do not stop the user nobody here";
  return false;
}

Wynik uruchom(const std::string& program, const std::vector<std::string>& argumenty,
              const Katalog& katalog, const Opcje& opcje) {
  Katalog wyniki;  // console and error output, outside the program's directory
  const fs::path plik_wy = opcje.wyjscie.empty() ? wyniki / "konsola" : fs::path(opcje.wyjscie);
  const fs::path plik_bl = wyniki / "bledy";

  std::vector<std::string> srodowisko;
  for (char** e = environ; *e; ++e) {
    std::string_view z(*e);
    if (z.starts_with("SOURCE_DATE_EPOCH=") || z.starts_with("TZ=")) continue;
    srodowisko.emplace_back(z);
  }
  srodowisko.emplace_back("SOURCE_DATE_EPOCH=1796461507");
  srodowisko.emplace_back("TZ=UTC");
  std::vector<char*> envp;
  for (std::string& z : srodowisko) envp.push_back(z.data());
  envp.push_back(nullptr);
  std::vector<std::string> arg{program};
  arg.insert(arg.end(), argumenty.begin(), argumenty.end());
  std::vector<char*> argv;
  for (std::string& a : arg) argv.push_back(a.data());
  argv.push_back(nullptr);

  const pid_t pid = ::fork();
  if (pid == 0) {
    // Only async-signal-safe calls from here on.
    const int we = ::open("/dev/null", O_RDONLY);
    const int wy = ::open(plik_wy.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int bl = ::open(plik_bl.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (we < 0 || wy < 0 || bl < 0 || ::dup2(we, 0) < 0 || ::dup2(wy, 1) < 0 || ::dup2(bl, 2) < 0)
      ::_exit(125);
    if (::chdir(katalog.sciezka().c_str()) != 0) ::_exit(125);
    // The program must cope with the size limit itself: the signal that
    // would kill it is not ignored on its behalf.
    ::signal(SIGXFSZ, SIG_DFL);
    if (opcje.limit_pliku != RLIM_INFINITY) {
      const rlimit r{opcje.limit_pliku, opcje.limit_pliku};
      if (::setrlimit(RLIMIT_FSIZE, &r) != 0) ::_exit(125);
    }
    if (opcje.bez_uprawnien && !porzuc_uprawnienia()) ::_exit(125);
    ::execve(program.c_str(), argv.data(), envp.data());
    ::_exit(126);
  }
  Wynik w;
  int st = 0;
  while (::waitpid(pid, &st, 0) < 0 && errno == EINTR) {
  }
  if (WIFEXITED(st)) {
    w.status = WEXITSTATUS(st);
  } else if (WIFSIGNALED(st)) {
    w.sygnal = WTERMSIG(st);
  }
  EXPECT_NE(w.status, 125) << "the test could not prepare the process";
  EXPECT_NE(w.status, 126) << "cannot run " << program;
  if (opcje.wyjscie.empty()) w.konsola = czytaj_plik(plik_wy);
  w.bledy = czytaj_plik(plik_bl);
  return w;
}

}  // namespace awarie
