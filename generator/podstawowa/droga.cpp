#include "generator/podstawowa/droga.h"

#include <memory>
#include <string>

#include "generator/podstawowa/bryzas_pak_emitery.h"
#include "generator/podstawowa/pakiet_parsera.h"
#include "generator/podstawowa/pliki.h"
#include "generator/wspolne/projekt.h"
#include "generator/wspolne/skaner.h"
#include "gramatyka/plik_tokenow.h"
#include "wspolne/tekst.h"

namespace bryzas::podstawowa {

namespace {

// The token file's error on the console, as the grammar's are reported.
void zglos_blad_tokenow(Konsola& konsola, const std::string& plik_tok, const Blad_Tokenow& b) {
  konsola.linia("Blad tokenow (" + wspolne::obraz(b.nr) + ") - " + plik_tok + ", l:" + wspolne::obraz(b.linia) +
                ", k:" + wspolne::obraz(b.kol) + ": " + std::string(komunikat_tokenow(b.nr)));
}

}  // namespace

Droga::Droga(const Bryzas_Pak& pak, Bryzas_Skan& skan, Tablice_Symboli& symbole,
             const std::optional<wspolne::Blad_Pliku>& blad_otwarcia, Konsola& konsola)
    : pak_(pak), skan_(skan), symbole_(symbole), blad_otwarcia_(blad_otwarcia), konsola_(konsola) {}

// The files a stage left open after an error are flushed and closed at the
// end, also when a file fails: then the first failure is the one reported.
bool Droga::uruchom() {
  Pliki pliki;
  try {
    Pakiet_Parsera pars(pak_, skan_, symbole_, blad_otwarcia_, pliki, konsola_);
    bool blad = pars.parser();
    Bryzas_Pak_Emitery emitery(pak_, symbole_, pars.opisy_bledow(), pliki);
    emitery.gen_zbiory();
    emitery.gen_skaner_spec();
    bool z_tokenami = false;
    if (skaner(z_tokenami)) blad = true;
    emitery.gen_main();
    emitery.gen_bledy(z_tokenami);
    pisz_projekt(pak_, true);
    konsola_.linia("*** koniec parsowania");
    skan_.zamknij();
    pliki.zamknij();
    return blad;
  } catch (const wspolne::Blad_Pliku&) {
    skan_.zamknij();
    try {
      pliki.zamknij();
    } catch (const wspolne::Blad_Pliku&) {
      // The first failure is the one reported.
    }
    throw;
  }
}

// P.tok, when it exists: read once, its scanner built for the terminals the
// grammar named; an error goes to the console and the token listing, and no
// scanner is written. Returns true on such an error; z_tokenami tells
// whether a scanner was written.
bool Droga::skaner(bool& z_tokenami) {
  const std::unique_ptr<const Plik_Tokenow> tokeny = Plik_Tokenow::czytaj(
      pak_.plik_tok, [&](const std::string& n) { return symbole_.tablsymterm.znajdz(n) >= 0; }, false);
  if (!tokeny) return false;
  if (const std::optional<Blad_Tokenow> b = tokeny->blad()) {
    zglos_blad_tokenow(konsola_, pak_.plik_tok, *b);
    pisz_liste_tokenow(pak_.plik_tok_lst, *tokeny);
    return true;
  }
  const std::string& koniec = tokeny->opis().koniec;
  Plan_Skanera plan{.tokeny = *tokeny};
  plan.pisz_cialo = skaner_do_napisania(pak_.plik_skan);
  plan.koniec_jest_tokenem = !koniec.empty() && symbole_.tablsymterm.znajdz(koniec) >= 0;
  if (!plan.pisz_cialo) konsola_.linia(skaner_uzytkownika(pak_));
  Skaner(pak_, plan).pisz();
  z_tokenami = true;
  return false;
}

}  // namespace bryzas::podstawowa
