// Checks of the productions as such: the generator's table limits, names
// without a production, productions that cannot be reached or that derive
// no string of terminals, left recursion, parameters given where none are
// declared or the reverse, and a start production that does not end where
// the input ends.
#pragma once

#include <string>
#include <vector>

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"
#include "gramatyka/analiza_tokeny.h"
#include "gramatyka/analiza_zbiory.h"

namespace bryzas_analiza {

// What makes a nonterminal's derivations unusable as proofs: it has no
// production, derives no string of terminals, or calls itself before any
// token is consumed (the first of these that applies).
enum class Wada { brak, bez_produkcji, nieproduktywny, lewostronna_rekursja };

class Analiza_Produkcje {
public:
  Analiza_Produkcje(const Gramatyka& g, const Analiza_Zbiory& zbiory, Analiza_Raport& raport);

  void sprawdz();
  // After sprawdz: each nonterminal's fault, whether reported or not (the
  // report of left-recursive cycles has bounds, this has none).
  const std::vector<Wada>& wady() const { return wady_; }

private:
  // A nonterminal that can be called before any token is consumed.
  struct Wywolanie {
    int nieterminal;
    Pozycja poz;
  };

  void limity();
  void bez_produkcji();
  void nieosiagalne();
  void nieproduktywne();
  void rekursja_lewostronna();
  void lewostronne();
  void parametry();
  bool lewe_wywolania(const Ciag& ciag, std::vector<Wywolanie>& w) const;
  bool szukaj_cykli(int start);
  void zamknij_skladowa(int v, std::vector<int>& stos, std::vector<bool>& na_stosie);

  const Gramatyka& g_;
  const Analiza_Zbiory& zbiory_;
  Analiza_Raport& raport_;
  std::vector<int> produkcja_dla_;
  std::vector<Wada> wady_;
  // The left-call graph by nonterminal, and the bounds of the cycle search.
  std::vector<std::vector<Wywolanie>> krawedzie_;
  int zgloszone_cykle_ = 0;
  long kroki_ = 0;
  std::vector<bool> na_sciezce_;  // the nodes on the search's path
};

// Whether the generated parser checks that the input ends after the start
// symbol: the extended notation's does when it knows the end token, the
// ++koniec of P.tok, else (without P.tok) the grammar's own.
bool sprawdza_koniec(const Gramatyka& g, const Koniec_Wejscia& koniec);

// Where it does not, Parsuj returns once the start symbol is recognised,
// and whatever follows is never read: unless every sentence of the start production ends with a
// token that only the end of the input gives, input after a sentence passes
// unseen. Without a token file that token is taken to be the one the
// hand-written scanner gives at the end: a terminal that ends every sentence
// and stands nowhere else. A warning at the start production; in the
// extended notation, one that asks for the end token.
void sprawdz_koniec_wejscia(const Gramatyka& g, const Koniec_Wejscia& koniec, const std::string& plik_tok,
                            Analiza_Raport& raport);

}  // namespace bryzas_analiza
