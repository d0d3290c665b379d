// Names that the generated Ada cannot carry: one that is no Ada identifier
// (an underscore at either end or two together), a reserved word, a name
// that the generated packages declare themselves, a predefined name that a
// token kind would hide, two names that Ada, blind to letter case, takes for
// one. Each is an error at the name's first occurrence.
#pragma once

#include <string>
#include <unordered_set>
#include <utility>

#include "gramatyka/analiza_decyzje.h"
#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"
#include "gramatyka/nazwy_projektu.h"

namespace bryzas_analiza {

class Analiza_Nazwy {
public:
  // With z_tokenami the scanner body is generated too, and its names count.
  Analiza_Nazwy(const Gramatyka& g, const Analiza_Decyzje& decyzje, const bryzas::Nazwy_Projektu& projekt,
                bool z_tokenami, Analiza_Raport& raport)
      : g_(g), decyzje_(decyzje), projekt_(projekt), z_tokenami_(z_tokenami), raport_(raport) {}

  void sprawdz();

private:
  void sprawdz_nazwe(const Nazwy& nazwy, int nr, bool terminal);
  // Whether the name is First_N of some nonterminal N, letter case aside.
  bool zbior_first(const std::string& nazwa) const;
  // The names of one kind against each other.
  void sprawdz_wielkosc_liter(const Nazwy& nazwy, bool terminal);
  std::string cytat(int nr, bool terminal) const;
  // Whether the nonterminal's production takes no parameters.
  bool bez_parametrow(int nieterminal) const;

  const Gramatyka& g_;
  const Analiza_Decyzje& decyzje_;
  const bryzas::Nazwy_Projektu& projekt_;
  bool z_tokenami_;
  Analiza_Raport& raport_;
  std::unordered_set<std::string> nieterminale_;  // in small letters
};

}  // namespace bryzas_analiza
