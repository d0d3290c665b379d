// The one parser of the grammar notation: recursive descent, one function
// per rule of the notation, each telling its receiver what it recognised as
// it goes, as Lua's parser drives its code generator.
#pragma once

#include <string>
#include <vector>

#include "gramatyka/bledy.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/odbiorca.h"
#include "gramatyka/tablica_symboli.h"

namespace bryzas {

class Bryzas_Pars {
public:
  Bryzas_Pars(Bryzas_Skan& skan, Odbiorca& odbiorca);

  // Reads the whole file. The first error ends it: Blad_Parsera (with
  // Za_Duzo_Produkcji for the 201st production), and the scanner's
  // Blad_Skanera and Blad_Pliku pass through.
  void parsuj();

private:
  void plik();
  void naglowek(int nr_bledu);
  void plik_rozszerzony();
  void naglowek_rozszerzony();
  void wyrazenie();
  void ciag();
  void czynnik();
  void linia();
  void wyr();
  void wyr1();
  void opcjaw();
  void opcjaj();
  void wyralbo();
  void ciag_nazw();
  void nazwakod();
  void zamknij_grupe(Token_Kod nawias, int nr_bledu);
  void blokfirst();
  void liniafirst();

  void nastepny() { tok = skan_.Skanuj(); }
  bool jest(Token_Kod k) const { return tok.Kod == k; }
  bool jest_nazwa() const { return jest(Token_Kod::NAZWAT) || jest(Token_Kod::NAZWANT); }
  bool jest_grupa() const { return jest(Token_Kod::LNAWKW) || jest(Token_Kod::LNAWKL) || jest(Token_Kod::LNAW); }
  bool jest_slowo_naglowka() const;
  // The current token must be of kind k, else syntax error nr; the second
  // form then moves past it.
  void sprawdz(Token_Kod k, int nr) {
    if (!jest(k)) blad(nr);
  }
  void sprawdz_nastepny(Token_Kod k, int nr) {
    sprawdz(k, nr);
    nastepny();
  }
  [[noreturn]] void blad(int nr) { throw Blad_Parsera{nr}; }
  [[noreturn]] void blad(int nr, std::string uwaga) {
    throw Blad_Parsera{nr, std::move(uwaga), {tok.linia, tok.kol}};
  }
  // The rule of the header that the current token breaks, or "".
  std::string regula_naglowka() const;
  void nie_zagniezdzaj(int nr);

  Bryzas_Skan& skan_;
  Odbiorca& o_;
  Token_Typ tok;  // the current lookahead token
  Tablica_Symboli lewe_strony_{max_produkcji};
  std::vector<Token_Kod> sekcje_;  // the header keywords read so far
  bool jest_produkcja_ = false;
  bool rozszerzona_ = false;
};

}  // namespace bryzas
