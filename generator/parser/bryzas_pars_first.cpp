// The FIRST section of the grammar, which becomes the body of Init_Zbiory.
// Its lines stand at a fixed indentation, whatever the productions left.
#include "generator/parser/bryzas_pars.h"

namespace bryzas {

// Written when the token after the last production has been read: the
// nonterminals that first occur in the FIRST section are not known yet.
void bryzas_pars::deklaruj_init_zbiory_pocz() {
  wspolne::Plik_Wy& b = pak_.pl_wyb;
  pisz_wiersz(b, {"procedure Init_Zbiory is"});
  pisz_wiersz(b, {"begin"});
  for (const std::string& n : skan_.tablsymnterm.nazwy) pisz_wiersz(b, {"  Zeruj(First_", n, ");"});
}

// blokfirst = PROCENT2 liniafirst { liniafirst }
void bryzas_pars::blokfirst() {
  if (!jest(Token_Kod::PROCENT2)) blad(23);
  nastepny();
  liniafirst();
  while (Zawiera_Sie(tok.Kod, first_liniafirst)) liniafirst();
}

// liniafirst = NAZWANT DWUKROPEK NAZWAT { NAZWAT } KROPKA
// The line is written piece by piece as the tokens come; an error leaves it
// unfinished.
void bryzas_pars::liniafirst() {
  wspolne::Plik_Wy& b = pak_.pl_wyb;
  if (!jest(Token_Kod::NAZWANT)) blad(24);
  const std::string n(wspolne::usun_spacje(tok.Wart));
  b.pisz("  First_" + n + " := First_" + n);
  nastepny();
  if (!jest(Token_Kod::DWUKROPEK)) blad(25);
  nastepny();
  if (!jest(Token_Kod::NAZWAT)) blad(26);
  do {
    b.pisz("+");
    b.pisz(wspolne::usun_spacje(tok.Wart));
    nastepny();
  } while (jest(Token_Kod::NAZWAT));
  pisz_wiersz(b, {";"});
  if (!jest(Token_Kod::KROPKA)) blad(27);
  nastepny();
}

void bryzas_pars::deklaruj_init_zbiory_kon() {
  pisz_wiersz(pak_.pl_wyb, {"end Init_Zbiory;"});
  pisz_wiersz(pak_.pl_wyb, {});
}

}  // namespace bryzas
