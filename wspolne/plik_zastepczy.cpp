#include "wspolne/plik_zastepczy.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace wspolne {

namespace {

// Names tried for the new file before giving up: another run of this
// process id may have left some behind.
constexpr int proby_nazwy = 100;

}  // namespace

Plik_Zastepczy::Plik_Zastepczy(const std::string& cel) : cel_(cel), miejsce_(cel) {
  // A link keeps pointing where it did: the file it names is replaced.
  std::error_code blad;
  if (std::filesystem::is_symlink(cel, blad)) {
    miejsce_ = std::filesystem::canonical(cel, blad).string();
    if (blad) throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, cel_, blad.value());
  }
  struct stat st {};
  const bool jest = ::stat(miejsce_.c_str(), &st) == 0;
  // Only a regular file can be replaced by another; a rename over a
  // directory or a device would fail late or take its name.
  if (jest && !S_ISREG(st.st_mode))
    throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, cel_, S_ISDIR(st.st_mode) ? EISDIR : EINVAL);
  const std::string przedrostek = miejsce_ + "." + std::to_string(::getpid()) + ".";
  for (int i = 0; !plik_.otwarty(); ++i) {
    nazwa_ = przedrostek + std::to_string(i);
    // 0666 less the umask, as for any new file.
    const int fd = ::open(nazwa_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      plik_ = Deskryptor(fd);
    } else if (errno != EEXIST || i + 1 == proby_nazwy) {
      zostaje_ = true;  // nothing was created
      throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, cel_, errno);
    }
  }
  if (jest && ::fchmod(plik_.fd(), st.st_mode & 07777) != 0)
    throw Blad_Pliku(Blad_Pliku::Rodzaj::utworzenie, cel_, errno);
}

Plik_Zastepczy::~Plik_Zastepczy() {
  plik_.porzuc();
  if (!zostaje_) ::unlink(nazwa_.c_str());
}

void Plik_Zastepczy::zastap() {
  if (::rename(nazwa_.c_str(), miejsce_.c_str()) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, cel_, errno);
  zostaje_ = true;
}

}  // namespace wspolne
