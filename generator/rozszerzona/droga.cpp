#include "generator/rozszerzona/droga.h"

#include <sstream>

#include "generator/rozszerzona/pakiety.h"
#include "generator/wspolne/gnat.h"
#include "generator/wspolne/lista.h"
#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/projekt.h"
#include "generator/wspolne/skaner.h"
#include "wspolne/katalog_roboczy.h"

namespace bryzas::rozszerzona {

namespace {

using bryzas_analiza::Analiza_Raport;
using bryzas_analiza::Komunikat;
using bryzas_analiza::Waga;

// GNAT names a place of the file it speaks of by its line alone: said of
// the grammar, the file is named too.
std::string wskaz_plik(std::string tekst, const std::string& plik) {
  const std::string_view at = " at line ";
  for (std::size_t i = tekst.find(at); i != std::string::npos; i = tekst.find(at, i + 1))
    if (i + at.size() < tekst.size() && tekst[i + at.size()] >= '0' && tekst[i + at.size()] <= '9')
      tekst.replace(i, at.size(), " at " + plik + ":");
  return tekst;
}

std::string podsumowanie(int bledy, int ostrzezenia) {
  return "*** bledy: " + std::to_string(bledy) + ", ostrzezenia: " + std::to_string(ostrzezenia);
}

// The file's lines, each followed by the messages about it (the message and
// its note), then the closing count.
void pisz_liste(const std::string& nazwa, const std::vector<std::string>& linie, const Analiza_Raport& raport,
                const std::string& koniec) {
  std::vector<Uwaga_Listy> uwagi;
  for (const Komunikat& m : raport.posortowane()) {
    Uwaga_Listy& u = uwagi.emplace_back(Uwaga_Listy{m.poz.linia, m.poz.kol, {}});
    u.tekst.push_back((m.waga == Waga::blad ? "blad: " : "ostrzezenie: ") + m.tekst);
    if (!m.uwaga.empty()) u.tekst.push_back("uwaga: " + m.uwaga);
  }
  pisz_plik(nazwa, [&](Pisarz& w) {
    bryzas::pisz_liste(w, linie, uwagi);
    w.linia();
    w.linia(koniec);
  });
}

}  // namespace

Droga::Droga(const Bryzas_Pak& pak, Bryzas_Skan& skan, bool sprawdz_gnat, Konsola& konsola)
    : pak_(pak), skan_(skan), sprawdz_gnat_(sprawdz_gnat), konsola_(konsola) {}

bool Droga::uruchom() {
  konsola_.linia();
  const bryzas_analiza::Analiza analiza(skan_, pak_);
  skan_.czytaj_reszte();
  skan_.zamknij();
  if (const auto& b = analiza.blad_pliku_tokenow()) throw *b;

  // GNAT's messages about the grammar's text join the analysis's.
  Analiza_Raport raport = analiza.gramatyki();
  std::optional<Plan> plan;
  std::optional<wspolne::Katalog_Roboczy> katalog;
  std::vector<std::string> pliki;
  if (analiza.bledy() == 0) {
    plan.emplace(zaplanuj(pak_, analiza));
    katalog.emplace("." + pak_.nazwa_proj + ".bryzas.");
    Bryzas_Pak roboczy = pak_;
    roboczy.katalog = katalog->nazwa();
    pliki = pisz(roboczy, *plan, raport);
  }
  zglos(analiza, raport);
  // Each listing counts its own messages.
  pisz_liste(pak_.plik_lst, skan_.linie(), raport, podsumowanie(raport.bledy(), raport.ostrzezenia()));
  if (bledy(analiza, raport) > 0) {
    const Analiza_Raport& tokenow = analiza.tokenow();
    if (tokenow.bledy() > 0)
      pisz_liste(pak_.plik_tok_lst, analiza.plik_tokenow()->linie(), tokenow,
                 podsumowanie(tokenow.bledy(), tokenow.ostrzezenia()));
    konsola_.linia("*** koniec parsowania");
    return true;
  }
  if (plan->skaner && !plan->skaner->pisz_cialo) konsola_.linia(skaner_uzytkownika(pak_));
  katalog->przenies(pliki);
  konsola_.linia("*** generacja kodu ...");
  konsola_.linia("*** koniec parsowania");
  return false;
}

std::vector<std::string> Droga::pisz(const Bryzas_Pak& pak, const Plan& plan, Analiza_Raport& raport) {
  std::vector<std::string> pliki{pak.plik_wys, pak.plik_wyb, pak.plik_wyskans, pak.plik_bledy + ".ads",
                                 pak.plik_bledy + ".adb"};
  Pakiet_Parsera parser(pak, plan);
  parser.pisz();
  Pakiety pakiety(pak, plan, parser.opisy_bledow());
  pakiety.gen_skaner_spec();
  if (plan.skaner) {
    Skaner(pak, *plan.skaner).pisz();
    pliki.push_back(pak.plik_tok_lst);
    pliki.push_back(pak.plik_pozycji);
    if (plan.skaner->pisz_cialo) pliki.push_back(pak.plik_skan);
  }
  if (plan.pisz_main) {
    pakiety.gen_main();
    pliki.push_back(pak.plik_main);
  }
  pakiety.gen_bledy();
  if (plan.pisz_projekt) {
    pisz_projekt(pak, false);
    pliki.push_back(pak.plik_gpr);
  }
  sprawdz(pak, parser, raport);
  return pliki;
}

// Without GNAT on the path the check is skipped, and the console says so;
// the switch that turns it off says nothing.
void Droga::sprawdz(const Bryzas_Pak& pak, const Pakiet_Parsera& parser, Analiza_Raport& raport) {
  if (!sprawdz_gnat_) return;
  if (!Sprawdzenie_Gnat::dostepny()) {
    wygenerowane_.push_back("*** brak gnatmake: GNAT nie sprawdzil kodu Ady z " + pak.plik_we);
    return;
  }
  for (const Komunikat_Gnat& k : Sprawdzenie_Gnat(pak).sprawdz(pak.plik_wyb, pak.plik_wyskans)) {
    const Mapa_Zrodel* mapa = k.plik == pak.plik_wyb   ? &parser.mapa_tresci()
                              : k.plik == pak.plik_wys ? &parser.mapa_specyfikacji()
                                                       : nullptr;
    const std::optional<Pozycja> poz = mapa ? mapa->znajdz(k.linia, k.kol) : std::nullopt;
    if (poz && k.blad)
      raport.blad(*poz, wskaz_plik(k.tekst, k.plik));
    else if (poz)
      raport.ostrzezenie(*poz, wskaz_plik(k.tekst, k.plik));
    else
      wygenerowane_.push_back(k.wiersz);
    if (!poz && k.blad) ++bledy_wygenerowanych_;
  }
}

// The messages sorted by place, the token file's, GNAT's about generated
// text, then the counts.
void Droga::zglos(const bryzas_analiza::Analiza& analiza, const Analiza_Raport& raport) {
  std::ostringstream komunikaty;
  raport.wypisz(komunikaty, pak_.plik_we);
  analiza.tokenow().wypisz(komunikaty, pak_.plik_tok);
  for (const std::string& w : wygenerowane_) komunikaty << w << '\n';
  komunikaty << podsumowanie(bledy(analiza, raport), raport.ostrzezenia() + analiza.tokenow().ostrzezenia())
             << '\n';
  konsola_.tekst(komunikaty.str());
}

int Droga::bledy(const bryzas_analiza::Analiza& analiza, const Analiza_Raport& raport) const {
  return raport.bledy() + analiza.tokenow().bledy() + bledy_wygenerowanych_;
}

}  // namespace bryzas::rozszerzona
