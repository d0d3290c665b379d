// Project state of one generator run: the names derived from the project
// name and the output files that the phases share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "generator/konsola.h"
#include "gramatyka/nazwy_projektu.h"
#include "gramatyka/tablica_symboli.h"
#include "wspolne/plik_wy.h"

namespace bryzas {

// The names, set once by the driver from the project name (trimmed of the
// blanks around it), are the state's own fields.
struct bryzas_pak : Nazwy_Projektu {
  explicit bryzas_pak(const std::string& projekt) : Nazwy_Projektu(projekt) {}

  // The grammar's names, as its scanner enters them.
  Tablice_Symboli symbole;

  // Files shared by the phases.
  wspolne::Plik_Wy pl_wys;
  wspolne::Plik_Wy pl_wyb;
  wspolne::Plik_Wy pl_lst;
  wspolne::Plik_Wy pl_log;
  wspolne::Plik_Wy pl_wyskans;

  // The text of every syntax error number of the generated body, what was
  // expected and where in the grammar; filled by the grammar phase, even
  // when it stops at an error, for the error-text package.
  struct Opis_Bledu {
    int nr;
    std::string tekst;  // what was expected: "oczekiwano 'X'"
    int linia;          // where in the grammar
    int kol;
  };
  std::vector<Opis_Bledu> opisy_bledow;

  // The grammar is in the extended notation: among other things its tokens
  // have any length, and P_Skan tells their whole text by Tekst.
  bool rozszerzona = false;
  // Of the extended notation: the parser goes on after a syntax error, and
  // the scanner after a lexical one, each reported through P_Bledy.
  bool odtwarzanie = false;
  bool odtwarzanie_skanera = false;
  // Of the extended notation with a scanner written from P.tok: the token
  // is built in place, in P_Skan.Biezacy, which the parser's Tok renames.
  bool token_w_miejscu = false;
  // ... and the grammar's inserts can read the token's text through Tok:
  // only then does the scanner copy it into Biezacy.Wart.
  bool wart_czytany = true;

  // A token file P.tok was read: the scanner body and the position package
  // are generated, and the error texts can say where an error happened.
  bool z_tokenami = false;

  // SOURCE_DATE_EPOCH, when it holds a non-negative integer: the instant that
  // generated headers show instead of the local clock.
  std::optional<long long> epoka_zrodel;
};

}  // namespace bryzas
