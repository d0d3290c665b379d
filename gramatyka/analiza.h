// The analysis of one grammar file, as bryzas_analiza prints it: the
// grammar read into its model through the parser of the notation (a lexical
// or syntax error ends it there), then every check of the productions, the
// names, the inserts, the choices with their proofs, and of the token file.
#pragma once

#include <memory>
#include <optional>
#include <ostream>

#include "gramatyka/analiza_decyzje.h"
#include "gramatyka/analiza_ll1.h"
#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"
#include "gramatyka/analiza_zbiory.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/bryzas_tok.h"
#include "gramatyka/nazwy_projektu.h"
#include "gramatyka/plik_tokenow.h"

namespace bryzas_analiza {

class Analiza {
public:
  // Reads the grammar file that the scanner has opened, and P.tok when
  // there is one.
  Analiza(bryzas::Bryzas_Skan& skan, const bryzas::Nazwy_Projektu& n);
  // Checks a grammar whose model is built already.
  Analiza(Gramatyka g, const bryzas::Nazwy_Projektu& n);
  // The parts hold the model by reference.
  Analiza(const Analiza&) = delete;
  Analiza& operator=(const Analiza&) = delete;

  // Whether the grammar was read whole, so that it could be checked.
  bool przeczytana() const { return ll1_ != nullptr; }
  const Gramatyka& gramatyka() const { return g_; }
  // Of a grammar read whole: its sets, and how the generated parser decides
  // each of its groups (the predict set of every branch, the tokens that
  // take it, the FOLLOW of the group), keyed by the group's element in
  // gramatyka().
  const Analiza_Zbiory& zbiory() const { return *zbiory_; }
  const Analiza_Decyzje& decyzje() const { return *decyzje_; }
  // The token file as the analysis read it (with the scanner of the
  // grammar's terminals), null when there is none or it could not be read.
  const bryzas::Plik_Tokenow* plik_tokenow() const { return tokeny_pliku_.get(); }
  // A token file that exists but could not be read, reported as an error.
  const std::optional<wspolne::Blad_Pliku>& blad_pliku_tokenow() const { return blad_pliku_tokenow_; }
  const Analiza_Raport& gramatyki() const { return raport_; }
  const Analiza_Raport& tokenow() const { return tokeny_; }
  int bledy() const { return raport_.bledy() + tokeny_.bledy(); }
  // The token file's description, for the spellings of its tokens; null
  // without one, or with one whose syntax stopped its reading.
  const bryzas::Opis_Tokenow* opis_tokenow() const {
    return tokeny_pliku_ && !tokeny_pliku_->blad_skladni() ? &tokeny_pliku_->opis() : nullptr;
  }

  // The FIRST section computed from the productions, ready to stand at the
  // end of the grammar; only for a grammar read whole.
  void wypisz_sekcje_first(std::ostream& os) const;

private:
  void czytaj(bryzas::Bryzas_Skan& skan);
  void sprawdz(const bryzas::Nazwy_Projektu& n);

  Gramatyka g_;
  Analiza_Raport raport_;
  Analiza_Raport tokeny_;
  std::unique_ptr<Analiza_Zbiory> zbiory_;
  std::unique_ptr<Analiza_Decyzje> decyzje_;
  std::unique_ptr<Analiza_Ll1> ll1_;
  std::unique_ptr<const bryzas::Plik_Tokenow> tokeny_pliku_;
  std::optional<wspolne::Blad_Pliku> blad_pliku_tokenow_;
};

}  // namespace bryzas_analiza
