#include "generator/rozszerzona/droga.h"

#include <sstream>

#include "generator/rozszerzona/pakiet_parsera.h"
#include "generator/rozszerzona/pakiety.h"
#include "generator/rozszerzona/plan.h"
#include "generator/wspolne/lista.h"
#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/projekt.h"
#include "generator/wspolne/skaner.h"
#include "gramatyka/analiza.h"

namespace bryzas::rozszerzona {

namespace {

using bryzas_analiza::analiza_raport;
using bryzas_analiza::Komunikat;
using bryzas_analiza::Waga;

// The file's lines, each followed by the messages about it (the message and
// its note), then the closing count.
void pisz_liste(const std::string& nazwa, const std::vector<std::string>& linie, const analiza_raport& raport) {
  std::vector<Uwaga_Listy> uwagi;
  for (const Komunikat& m : raport.posortowane()) {
    Uwaga_Listy& u = uwagi.emplace_back(Uwaga_Listy{m.poz.linia, m.poz.kol, {}});
    u.tekst.push_back((m.waga == Waga::blad ? "blad: " : "ostrzezenie: ") + m.tekst);
    if (!m.uwaga.empty()) u.tekst.push_back("uwaga: " + m.uwaga);
  }
  std::ostringstream podsumowanie;
  raport.wypisz_podsumowanie(podsumowanie);
  std::string linia = podsumowanie.str();
  linia.pop_back();
  pisz_plik(nazwa, [&](Pisarz& w) {
    bryzas::pisz_liste(w, linie, uwagi);
    w.linia();
    w.linia(linia);
  });
}

}  // namespace

Droga::Droga(const Bryzas_Pak& pak, bryzas_skan& skan, Konsola& konsola) : pak_(pak), skan_(skan), konsola_(konsola) {}

bool Droga::uruchom() {
  konsola_.linia();
  const bryzas_analiza::Analiza analiza(skan_, pak_);
  skan_.czytaj_reszte();
  skan_.zamknij();
  if (const auto& b = analiza.blad_pliku_tokenow()) throw *b;

  std::ostringstream komunikaty;
  analiza.gramatyki().wypisz(komunikaty, pak_.plik_we);
  analiza.tokenow().wypisz(komunikaty, pak_.plik_tok);
  analiza.gramatyki().wypisz_podsumowanie(komunikaty, analiza.tokenow());
  konsola_.tekst(komunikaty.str());
  pisz_liste(pak_.plik_lst, skan_.linie(), analiza.gramatyki());
  if (analiza.bledy() > 0) {
    if (analiza.tokenow().bledy() > 0)
      pisz_liste(pak_.plik_tok_lst, analiza.plik_tokenow()->linie(), analiza.tokenow());
    konsola_.linia("*** koniec parsowania");
    return true;
  }

  const Plan plan = zaplanuj(pak_, analiza);
  Pakiet_Parsera parser(pak_, plan);
  parser.pisz();
  Pakiety pakiety(pak_, plan, parser.opisy_bledow());
  pakiety.gen_skaner_spec();
  if (plan.skaner) Skaner(pak_, *plan.skaner).pisz(konsola_);
  if (plan.pisz_main) pakiety.gen_main();
  pakiety.gen_bledy();
  pisz_projekt(pak_, false);
  konsola_.linia("*** generacja kodu ...");
  konsola_.linia("*** koniec parsowania");
  return false;
}

}  // namespace bryzas::rozszerzona
