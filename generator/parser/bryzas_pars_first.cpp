// The FIRST section of the grammar, which becomes the body of Init_Zbiory.
// Its lines stand at a fixed indentation, whatever the productions left.
#include "generator/parser/bryzas_pars.h"

namespace bryzas {

// Written when the token after the last production has been read: the
// nonterminals that first occur in the FIRST section are not known yet.
void bryzas_pars::deklaruj_init_zbiory_pocz() {
  wyb_.linia("procedure Init_Zbiory is");
  wyb_.linia("begin");
  Wciecie cialo(wyb_, krok_wciecia);
  for (const std::string& n : skan_.tablsymnterm.nazwy()) wyb_.linia("Zeruj(First_", n, ");");
}

// blokfirst = PROCENT2 liniafirst { liniafirst }
void bryzas_pars::blokfirst() {
  sprawdz_nastepny(Token_Kod::PROCENT2, bledy::brak_procent2);
  liniafirst();
  while (Zawiera_Sie(tok.Kod, first_liniafirst)) liniafirst();
}

// liniafirst = NAZWANT DWUKROPEK NAZWAT { NAZWAT } KROPKA
// The line is written piece by piece as the tokens come; an error leaves it
// unfinished.
void bryzas_pars::liniafirst() {
  sprawdz(Token_Kod::NAZWANT, bledy::brak_nieterminala_first);
  const std::string n(wspolne::usun_spacje(tok.Wart));
  Wciecie cialo(wyb_, krok_wciecia);
  wyb_.dopisz("First_" + n + " := First_" + n);
  nastepny();
  sprawdz_nastepny(Token_Kod::DWUKROPEK, bledy::brak_dwukropka);
  sprawdz(Token_Kod::NAZWAT, bledy::brak_terminala_first);
  std::vector<std::string>& terminale = first_sekcji[n];
  do {
    wyb_.dopisz("+");
    wyb_.dopisz(wspolne::usun_spacje(tok.Wart));
    terminale.emplace_back(wspolne::usun_spacje(tok.Wart));
    nastepny();
  } while (jest(Token_Kod::NAZWAT));
  wyb_.linia(";");
  sprawdz_nastepny(Token_Kod::KROPKA, bledy::brak_kropki_first);
}

void bryzas_pars::deklaruj_init_zbiory_kon() {
  wyb_.linia("end Init_Zbiory;");
  wyb_.linia();
}

}  // namespace bryzas
