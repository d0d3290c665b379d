// The free dialect's rules: an INI file read the way Python's configparser
// reads it by default (strict, no interpolation, the keys' letter case
// kept), written as the same XML as today's dialect, line by line as it is
// read. Only the names that must not repeat are kept, never a value.
#pragma once

#include <string>
#include <string_view>

#include "converter/swob_bledy.h"
#include "converter/swob_nazwy.h"
#include "converter/swob_we.h"
#include "wspolne/plik_wy.h"

namespace ostrew {

class Swob_Pars {
public:
  Swob_Pars(Swob_We& we, wspolne::Plik_Wy& wy) : we_(we), wy_(wy) {}

  // The whole input into the whole document. Throws Blad_Swobodny at the
  // first fault of the input, Blad_Pliku when a file fails.
  void plik();

private:
  void linia(std::string_view l, bool ascii);
  void sekcja(std::string_view nazwa, std::size_t od);
  void klucz(std::string_view nazwa, std::string_view wartosc, std::size_t od);
  void ciag_dalszy(std::string_view tekst);
  void zamknij_klucz();
  // The text, a piece of the current line, into the XML.
  void pisz(std::string_view tekst, bool atrybut);
  [[noreturn]] void blad(int nr, std::size_t bajt, std::vector<std::string> slowa = {});

  Swob_We& we_;
  wspolne::Plik_Wy& wy_;

  std::string_view linia_;  // the line being read
  bool w_sekcji_ = false;
  bool w_default_ = false;  // the section is DEFAULT, whose keys are one set however often it opens
  std::string sekcja_;      // its name, for the messages
  bool klucz_ = false;      // a value is open: deeper lines continue it
  long long wciecie_ = 0;   // the indentation of the last line that was no continuation
  std::size_t puste_ = 0;   // empty lines since the value's last text
  Zbior_Nazw sekcje_;
  Zbior_Nazw klucze_;
  Zbior_Nazw klucze_default_;
};

}  // namespace ostrew
