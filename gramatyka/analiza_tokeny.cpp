#include "gramatyka/analiza_tokeny.h"

#include <algorithm>
#include <set>
#include <utility>

#include "gramatyka/bryzas_tok.h"
#include "gramatyka/bryzas_tok_automat.h"
#include "gramatyka/komunikaty_analizy.h"
#include "wspolne/blad_pliku.h"

namespace bryzas_analiza {

namespace {

using bryzas::Definicja_Tokenu;
using bryzas::Wzor;
using bryzas::Wzorce_Skanera;
using K = Komunikat_Analizy;

bool pusty(const Wzor& w) {
  switch (w.rodzaj) {
    case Wzor::Rodzaj::znak: return false;
    case Wzor::Rodzaj::ciag:
      for (const Wzor& c : w.czesci)
        if (!pusty(c)) return false;
      return true;
    case Wzor::Rodzaj::wybor:
      for (const Wzor& c : w.czesci)
        if (pusty(c)) return true;
      return false;
    default: return true;
  }
}

// A text as the token file would write it: printable characters in quotes,
// the others by their codes.
std::string zapis(const std::string& tekst) {
  std::string w;
  bool w_napisie = false;
  for (char c : tekst) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127) {
      if (!w_napisie) w += (w.empty() ? "\"" : " \"");
      w_napisie = true;
      w += c == '"' ? "\"\"" : std::string(1, c);
    } else {
      if (w_napisie) w += '"';
      w_napisie = false;
      w += (w.empty() ? "#" : " #") + std::to_string(u);
    }
  }
  if (w_napisie) w += '"';
  return w;
}

// The definitions against the grammar's terminals: a token the grammar does
// not use, one that matches the empty text, an end token the grammar does
// not name, and a terminal without a definition.
void sprawdz_definicje(const Gramatyka& g, const bryzas::Opis_Tokenow& opis, const std::string& plik_tok,
                       Analiza_Raport& gramatyki, Analiza_Raport& tokenow) {
  std::set<std::string> zdefiniowane;
  for (const Definicja_Tokenu& d : opis.tokeny) {
    zdefiniowane.insert(d.nazwa);
    const Pozycja poz{d.linia, d.kol};
    if (g.terminale.znajdz(d.nazwa) < 0)
      tokenow.ostrzezenie(poz, tresc(K::token_nieuzywany, {d.nazwa}));
    else if (pusty(d.wzor))
      tokenow.blad(poz, tresc(K::token_pusty, {d.nazwa}));
  }
  // The extended notation's parser checks the end token itself.
  if (!g.rozszerzona && !opis.koniec.empty() && g.terminale.znajdz(opis.koniec) < 0)
    tokenow.ostrzezenie({opis.koniec_linia, opis.koniec_kol}, tresc(K::koniec_nieuzywany, {opis.koniec}));
  for (int t = 0; t < g.terminale.licz(); ++t) {
    const std::string& n = g.terminale.nazwa(t);
    if (!zdefiniowane.contains(n) && n != opis.koniec)
      gramatyki.blad(g.terminale.pierwsze_wystapienie[static_cast<std::size_t>(t)],
                     tresc(K::token_bez_definicji, {n, plik_tok}));
  }
}

// The token of a pattern that is no keyword, or null.
const Definicja_Tokenu* zwykly(const bryzas::Skaner_Tokenow& skaner, int wzorzec) {
  const Wzorce_Skanera::Cel& c = skaner.wzorce.cele[static_cast<std::size_t>(wzorzec)];
  if (c.rodzaj != Wzorce_Skanera::Rodzaj::token) return nullptr;
  const Definicja_Tokenu* d = skaner.tokeny[static_cast<std::size_t>(c.nr)];
  return d->slowo_kluczowe ? nullptr : d;
}

