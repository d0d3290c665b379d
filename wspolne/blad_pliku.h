// File operations of all three programs: the failure they report, with one
// wording of the reason, and the system calls that raise it.
#pragma once

#include <cstddef>
#include <exception>
#include <string>
#include <utility>

namespace wspolne {

// A file operation that failed; opis() is its console line, for example
// "*** blad: nie mozna zapisac pliku [Kalk.lst]: brak miejsca na dysku".
class Blad_Pliku : public std::exception {
public:
  enum class Rodzaj { otwarcie, utworzenie, odczyt, zapis, zamkniecie };

  Blad_Pliku(Rodzaj rodzaj, std::string plik, int kod_errno);

  Rodzaj rodzaj() const { return rodzaj_; }
  const std::string& plik() const { return plik_; }
  int kod_errno() const { return kod_errno_; }
  // True for an input file that does not exist.
  bool brak_pliku() const;
  const std::string& opis() const { return opis_; }
  const char* what() const noexcept override { return opis_.c_str(); }

private:
  Rodzaj rodzaj_;
  std::string plik_;
  int kod_errno_;
  std::string opis_;
};

// The reason of a failure in words, for the errno values a user meets.
std::string powod_bledu(int kod_errno);

// An open file, closed when it is dropped. That close checks nothing: it is
// for files that were only read, and for written files whose failure has
// already been reported.
class Deskryptor {
public:
  Deskryptor() = default;
  explicit Deskryptor(int fd) : fd_(fd) {}
  Deskryptor(Deskryptor&& d) noexcept : fd_(std::exchange(d.fd_, -1)) {}
  Deskryptor& operator=(Deskryptor&& d) noexcept {
    if (this != &d) {
      porzuc();
      fd_ = std::exchange(d.fd_, -1);
    }
    return *this;
  }
  ~Deskryptor() { porzuc(); }

  int fd() const { return fd_; }
  bool otwarty() const { return fd_ >= 0; }
  // Closes without a check.
  void porzuc() noexcept;
  // Closes; a failing close of a written file means lost data. Closed
  // either way.
  void zamknij(const std::string& nazwa);

private:
  int fd_ = -1;
};

// Opens for reading.
Deskryptor otworz_do_odczytu(const std::string& nazwa);
// Creates for writing, replacing an existing file.
Deskryptor utworz(const std::string& nazwa);
// Reads at most n bytes, 0 at the end of the file; an interrupted read is
// retried.
std::size_t czytaj(int fd, char* dane, std::size_t n, const std::string& nazwa);
// Writes all n bytes. A write that takes nothing is a failure (EIO), since
// retrying it would loop for ever.
void zapisz(int fd, const char* dane, std::size_t n, const std::string& nazwa);

}  // namespace wspolne
