#include "generator/rozszerzona/plan.h"

#include <functional>
#include <string_view>

#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/projekt.h"
#include "wspolne/tekst.h"

namespace bryzas::rozszerzona {

namespace {

using bryzas_analiza::Gramatyka;

// Whether any insert or parameter of the grammar names the token the
// parser holds, or its text field: Tok, Biezacy, Wart.
bool czyta_tok(const Gramatyka& g) {
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

// The end token: P.tok's, or without P.tok the grammar's ++koniec.
std::string token_konca(const Gramatyka& g, const Plik_Tokenow* tokeny) {
  if (tokeny) return tokeny->opis().koniec;
  std::string koniec;
  for (const auto& s : g.naglowek)
    if (s.rodzaj == Token_Kod::KONIECKOD) koniec = s.tekst;
  return koniec;
}

// Messages list the tokens in the order of their definitions in P.tok,
// else of their first appearance.
void tokeny_komunikatow(const Gramatyka& g, const Plik_Tokenow* tokeny, Plan& plan) {
  const std::vector<Pisownia_Tokenu> p = pisownie(g.terminale.nazwy(), tokeny ? &tokeny->opis() : nullptr);
  for (int t = 0; t < g.terminale.licz(); ++t) {
    const Pisownia_Tokenu& ta = p[static_cast<std::size_t>(t)];
    plan.pisownia.push_back(ta.tekst);
    plan.kolejnosc.push_back(ta.miejsce >= 0 ? ta.miejsce : g.terminale.licz() + t);
  }
}

// Whether each nonterminal is called only within branches of choices ( | )
// of two branches or more; the start symbol is called by the parse itself.
std::vector<bool> tylko_w_galeziach(const Gramatyka& g) {
  const std::size_t n = static_cast<std::size_t>(g.nieterminale.licz());
  std::vector<bool> poza(n, false);
  if (!g.produkcje.empty()) poza[static_cast<std::size_t>(g.produkcje.front().lewa)] = true;
  std::function<void(const bryzas_analiza::Ciag&, bool)> przejdz = [&](const bryzas_analiza::Ciag& c, bool w_wyborze) {
    for (const bryzas_analiza::Element& e : c) {
      if (e.rodzaj == bryzas_analiza::Rodzaj_Elementu::symbol && !e.symbol.terminal && !w_wyborze)
        poza[static_cast<std::size_t>(e.symbol.nr)] = true;
      const bool wybor = e.rodzaj == bryzas_analiza::Rodzaj_Elementu::alternatywa && e.galezie.size() > 1;
      for (const bryzas_analiza::Ciag& galaz : e.galezie) przejdz(galaz, w_wyborze || wybor);
    }
  };
  for (const auto& p : g.produkcje) przejdz(p.prawa, false);
  std::vector<bool> osobno(n);
  for (std::size_t i = 0; i < n; ++i) osobno[i] = !poza[i];
  return osobno;
}

}  // namespace

Plan zaplanuj(const Bryzas_Pak& pak, const bryzas_analiza::Analiza& analiza) {
  const Gramatyka& g = analiza.gramatyka();
  const Plik_Tokenow* tokeny = analiza.plik_tokenow();
  Plan plan(g, analiza.zbiory(), analiza.decyzje());
  // A handler of the user's for syntax errors takes the first one, and the
  // parse ends there, as it does without recovery.
  plan.odtwarzanie = g.odtwarzanie();
  plan.osobno = tylko_w_galeziach(g);
  // A start symbol with parameters leaves the main procedure to the user,
  // as the analysis has warned.
  plan.pisz_main = !g.produkcje.front().parametry && brak_pliku(pak.plik_main);
  plan.pisz_projekt = projekt_do_napisania(pak);
  plan.koniec = token_konca(g, tokeny);
  plan.rodzaje_tokenow = g.terminale.nazwy();
  // The end token is a kind of the scanner whether the productions name it
  // or not. Without one nothing checks the end of the input, and the
  // analyser has said so.
  if (!plan.koniec.empty() && g.terminale.znajdz(plan.koniec) < 0) plan.rodzaje_tokenow.push_back(plan.koniec);
  tokeny_komunikatow(g, tokeny, plan);
  if (tokeny) {
    Plan_Skanera& s = plan.skaner.emplace(Plan_Skanera{.tokeny = *tokeny});
    s.pisz_cialo = skaner_do_napisania(pak.plik_skan);
    s.rozszerzona = true;
    s.token_w_miejscu = s.pisz_cialo;
    s.wart_czytany = czyta_tok(g);
    // A scanner of the user's raises its errors, and a handler of the
    // user's for them takes the first one.
    s.odtwarzanie = plan.odtwarzanie && s.token_w_miejscu && !g.ma_sekcje(Token_Kod::EXCEPTSKANKOD);
    s.koniec_jest_tokenem = !plan.koniec.empty();
  }
  return plan;
}

}  // namespace bryzas::rozszerzona