// Two tokens that end in one state match one text; the shortest such text
// is the example, reported once for each pair.
void sprawdz_wspolne_teksty(const bryzas::Skaner_Tokenow& skaner, Analiza_Raport& tokenow) {
  const bryzas::Automat_Tokenow& automat = *skaner.automat;
  const std::vector<std::string> teksty = automat.najkrotsze();
  std::set<std::pair<const Definicja_Tokenu*, const Definicja_Tokenu*>> zgloszone;
  // States by their texts, shortest and most readable first; state 1 holds
  // only the empty text, reported with the definitions.
  auto kody = [](const std::string& t) {
    return std::count_if(t.begin(), t.end(), [](char c) { return c < 32 || c > 126; });
  };
  std::vector<int> stany;
  for (int s = 2; s <= automat.licz_stanow(); ++s) stany.push_back(s);
  std::stable_sort(stany.begin(), stany.end(), [&](int a, int b) {
    const std::string& x = teksty[static_cast<std::size_t>(a)];
    const std::string& y = teksty[static_cast<std::size_t>(b)];
    return std::pair(x.size(), kody(x)) < std::pair(y.size(), kody(y));
  });
  for (int s : stany) {
    const Definicja_Tokenu* pierwszy = nullptr;
    for (int w : automat.konczace(s)) {
      const Definicja_Tokenu* d = zwykly(skaner, w);
      if (!d) continue;
      if (!pierwszy)
        pierwszy = d;
      else if (zgloszone.emplace(pierwszy, d).second)
        tokenow.ostrzezenie({d->linia, d->kol}, tresc(K::ten_sam_tekst, {d->nazwa, pierwszy->nazwa,
                                                                        zapis(teksty[static_cast<std::size_t>(s)])}));
    }
  }
}

// A keyword that the name rule cannot match: where some keyword is also a
// name, each other one should be too.
void sprawdz_slowa_kluczowe(const bryzas::Skaner_Tokenow& skaner, Analiza_Raport& tokenow) {
  const bryzas::Automat_Tokenow& automat = *skaner.automat;
  std::vector<std::pair<const Definicja_Tokenu*, bool>> slowa;
  bool jest_regula_nazw = false;
  for (const Definicja_Tokenu* d : skaner.tokeny) {
    if (!d->slowo_kluczowe) continue;
    bool nazwa = false;
    for (int w : automat.konczace(automat.przebieg(d->napis))) nazwa = nazwa || zwykly(skaner, w) != nullptr;
    slowa.emplace_back(d, nazwa);
    jest_regula_nazw = jest_regula_nazw || nazwa;
  }
  if (!jest_regula_nazw) return;
  for (const auto& [d, nazwa] : slowa)
    if (!nazwa) tokenow.ostrzezenie({d->linia, d->kol}, tresc(K::slowo_nie_nazwa, {d->napis}));
}

}  // namespace

std::unique_ptr<const bryzas::Plik_Tokenow> czytaj_tokeny(const Gramatyka& g, const std::string& plik_tok,
                                                          Analiza_Raport& tokenow,
                                                          std::optional<wspolne::Blad_Pliku>& blad) {
  try {
    return bryzas::Plik_Tokenow::czytaj(
        plik_tok, [&](const std::string& n) { return g.terminale.znajdz(n) >= 0; }, g.rozszerzona);
  } catch (const wspolne::Blad_Pliku& e) {
    tokenow.blad({1, 1}, e.opis());
    blad = e;
    return nullptr;
  }
}

Koniec_Wejscia sprawdz_tokeny(const Gramatyka& g, const bryzas::Plik_Tokenow* plik, bool blad_pliku,
                              const std::string& plik_tok, Analiza_Raport& gramatyki, Analiza_Raport& tokenow) {
  using Rodzaj = Koniec_Wejscia::Rodzaj;
  if (blad_pliku) return {Rodzaj::nieznany, {}};
  if (!plik) return {Rodzaj::skaner_wlasny, {}};
  if (const auto& b = plik->blad_skladni()) {
    tokenow.blad({b->linia, b->kol}, std::string(bryzas::komunikat_tokenow(b->nr)));
    return {Rodzaj::nieznany, {}};
  }
  const bryzas::Opis_Tokenow& opis = plik->opis();
  const Koniec_Wejscia koniec{opis.koniec.empty() ? Rodzaj::pusty : Rodzaj::token, opis.koniec};
  sprawdz_definicje(g, opis, plik_tok, gramatyki, tokenow);
  const bryzas::Skaner_Tokenow& skaner = plik->skaner();
  if (skaner.blad) {
    tokenow.blad({skaner.blad->linia, skaner.blad->kol}, std::string(bryzas::komunikat_tokenow(skaner.blad->nr)));
    return koniec;
  }
  sprawdz_wspolne_teksty(skaner, tokenow);
  sprawdz_slowa_kluczowe(skaner, tokenow);
  return koniec;
}

}  // namespace bryzas_analiza
