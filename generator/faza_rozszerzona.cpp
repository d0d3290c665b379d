#include "generator/faza_rozszerzona.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <optional>
#include <sstream>
#include <unordered_map>

#include "generator/bryzas_pak_emitery.h"
#include "generator/bryzas_tok_skaner.h"
#include "generator/pakiet_rozszerzony.h"
#include "generator/pakiety_rozszerzone.h"
#include "generator/pisarz.h"
#include "gramatyka/analiza.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/bryzas_tok.h"
#include "gramatyka/czytnik_linii.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/tekst.h"

namespace bryzas {

using bryzas_analiza::analiza_raport;
using bryzas_analiza::Komunikat;
using bryzas_analiza::Waga;

bool jest_rozszerzona(const std::string& plik_we) {
  try {
    bryzas_skan skan(nullptr, nullptr, true);
    skan.otworz(plik_we);
    return skan.Skanuj().Kod == Token_Kod::ROZSZERZONA;
  } catch (const Blad_Skanera&) {
    return false;
  } catch (const wspolne::Blad_Pliku&) {
    return false;
  }
}

namespace {

// The file's lines numbered as the scanner numbers them, each followed by
// the messages about it: a marker under the column, the message and its
// note; then the closing count.
void pisz_liste(const std::string& nazwa, const std::string& zrodlo, const analiza_raport& raport) {
  const std::vector<Komunikat> komunikaty = raport.posortowane();
  std::size_t k = 0;
  pisz_plik(nazwa, [&](Pisarz& w) {
    auto pod_linia = [&](int linia) {
      for (; k < komunikaty.size() && komunikaty[k].poz.linia <= linia; ++k) {
        const Komunikat& m = komunikaty[k];
        const std::string numer = wspolne::obraz(m.poz.linia) + ": ";
        w.linia(std::string(numer.size() + static_cast<std::size_t>(std::max(m.poz.kol, 1)) - 1, '-'), "^");
        w.linia(m.waga == Waga::blad ? "blad: " : "ostrzezenie: ", m.tekst);
        if (!m.uwaga.empty()) w.linia("uwaga: ", m.uwaga);
      }
    };
    Czytnik_Linii czytnik;
    try {
      czytnik.otworz(zrodlo);
    } catch (const wspolne::Blad_Pliku& e) {
      if (!e.brak_pliku()) throw;
    }
    Czytnik_Linii::Linia l;
    for (int nr = 1; !czytnik.koniec(); ++nr) {
      const std::size_t dl = czytnik.czytaj(l);
      w.linia(wspolne::obraz(nr), ": ", std::string_view(l.data(), dl));
      pod_linia(nr);
    }
    czytnik.zamknij();
    pod_linia(std::numeric_limits<int>::max());
    w.linia();
    std::ostringstream podsumowanie;
    raport.wypisz_podsumowanie(podsumowanie);
    const std::string linia = podsumowanie.str();
    w.linia(std::string_view(linia).substr(0, linia.size() - 1));
  });
}

// A terminal as the messages spell it: the string that P.tok defines it
// by (its definition d, if any), when it is one string, else its name.
std::string pisownia(const std::string& nazwa, const Definicja_Tokenu* d) {
  std::optional<std::string> napis;
  if (d != nullptr) napis = jeden_napis(*d);
  const char cudzyslow = napis ? '"' : '\'';
  std::string w(1, cudzyslow);
  w.append(napis ? *napis : nazwa);
  w.push_back(cudzyslow);
  return w;
}

// Whether any insert or parameter of the grammar names the token the
// parser holds, or its text field: Tok, Biezacy, Wart.
bool czyta_tok(const bryzas_analiza::Gramatyka& g) {
  auto czyta = [](std::string_view t) {
    return wspolne::zawiera_nazwe(t, "Tok") || wspolne::zawiera_nazwe(t, "Biezacy") ||
           wspolne::zawiera_nazwe(t, "Wart");
  };
  bool wynik = false;
  std::function<void(const bryzas_analiza::Ciag&)> ciag = [&](const bryzas_analiza::Ciag& c) {
    for (const bryzas_analiza::Element& e : c) {
      wynik = wynik || czyta(e.wstawka) || (e.parametry && czyta(*e.parametry));
      for (const bryzas_analiza::Ciag& galaz : e.galezie) ciag(galaz);
    }
  };
  for (const auto& s : g.naglowek) wynik = wynik || czyta(s.tekst);
  for (const auto& p : g.produkcje) {
    wynik = wynik || czyta(p.deklaracje) || czyta(p.wstawka_poczatkowa) || (p.parametry && czyta(*p.parametry));
    ciag(p.prawa);
  }
  return wynik;
}

}  // namespace

Faza_Rozszerzona::Faza_Rozszerzona(bryzas_pak& pak, Konsola& konsola) : pak_(pak), konsola_(konsola) {}

bool Faza_Rozszerzona::uruchom() {
  bryzas_skan skan(nullptr, &pak_.symbole, true);
  skan.otworz(pak_.plik_we);
  const bryzas_analiza::Analiza analiza(skan, pak_);
  skan.zamknij();

  std::ostringstream komunikaty;
  analiza.gramatyki().wypisz(komunikaty, pak_.plik_we);
  analiza.tokenow().wypisz(komunikaty, pak_.plik_tok);
  analiza.gramatyki().wypisz_podsumowanie(komunikaty, analiza.tokenow());
  konsola_.tekst(komunikaty.str());
  pisz_liste(pak_.plik_lst, pak_.plik_we, analiza.gramatyki());
  if (analiza.bledy() > 0) {
    if (analiza.tokenow().bledy() > 0) pisz_liste(pak_.plik_tok_lst, pak_.plik_tok, analiza.tokenow());
    return true;
  }

  pak_.rozszerzona = true;
  const bryzas_analiza::Gramatyka& g = analiza.gramatyka();
  bryzas_tok czytnik;
  const std::optional<Opis_Tokenow> tokeny = czytnik.czytaj(pak_.plik_tok);
  pak_.token_w_miejscu = tokeny && skaner_do_napisania(pak_.plik_skan);
  pak_.wart_czytany = czyta_tok(g);
  // A handler of the user's for syntax (or lexical) errors takes the first
  // one, and the parse ends there, as it does without recovery; a scanner
  // of the user's raises its errors.
  pak_.odtwarzanie = g.odtwarzanie();
  pak_.odtwarzanie_skanera =
      pak_.odtwarzanie && pak_.token_w_miejscu && !g.ma_sekcje(Token_Kod::EXCEPTSKANKOD);
  // The end token: P.tok's, or without P.tok the grammar's; a kind of the
  // scanner whether the productions name it or not. Without one nothing
  // checks the end of the input, and the analyser has said so.
  std::string koniec = tokeny ? tokeny->koniec : std::string();
  for (const auto& s : g.naglowek)
    if (s.rodzaj == Token_Kod::KONIECKOD && !tokeny) koniec = s.tekst;
  // Messages list the tokens in the order of their definitions in P.tok,
  // else of their first appearance.
  std::unordered_map<std::string_view, std::size_t> definicje;  // by name, their place in P.tok
  for (std::size_t i = 0; tokeny && i < tokeny->tokeny.size(); ++i) definicje[tokeny->tokeny[i].nazwa] = i;
  std::vector<std::string> terminale, pisane;
  std::vector<int> kolejnosc;
  for (int t = 0; t < g.terminale.licz(); ++t) {
    const std::string& n = g.terminale.nazwa(t);
    terminale.push_back(n);
    const auto d = definicje.find(n);
    const bool zdefiniowany = d != definicje.end();
    pisane.push_back(pisownia(n, zdefiniowany ? &tokeny->tokeny[d->second] : nullptr));
    kolejnosc.push_back(zdefiniowany ? static_cast<int>(d->second) : g.terminale.licz() + t);
  }
  if (!koniec.empty() && g.terminale.znajdz(koniec) < 0) {
    terminale.push_back(koniec);
    pak_.symbole.tablsymterm.wstaw_token(koniec);
  }
  Pakiet_Rozszerzony(pak_, g, analiza.zbiory(), analiza.decyzje(), koniec, pisane, kolejnosc).pisz();
  Pakiety_Rozszerzone pakiety(pak_, terminale);
  pakiety.gen_skaner_spec();
  bryzas_tok_skaner(pak_, konsola_).gen_skaner();
  // A start symbol with parameters leaves the main procedure to the user,
  // as the analysis has warned.
  if (!g.produkcje.front().parametry) pakiety.gen_main();
  pakiety.gen_bledy();
  bryzas_pak_emitery(pak_).gen_projekt();
  konsola_.linia("*** generacja kodu ...");
  return false;
}

}  // namespace bryzas
