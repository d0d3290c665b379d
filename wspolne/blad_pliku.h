// File operations of all three programs: the failure they report, with one
// wording of the reason, and the system calls that raise it.
#pragma once

#include <cstddef>
#include <exception>
#include <string>

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

// Opens for reading; returns the descriptor.
int otworz_do_odczytu(const std::string& nazwa);
// Creates for writing, replacing an existing file; returns the descriptor.
int utworz(const std::string& nazwa);
// Reads at most n bytes, 0 at the end of the file; an interrupted read is
// retried.
std::size_t czytaj(int fd, char* dane, std::size_t n, const std::string& nazwa);
// Writes all n bytes. A write that takes nothing is a failure (EIO), since
// retrying it would loop for ever.
void zapisz(int fd, const char* dane, std::size_t n, const std::string& nazwa);
// Closes; a failing close of a written file means lost data.
void zamknij(int fd, const std::string& nazwa);

}  // namespace wspolne
