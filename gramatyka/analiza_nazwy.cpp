#include "gramatyka/analiza_nazwy.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>
#include <unordered_map>

#include "gramatyka/nazwy_projektu.h"
#include "gramatyka/bryzas_tok.h"
#include "gramatyka/komunikaty_analizy.h"
#include "wspolne/tekst.h"

namespace bryzas_analiza {

namespace {

using wspolne::rowne_bez_wielkosci;
using K = Komunikat_Analizy;

// Declared by the generated packages where a token kind (an enumeration
// literal of P_Skan, also seen in P_zbiory and P_Pars) or a procedure of
// P_Pars would clash with them; found by compiling generated parsers.
constexpr std::array<std::string_view, 10> wygenerowane_terminali = {
    "Token_Kod", "Token_Typ", "Dl_Tok", "Nr_Bledu_Skan", "Blad_Skanera",
    "Pusty", "Zbior_Tok", "Nr_Bledu_Pars", "Blad_Parsera", "Tok"};
constexpr std::array<std::string_view, 7> wygenerowane_nieterminali = {
    "Token_Typ", "Zbior_Tok", "Nr_Bledu_Pars", "Parsuj", "Init_Zbiory", "Blad_Parsera", "Tok"};

// In the extended notation the scanner's specification declares the type
// of token sets, the parser body the set of the tokens passed by and the
// level of the tree, its specification the tree's switch; with recovery
// every production takes the tokens its callers go on with (Stop) and
// some what follows them exactly (Oczekiwane_Potem). The scanner written
// from P.tok declares the token it builds in place, the length of a
// lexical error's text, its tables, where its automaton stood still and
// what its input is. A name of these clashes (the subprograms, Zbior and
// Nastepny among them, overload the names, and GNAT takes both).
constexpr std::array<std::string_view, 4> wygenerowane_rozszerzonej = {"Zbior_Tokenow", "Pominiete", "Glebokosc",
                                                                       "Drzewo"};
constexpr std::array<std::string_view, 1> wygenerowane_odtwarzania = {"Stop"};
// The parse is a generic procedure, which no literal of the same name can
// overload.
constexpr std::array<std::string_view, 1> wygenerowane_terminali_rozszerzonej = {"Rozbior"};
constexpr std::array<std::string_view, 11> wygenerowane_skanera_rozszerzonej = {
    "Biezacy", "Zajete_We", "Poczatki_Aut", "Niedokonczone_Aut", "Niedokonczony_We", "S_We",
    "Ile_We",  "Kon_We",    "Akc_We",       "Zbadane_We",        "Z_Pliku_We"};

template <std::size_t N>
bool wsrod(const std::array<std::string_view, N>& lista, std::string_view nazwa) {
  return std::any_of(lista.begin(), lista.end(), [&](std::string_view s) { return rowne_bez_wielkosci(s, nazwa); });
}

}  // namespace

void Analiza_Nazwy::sprawdz() {
  for (int n = 0; n < g_.nieterminale.licz(); ++n) nieterminale_.insert(wspolne::male_litery(g_.nieterminale.nazwa(n)));
  for (int t = 0; t < g_.terminale.licz(); ++t) sprawdz_nazwe(g_.terminale, t, true);
  for (int n = 0; n < g_.nieterminale.licz(); ++n) sprawdz_nazwe(g_.nieterminale, n, false);
  sprawdz_wielkosc_liter(g_.terminale, true);
  sprawdz_wielkosc_liter(g_.nieterminale, false);
}

bool Analiza_Nazwy::bez_parametrow(int nieterminal) const {
  return std::any_of(g_.produkcje.begin(), g_.produkcje.end(),
                     [&](const Produkcja& p) { return p.lewa == nieterminal && !p.parametry; });
}

std::string Analiza_Nazwy::cytat(int nr, bool terminal) const {
  return terminal ? cytat_terminala(g_, nr) : cytat_nieterminala(g_, nr);
}

void Analiza_Nazwy::sprawdz_nazwe(const Nazwy& nazwy, int nr, bool terminal) {
  const std::string& nazwa = nazwy.nazwa(nr);
  const Pozycja poz = nazwy.pierwsze_wystapienie[static_cast<std::size_t>(nr)];
  const std::string c = cytat(nr, terminal);
  // Ada's identifiers neither begin nor end with an underscore, nor hold two
  // in a row; bryzas takes such names as written.
  const std::optional<Komunikat_Analizy> zly_ksztalt =
      nazwa.front() == '_'                     ? K::nazwa_od_podkreslenia
      : nazwa.back() == '_'                    ? K::nazwa_na_podkreslenie
      : nazwa.find("__") != std::string::npos ? std::optional(K::nazwa_dwa_podkreslenia)
                                               : std::nullopt;
  if (zly_ksztalt) {
    raport_.blad(poz, tresc(*zly_ksztalt, {c}));
    return;
  }
  if (bryzas::slowo_zastrzezone_ady(nazwa)) {
    raport_.blad(poz, tresc(K::slowo_zastrzezone, {c}));
    return;
  }
  // The packages of the project, and the set First_N of every nonterminal N.
  bool wygenerowana = terminal ? wsrod(wygenerowane_terminali, nazwa) : wsrod(wygenerowane_nieterminali, nazwa);
  if (g_.rozszerzona) wygenerowana = wygenerowana || wsrod(wygenerowane_rozszerzonej, nazwa);
  if (g_.rozszerzona && terminal) wygenerowana = wygenerowana || wsrod(wygenerowane_terminali_rozszerzonej, nazwa);
  if (g_.rozszerzona && g_.odtwarzanie()) wygenerowana = wygenerowana || wsrod(wygenerowane_odtwarzania, nazwa);
  if (rowne_bez_wielkosci(nazwa, "Oczekiwane_Potem"))
    for (int n = 0; n < g_.nieterminale.licz() && !wygenerowana; ++n) wygenerowana = decyzje_.z_oczekiwanymi_potem(n);
  // Without recovery a production without parameters has the profile of
  // the parser's own procedure that takes the next token.
  if (g_.rozszerzona && !g_.odtwarzanie() && !terminal && rowne_bez_wielkosci(nazwa, "Nastepny"))
    wygenerowana = wygenerowana || bez_parametrow(nr);
  if (g_.rozszerzona && terminal && z_tokenami_)
    wygenerowana = wygenerowana || wsrod(wygenerowane_skanera_rozszerzonej, nazwa);
  if (terminal)
    for (const std::string* pakiet : {&projekt_.nazwa_skan, &projekt_.nazwa_pars, &projekt_.nazwa_zbiory})
      wygenerowana = wygenerowana || rowne_bez_wielkosci(nazwa, *pakiet);
  if (terminal && z_tokenami_)
    wygenerowana = wygenerowana || wsrod(bryzas::nazwy_skanera, nazwa) ||
                   rowne_bez_wielkosci(nazwa, projekt_.nazwa_pozycji);
  wygenerowana = wygenerowana || zbior_first(nazwa);
  if (wygenerowana) {
    raport_.blad(poz, tresc(K::nazwa_wygenerowana, {c}));
    return;
  }
  if (terminal && bryzas::nazwa_standardu_ady(nazwa))
    raport_.blad(poz, tresc(K::nazwa_standardu, {c}));
}

bool Analiza_Nazwy::zbior_first(const std::string& nazwa) const {
  constexpr std::string_view first = "First_";
  return nazwa.size() > first.size() && rowne_bez_wielkosci(std::string_view(nazwa).substr(0, first.size()), first) &&
         nieterminale_.contains(wspolne::male_litery(nazwa.substr(first.size())));
}

// Each later name is reported where it first occurs, against the first one
// it equals.
void Analiza_Nazwy::sprawdz_wielkosc_liter(const Nazwy& nazwy, bool terminal) {
  std::unordered_map<std::string, int> pierwsza;  // by the name in small letters
  for (int b = 0; b < nazwy.licz(); ++b) {
    const auto [it, nowa] = pierwsza.emplace(wspolne::male_litery(nazwy.nazwa(b)), b);
    if (!nowa)
      raport_.blad(nazwy.pierwsze_wystapienie[static_cast<std::size_t>(b)],
                   tresc(K::wielkosc_liter, {cytat(b, terminal), cytat(it->second, terminal)}));
  }
}

}  // namespace bryzas_analiza
