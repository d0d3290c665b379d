// Emitters of the Ada statements for each grammar symbol that the grammar
// parser meets inside a production. Every line goes through the shared line
// writer, so it starts at the current indentation.
#pragma once

#include <string_view>

#include "generator/scanner/bryzas_skan.h"
#include "generator/emit/pisarz_kodu.h"

namespace bryzas {

class bryzas_kod {
public:
  explicit bryzas_kod(Pisarz_Kodu& pisarz) : p_(pisarz) {}

  // tok_nazwa: the symbol (NAZWANT or NAZWAT); tok_kod: the user code that
  // followed it (KODSYM) or nothing (PUSTY).

  // A symbol in a sequence: a call of the nonterminal, or the check of the
  // terminal with its own error number. Leaves the indentation as it was.
  void gen_kod_wyr1_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // First symbol of a repetition: the loop's exit test, then the symbol.
  void gen_kod_opcjaw_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_opcjaw_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // First symbol of an option: opens the if and leaves it open (one level
  // deeper); the grammar parser closes it at "]".
  void gen_kod_opcjaj_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_opcjaj_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // First symbol of the first branch (if) and of a later branch (elsif) of
  // an alternative; both leave the branch open one level deeper.
  void gen_kod_wyralbo_nazwakod_1(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_wyralbo_nazwakod_2(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  void gen_kod_wyralbo_nazwakod_3(const Token_Typ& tok_nazwa, const Token_Typ& tok_kod);
  // The user code after a name, between two marker comments; nothing when
  // no code followed.
  void gen_kod_wstawkod(const Token_Typ& tok_kod);

private:
  // Opens an if/elsif on the symbol's first token and leaves it open.
  // The comment of a terminal ends with koniec_komentarza.
  void otworz_wybor(std::string_view slowo, const Token_Typ& tok_nazwa, const Token_Typ& tok_kod,
                    std::string_view koniec_komentarza);

  Pisarz_Kodu& p_;
};

}  // namespace bryzas
