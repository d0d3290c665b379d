// Text files of the generator: a checked, buffered output file and the
// failure that any file operation reports.
#pragma once

#include <algorithm>
#include <cstddef>
#include <exception>
#include <initializer_list>
#include <memory>
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

// An output text file. Text goes to a buffer that is written out in large
// blocks; every write and the close are checked and throw Blad_Pliku. Text
// written to a file that is not open is a write failure, never kept silently.
class Plik_Wy {
public:
  Plik_Wy() = default;
  Plik_Wy(const Plik_Wy&) = delete;
  Plik_Wy& operator=(const Plik_Wy&) = delete;
  ~Plik_Wy();

  // Creates the file, replacing an existing one.
  void utworz(const std::string& nazwa);
  // The common case, a piece that fits into the buffer, is one copy.
  void pisz(std::string_view tekst) {
    if (tekst.size() <= pojemnosc_ - zajete_) {
      std::copy(tekst.begin(), tekst.end(), bufor_.get() + zajete_);
      zajete_ += tekst.size();
    } else {
      pisz_z_oproznieniem(tekst);
    }
  }
  // `ile` copies of the character `znak` (an indentation, say).
  void pisz_znaki(std::size_t ile, char znak);
  // One whole line: `wciecie` blanks, the pieces joined with nothing between
  // them, the line end; the room for it is checked once.
  void pisz_wiersz(std::size_t wciecie, std::initializer_list<std::string_view> kawalki);
  void pisz_linie(std::string_view tekst) {
    pisz(tekst);
    nowa_linia();
  }
  void nowa_linia() {
    if (zajete_ == pojemnosc_) oproznij();
    bufor_[zajete_++] = '\n';
  }
  // Writes out the buffer and closes; throws when either fails.
  void zamknij();
  bool otwarty() const { return fd_ >= 0; }
  const std::string& nazwa() const { return nazwa_; }

private:
  void pisz_z_oproznieniem(std::string_view tekst);
  void oproznij();

  int fd_ = -1;
  std::string nazwa_;
  // Allocated by the first utworz. While no file is open the capacity is 0,
  // so any text reaches oproznij, which reports the file as not open.
  std::unique_ptr<char[]> bufor_;
  std::size_t pojemnosc_ = 0;
  std::size_t zajete_ = 0;
};

}  // namespace bryzas
