// Emitters of the Ada statements for each grammar symbol that the grammar
// parser meets inside a production. Every line goes through the body's line
// writer, shared with the grammar parser, so it starts at the current
// indentation. The emitters also number the syntax errors of the generated
// code.
#pragma once

#include <string>
#include <string_view>

#include "generator/podstawa/pisarz.h"
#include "generator/scanner/bryzas_skan.h"

namespace bryzas {

class bryzas_kod {
public:
  explicit bryzas_kod(Pisarz& pisarz) : p_(pisarz) {}

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

  // The next error number for the generated code, as bare digits: the first
  // call gives "100". Numbers are drawn while their line is being built, so
  // they grow from the top of the body to the bottom.
  std::string nr_bl_str() { return std::to_string(++nr_bledu_gen_); }

private:
  // Opens an if/elsif on the symbol's first token and leaves it open.
  // The comment of a terminal ends with koniec_komentarza.
  [[nodiscard]] Wciecie otworz_wybor(std::string_view slowo, const Token_Typ& tok_nazwa,
                                     const Token_Typ& tok_kod, std::string_view koniec_komentarza);

  Pisarz& p_;
  int nr_bledu_gen_ = 99;
};

}  // namespace bryzas
