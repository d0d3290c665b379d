// Parser of the converter: one procedure per rule of the INI grammar, each
// writing its XML lines as soon as it has recognised their construct.
#pragma once

#include <iosfwd>

#include "converter/osw_skan.h"
#include "converter/osw_zbiory.h"
#include "converter/ostrew_wy.h"

namespace ostrew {

// A syntax error; nr is the error number the console shows.
struct Blad_Parsera {
  int nr;
};

namespace bledy_parsera {
constexpr int brak_lnawiasu = 11;    // "[" of a section
constexpr int brak_nazwy_sekcji = 12;
constexpr int brak_pnawiasu = 13;    // "]"
constexpr int brak_klucza = 14;
constexpr int brak_rowne = 15;
constexpr int brak_wartosci = 16;
constexpr int nadmiarowe_dane = 17;  // input after the last section
}  // namespace bledy_parsera

class Osw_Pars {
public:
  Osw_Pars(Osw_Skan& skan, Ostrew_Wy& wy, std::ostream& konsola);

  // One whole conversion of plik_we into plik_wy. Lexical and syntax errors
  // are reported on the console and make the result true; every other
  // failure (Blad_Pliku, Blad_Zakresu) passes to the caller. An error leaves
  // the output open with the lines written so far.
  bool Parsuj(const std::string& plik_we, const std::string& plik_wy);

  void init_zbiory();
  // The rules. Each expects tok to hold the first token of its construct
  // and leaves in it the first token after it.
  void plik();
  void sekcja();
  void element();
  void wartosc();

  // The current token; set it to begin parsing at a rule.
  Token_Typ tok;
  int Nr_Bledu_Pars() const { return nr_bledu_pars_; }

private:
  [[noreturn]] void blad(int nr);
  // Inlined, with the scanner's quick path, at every place that takes a
  // token: each place then has branches of its own.
  [[gnu::always_inline]] void nastepny() { tok = skan_.Skanuj(); }
  // The text of the current token as its lines show it. It is a view of the
  // input with no blanks around it, so there is nothing to trim; the
  // scanner's block lets the writer read past its end.
  Tekst_Wy X() const { return {tok.tekst(), tok.wysokie, true}; }
  static_assert(Osw_Skan::czytelne_za_tekstem >= Ostrew_Wy::krok);
  // The current token must be of kind kod, else syntax error nr_bledu; the
  // second form then moves past it.
  void sprawdz(Token_Kod kod, int nr_bledu) {
    if (tok.Kod != kod) blad(nr_bledu);
  }
  void sprawdz_nastepny(Token_Kod kod, int nr_bledu);

  Osw_Skan& skan_;
  Ostrew_Wy& wy_;
  std::ostream& konsola_;
  int nr_bledu_pars_ = 0;

  Zbior_Tok first_plik;  // filled but never consulted: plik is called once
  Zbior_Tok first_sekcja;
  Zbior_Tok first_element;
  Zbior_Tok first_wartosc;  // wartosc tests the kinds one by one
};

}  // namespace ostrew
