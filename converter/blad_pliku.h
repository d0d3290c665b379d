// Failures of the converter's files. Every one of them ends the run; the
// console line of opis() names the file and the reason.
#pragma once

#include <exception>
#include <string>

namespace ostrew {

class Blad_Pliku : public std::exception {
public:
  enum class Rodzaj { otwarcie, utworzenie, odczyt, zapis, zamkniecie };

  Blad_Pliku(Rodzaj rodzaj, std::string plik, int kod_errno);

  Rodzaj rodzaj() const { return rodzaj_; }
  const std::string& plik() const { return plik_; }
  int kod_errno() const { return kod_errno_; }
  // An input file that does not exist: the one failure caused by the input.
  bool brak_pliku() const;
  // For example "*** blad: nie mozna utworzyc pliku [a.xml]: to jest katalog".
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

}  // namespace ostrew
