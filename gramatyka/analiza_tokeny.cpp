#include "gramatyka/analiza_tokeny.h"

#include <algorithm>
#include <set>
#include <utility>

#include "gramatyka/bryzas_tok.h"
#include "gramatyka/bryzas_tok_automat.h"
#include "wspolne/blad_pliku.h"

namespace bryzas_analiza {

namespace {

using bryzas::Definicja_Tokenu;
using bryzas::Wzor;
using bryzas::Wzorce_Skanera;

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

}  // namespace

Koniec_Wejscia sprawdz_tokeny(const Gramatyka& g, const std::string& plik_tok, analiza_raport& gramatyki,
                              analiza_raport& tokenow) {
  using Rodzaj = Koniec_Wejscia::Rodzaj;
  bryzas::bryzas_tok czytnik;
  std::optional<bryzas::Opis_Tokenow> opis;
  try {
    opis = czytnik.czytaj(plik_tok);
  } catch (const wspolne::Blad_Pliku& e) {
    tokenow.blad({1, 1}, e.opis());
    return {Rodzaj::nieznany, {}};
  }
  if (!opis) return {Rodzaj::skaner_wlasny, {}};
  if (const auto& b = czytnik.blad()) {
    tokenow.blad({b->linia, b->kol}, std::string(bryzas::komunikat_tokenow(b->nr)));
    return {Rodzaj::nieznany, {}};
  }
  const Koniec_Wejscia koniec{opis->koniec.empty() ? Rodzaj::pusty : Rodzaj::token, opis->koniec};

  // The extended notation's automaton grows with the token file.
  const bryzas::Skaner_Tokenow skaner =
      bryzas::zbuduj_skaner(*opis, [&](const std::string& n) { return g.terminale.znajdz(n) >= 0; },
                            g.rozszerzona ? bryzas::Granice_Automatu::rosnace : bryzas::Granice_Automatu::stale);
  std::set<std::string> zdefiniowane;
  for (const Definicja_Tokenu& d : opis->tokeny) {
    zdefiniowane.insert(d.nazwa);
    const Pozycja poz{d.linia, d.kol};
    if (g.terminale.znajdz(d.nazwa) < 0)
      tokenow.ostrzezenie(poz, "gramatyka nie uzywa tokenu '" + d.nazwa + "': generator pomija jego definicje");
    else if (pusty(d.wzor))
      tokenow.blad(poz, "definicja tokenu '" + d.nazwa + "' pasuje do pustego tekstu");
  }
  // The extended notation's parser checks the end token itself.
  if (!g.rozszerzona && !opis->koniec.empty() && g.terminale.znajdz(opis->koniec) < 0)
    tokenow.ostrzezenie({opis->koniec_linia, opis->koniec_kol},
                        "gramatyka nie uzywa tokenu '" + opis->koniec + "': koniec wejscia bedzie tokenem Pusty");
  for (int t = 0; t < g.terminale.licz(); ++t) {
    const std::string& n = g.terminale.nazwa(t);
    if (!zdefiniowane.contains(n) && n != opis->koniec)
      gramatyki.blad(g.terminale.pierwsze_wystapienie[static_cast<std::size_t>(t)],
                     "token '" + n + "' nie ma definicji w " + plik_tok);
  }

  if (skaner.blad) {
    tokenow.blad({skaner.blad->linia, skaner.blad->kol}, std::string(bryzas::komunikat_tokenow(skaner.blad->nr)));
    return koniec;
  }
  const Wzorce_Skanera& wzorce = skaner.wzorce;
  const bryzas::Automat_Tokenow* automat = &*skaner.automat;
  // The token of a pattern that is no keyword, or null.
  auto zwykly = [&](int wzorzec) -> const Definicja_Tokenu* {
    const Wzorce_Skanera::Cel& c = wzorce.cele[static_cast<std::size_t>(wzorzec)];
    if (c.rodzaj != Wzorce_Skanera::Rodzaj::token) return nullptr;
    const Definicja_Tokenu* d = skaner.tokeny[static_cast<std::size_t>(c.nr)];
    return d->slowo_kluczowe ? nullptr : d;
  };
  // Two tokens that end in one state match one text; the shortest such text
  // is the example, reported once for each pair.
  const std::vector<std::string> teksty = automat->najkrotsze();
  std::set<std::pair<const Definicja_Tokenu*, const Definicja_Tokenu*>> zgloszone;
  // States by their texts, shortest and most readable first; state 1 holds
  // only the empty text, reported above.
  auto kody = [](const std::string& t) {
    return std::count_if(t.begin(), t.end(), [](char c) { return c < 32 || c > 126; });
  };
  std::vector<int> stany;
  for (int s = 2; s <= automat->licz_stanow(); ++s) stany.push_back(s);
  std::stable_sort(stany.begin(), stany.end(), [&](int a, int b) {
    const std::string& x = teksty[static_cast<std::size_t>(a)];
    const std::string& y = teksty[static_cast<std::size_t>(b)];
    return std::pair(x.size(), kody(x)) < std::pair(y.size(), kody(y));
  });
  for (int s : stany) {
    const Definicja_Tokenu* pierwszy = nullptr;
    for (int w : automat->konczace(s)) {
      const Definicja_Tokenu* d = zwykly(w);
      if (!d) continue;
      if (!pierwszy) {
        pierwszy = d;
      } else if (zgloszone.emplace(pierwszy, d).second) {
        tokenow.ostrzezenie({d->linia, d->kol},
                            "'" + d->nazwa + "' i '" + pierwszy->nazwa + "' pasuja do tego samego tekstu, np. " +
                                zapis(teksty[static_cast<std::size_t>(s)]) + ": powstanie tylko '" +
                                pierwszy->nazwa + "'");
      }
    }
  }
  // A keyword that the name rule cannot match: where some keyword is also a
  // name, each other one should be too.
  std::vector<std::pair<const Definicja_Tokenu*, bool>> slowa;
  bool jest_regula_nazw = false;
  for (const Definicja_Tokenu* d : skaner.tokeny) {
    if (!d->slowo_kluczowe) continue;
    bool nazwa = false;
    for (int w : automat->konczace(automat->przebieg(d->napis))) nazwa = nazwa || zwykly(w) != nullptr;
    slowa.emplace_back(d, nazwa);
    jest_regula_nazw = jest_regula_nazw || nazwa;
  }
  if (!jest_regula_nazw) return koniec;
  for (const auto& [d, nazwa] : slowa)
    if (!nazwa)
      tokenow.ostrzezenie({d->linia, d->kol}, "slowo kluczowe \"" + d->napis +
                                                  "\" nie pasuje do zadnego innego tokenu: nie bedzie tez rozpoznane jako nazwa");
  return koniec;
}

}  // namespace bryzas_analiza
