// Text files of the generator: a checked, buffered output file and the
// failure that any file operation reports.
#pragma once

#include <exception>
#include <string>
#include <string_view>

namespace bryzas {

// A file operation that failed. The grammar phase handles a missing grammar
// file and an output file it cannot create (its "name errors"); every other
// failure ends the run with status 3 and one console line from opis().
class Blad_Pliku : public std::exception {
public:
  enum class Rodzaj { otwarcie, utworzenie, odczyt, zapis, zamkniecie };

  Blad_Pliku(Rodzaj rodzaj, std::string plik, int kod_errno);

  Rodzaj rodzaj() const { return rodzaj_; }
  const std::string& plik() const { return plik_; }
  int kod_errno() const { return kod_errno_; }
  // True for an input file that does not exist.
  bool brak_pliku() const;
  // The console line, for example
  // "*** blad: nie mozna zapisac pliku [Kalk.lst]: brak miejsca na dysku".
  const std::string& opis() const { return opis_; }
  const char* what() const noexcept override { return opis_.c_str(); }

private:
  Rodzaj rodzaj_;
  std::string plik_;
  int kod_errno_;
  std::string opis_;
};

// Reason of a failure in words, for the errno values a user meets.
std::string powod_bledu(int kod_errno);

// An output text file. Lines go to a buffer that is written out in large
// blocks; every write and the close are checked and throw Blad_Pliku.
class Plik_Wy {
public:
  Plik_Wy() = default;
  Plik_Wy(const Plik_Wy&) = delete;
  Plik_Wy& operator=(const Plik_Wy&) = delete;
  ~Plik_Wy();

  // Creates the file, replacing an existing one.
  void utworz(const std::string& nazwa);
  void pisz(std::string_view tekst);
  void pisz_linie(std::string_view tekst);
  void nowa_linia();
  // Writes out the buffer and closes; throws when either fails.
  void zamknij();
  bool otwarty() const { return fd_ >= 0; }
  const std::string& nazwa() const { return nazwa_; }

private:
  void oproznij();

  int fd_ = -1;
  std::string nazwa_;
  std::string bufor_;
};

}  // namespace bryzas
