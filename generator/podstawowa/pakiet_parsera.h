// The grammar phase of today's notation: the parser of the notation reads
// P.gpa and tells this receiver what it recognises, which writes the parser
// package as it comes (one pass, nothing buffered: after an error the files
// hold everything before it), then the listing's end and the log.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "generator/podstawowa/bryzas_kod.h"
#include "generator/podstawowa/pliki.h"
#include "generator/wspolne/bryzas_pak.h"
#include "generator/wspolne/konsola.h"
#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/teksty_bledow.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/odbiorca.h"

namespace bryzas::podstawowa {

class Pakiet_Parsera : private Odbiorca {
public:
  // The scanner has the grammar file open, unless opening it failed with
  // blad_otwarcia; its tables are symbole.
  Pakiet_Parsera(const Bryzas_Pak& pak, Bryzas_Skan& skan, const Tablice_Symboli& symbole,
                 const std::optional<wspolne::Blad_Pliku>& blad_otwarcia, Pliki& pliki, Konsola& konsola);

  // Runs the whole phase. Returns true when it reported an error of the
  // grammar (missing grammar file, an output file it could not create, a
  // scanner or syntax error). Any other file failure propagates as Blad_Pliku.
  bool parser();
  // What each error number of the body expected and where: the body as
  // written, also up to an error.
  const std::vector<Opis_Bledu>& opisy_bledow() const { return opisy_bledow_; }

private:
  // The phase around the parse.
  void utworz_pliki();
  void poczatek_pl_s();
  void poczatek_pl_b();
  void deklaruj_typ_zbior();
  void deklaruj_zbiory_first();
  void zamknij_pliki();
  void pisz_plik_log();
  void zglos_blad(std::string_view zrodlo, int nr, std::string_view komunikat);
  void opisz_bledy();
  void dokoncz_parsuj(const std::string& symbol);
  void linia_wstawki(std::string_view tekst);

  // What the parser tells, written at once.
  // A grammar in the extended notation takes the other road.
  void rozszerzona() override {}
  void naglowek(const Token_Typ& slowo, const Token_Typ& wstawka) override;
  void koniec_czesci(Czesc_Naglowka czesc) override;
  void lewa_strona(const Token_Typ& nazwa) override;
  // Only the extended notation has parameters.
  void parametry(const Token_Typ&) override {}
  void deklaracje(const Token_Typ& wstawka) override;
  void cialo() override;
  void wstawka_poczatkowa(const Token_Typ& wstawka) override;
  void koniec_produkcji() override;
  void po_pierwszej_produkcji() override;
  void symbol(const Token_Typ& nazwa, const Token_Typ& parametry, const Token_Typ& wstawka) override;
  void grupa(const Token_Typ& nawias) override;
  void galaz() override;
  void koniec_grupy(const Token_Typ& nawias) override;
  void wstawka_po_grupie(const Token_Typ& wstawka) override;
  void po_produkcjach() override;
  void brak_sekcji_first() override;
  void linia_first(const Token_Typ& nieterminal) override;
  void terminal_first(const Token_Typ& terminal) override;
  void koniec_terminali_first() override;
  void koniec_first() override;

  const Bryzas_Pak& pak_;
  Bryzas_Skan& skan_;
  const Tablice_Symboli& symbole_;
  const std::optional<wspolne::Blad_Pliku>& blad_otwarcia_;
  Pliki& pliki_;
  Konsola& konsola_;
  // The writers of P_pars.ads, of P_pars.adb (shared with the emitters)
  // and the listing.
  Pisarz wys_;
  Pisarz wyb_;
  Pisarz lst_;
  Bryzas_Kod kod_;
  std::vector<Opis_Bledu> opisy_bledow_;

  std::string produkcja_;  // the left side of the production being read
  std::optional<Wciecie> cialo_;  // the statements of its procedure
  // The open group (Kod PUSTY outside one), the first name of its branch
  // still to come, and the inside of the option or branch the emitters opened.
  Token_Typ grupa_;
  bool pierwsza_nazwa_ = false;
  bool pierwsza_galaz_ = false;
  std::optional<Wciecie> galaz_;
  bool symbol_pocz_ = true;
  std::optional<std::string> init_instr_po_;
  std::optional<std::string> except_skan_;
  std::optional<std::string> except_pars_;
  // The terminals of each FIRST line read so far, by nonterminal.
  std::map<std::string, std::vector<std::string>> first_sekcji_;
  std::string linia_first_;  // the nonterminal of the FIRST line being read
};

}  // namespace bryzas::podstawowa
