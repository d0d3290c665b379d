// The grammar phase: parses P.gpa and writes the parser package, the listing
// and the log as it goes.
#pragma once

#include <string>
#include <map>
#include <string_view>
#include <vector>

#include "gramatyka/bledy_parsera.h"
#include "generator/emit/bryzas_kod.h"
#include "generator/podstawa/bryzas_pak.h"
#include "gramatyka/bryzas_skan.h"
#include "generator/sets/bryzas_zbiory.h"
#include "wspolne/tekst.h"
#include "generator/podstawa/konsola.h"
#include "generator/podstawa/pisarz.h"

namespace bryzas {

class bryzas_pars {
public:
  bryzas_pars(bryzas_pak& pak, bryzas_skan& skan, Konsola& konsola);

  // Runs the whole phase. Returns true when it reported an error of the
  // grammar (missing grammar file, an output file it could not create, a
  // scanner or syntax error). Any other file failure propagates as Blad_Pliku.
  bool parser();

private:
  // The phase around the parse (bryzas_pars.cpp).
  void utworz_pliki();
  void poczatek_pl_s();
  void poczatek_pl_b();
  void deklaruj_typ_zbior();
  void deklaruj_zbiory_first();
  void zamknij_pliki();
  void pisz_plik_log();
  void zglos_blad(std::string_view zrodlo, int nr, std::string_view komunikat);
  void opisz_bledy();

  // Recognisers of the notation (bryzas_pars_rek.cpp).
  void init_zbiory();
  void parsuj();
  void plik();
  void linia();
  void dokoncz_parsuj(const std::string& symbol);
  void wyr();
  void wyr1();
  void opcjaw();
  void opcjaj();
  void wyralbo();
  void galaz_alternatywy();
  void dalsze_nazwy(void (bryzas_kod::*emiter)(const Token_Typ&, const Token_Typ&));
  void nazwakod();
  void wstawka_koncowa();
  std::string wstawka_po_slowie(int nr_bledu);

  // The FIRST section and Init_Zbiory (bryzas_pars_first.cpp).
  void deklaruj_init_zbiory_pocz();
  void blokfirst();
  void liniafirst();
  void deklaruj_init_zbiory_kon();

  void nastepny() { tok = skan_.Skanuj(); }
  bool jest(Token_Kod k) const { return tok.Kod == k; }
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

  bryzas_pak& pak_;
  bryzas_skan& skan_;
  Konsola& konsola_;
  // The writers of P_pars.ads, of P_pars.adb (shared with the emitters)
  // and the listing.
  Pisarz wys_;
  Pisarz wyb_;
  Pisarz lst_;
  bryzas_kod kod_;

  Token_Typ tok;             // the current lookahead token
  Token_Typ tok_nazwa_temp;  // the name just read by nazwakod
  Token_Typ tok_kod_temp;    // the code after it, or Kod PUSTY
  bool symbol_pocz = true;
  bool jest_init_instr_po = false;
  bool jestexcept = false;
  std::string buf_init_instr_po;
  std::string buf_except_skan;
  std::string buf_except_pars;
  // The terminals of each FIRST line read so far, by nonterminal.
  std::map<std::string, std::vector<std::string>> first_sekcji;

  // Left sides read so far, at most 200.
  Tablica_Symboli tabl_lewych_stron;

  Zbior_Tok first_linia;
  Zbior_Tok first_wyr1;
  Zbior_Tok first_nazwakod;
  Zbior_Tok first_opcjaj;
  Zbior_Tok first_opcjaw;
  Zbior_Tok first_wyralbo;
  Zbior_Tok first_blokfirst;
  Zbior_Tok first_liniafirst;
};

}  // namespace bryzas
