// Emitters of the Ada statements for each grammar symbol that the grammar
// parser meets inside a production. Every line goes through the body's line
// writer, shared with the grammar parser, so it starts at the current
// indentation. The emitters also number the syntax errors of the generated
// code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/wspolne/pisarz.h"
#include "gramatyka/bryzas_skan.h"

namespace bryzas::podstawowa {

// A syntax error the generated parser can raise: its number, what the body
// checks for there (one terminal, or the first symbol of each branch of an
// alternative) and the place of that symbol or group in the grammar.
struct Blad_Kodu {
  int nr = 0;
  std::vector<Token_Typ> oczekiwane;  // NAZWAT or NAZWANT
  int linia = 0;
  int kol = 0;
};

class Bryzas_Kod {
public:
  explicit Bryzas_Kod(Pisarz& pisarz) : p_(pisarz) {}

  // tok_nazwa: the symbol (NAZWANT or NAZWAT); tok_kod: the user code that
  // followed it (KODSYM) or nothing (PUSTY).

  // A symbol in a sequence: a call of the nonterminal, or the check of the
  // terminal with its own error number. Leaves the indentation as it was.
  void gen_kod_wyr1_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // First symbol of a repetition: the loop's exit test, then the symbol.
  void gen_kod_opcjaw_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_opcjaw_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // First symbol of an option: opens the if and returns the indentation of
  // its inside; the grammar parser closes it at "]".
  [[nodiscard]] Wciecie gen_kod_opcjaj_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_opcjaj_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // First symbol of the first branch (if) and of a later branch (elsif) of
  // an alternative; both leave the branch open and return its indentation.
  [[nodiscard]] Wciecie gen_kod_wyralbo_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_wyralbo_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  [[nodiscard]] Wciecie gen_kod_wyralbo_nazwakod_3(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // The user code after a name, between two marker comments; nothing when
  // no code followed.
  void gen_kod_wstawkod(const Token_Typ& tok_kod);

  // The number of the error at the end of the alternative whose branches
  // the emitters above have opened; (linia, kol) is its "(".
  std::string nr_bledu_alternatywy(int linia, int kol);

  // Every error number drawn so far, in order.
  const std::vector<Blad_Kodu>& bledy() const { return bledy_; }

private:
  // Opens an if/elsif on the symbol's first token and leaves it open.
  // The comment of a terminal ends with koniec_komentarza.
  [[nodiscard]] Wciecie otworz_wybor(std::string_view slowo, const Token_Typ& tok_nazwa,
                                     const Token_Typ& tok_kod, std::string_view koniec_komentarza);

  // The next error number for the generated code, as bare digits: the first
  // call gives "100". Numbers are drawn while their line is being built, so
  // they grow from the top of the body to the bottom.
  std::string nr_bl_str(Blad_Kodu blad);

  Pisarz& p_;
  int nr_bledu_gen_ = 99;
  std::vector<Blad_Kodu> bledy_;
  std::vector<Token_Typ> galezie_;  // first symbols of the open alternative's branches
};

}  // namespace bryzas::podstawowa
