// The parser package of the extended notation, the Ada text it copies from
// the grammar: context clauses, procedure headers and calls with their
// parameters, and inserts written line by line.
#include "generator/rozszerzona/pakiet_parsera.h"

#include <algorithm>
#include <optional>

#include "wspolne/tekst.h"

namespace bryzas::rozszerzona {

namespace {

// Whether an Ada text names the package: its name, in any letter case, as
// the prefix of a selected name ("Pakiet.Typ").
bool nazywa_pakiet(std::string_view tekst, std::string_view pakiet) {
  auto znak_nazwy = [](char c) { return wspolne::litera(c) || wspolne::cyfra(c) || c == '_'; };
  for (std::size_t i = 0; i + pakiet.size() < tekst.size(); ++i)
    if ((i == 0 || (!znak_nazwy(tekst[i - 1]) && tekst[i - 1] != '.')) && tekst[i + pakiet.size()] == '.' &&
        wspolne::rowne_bez_wielkosci(tekst.substr(i, pakiet.size()), pakiet))
      return true;
  return false;
}

// The lines of a text, split at its line ends.
std::vector<std::string_view> linie_tekstu(std::string_view tekst) {
  std::vector<std::string_view> linie;
  while (true) {
    const std::size_t k = tekst.find('\n');
    linie.push_back(tekst.substr(0, k));
    if (k == std::string_view::npos) return linie;
    tekst.remove_prefix(k + 1);
  }
}

}  // namespace

// The parameters with one more: the formal part with a declaration after
// "; ", the actual part with an expression after ", ". After a comment the
// text goes on in a new line.
std::optional<std::string> Pakiet_Parsera::z_dodatkiem(const std::optional<std::string>& parametry, const std::string& dodatek,
                                                            std::string_view odstep) {
  if (!parametry) return dodatek;
  std::string wynik = *parametry;
  while (!wynik.empty() && (wynik.back() == ' ' || wynik.back() == '\n')) wynik.pop_back();
  const std::size_t ostatnia = wynik.rfind('\n');
  if (wynik.find("--", ostatnia == std::string::npos ? 0 : ostatnia) != std::string::npos) wynik.push_back('\n');
  wynik.append(wspolne::usun_spacje(odstep)).append(" ").append(dodatek);
  return wynik;
}

// The header's ++with_use and ++with packages: in P_pars.ads those
// that the start symbol's parameters name (their types are Parsuj's), in
// P_pars.adb the others; so GNAT finds each used where it stands. Tells
// whether it wrote any.
bool Pakiet_Parsera::klauzule_kontekstu(Pisarz& w, bool specyfikacja) const {
  const std::optional<std::string>& parametry = g_.produkcje.front().parametry;
  bool jest = false;
  for (Token_Kod k : {Token_Kod::WITHUSEKOD, Token_Kod::WITHKOD})
    for (const std::string& p : naglowek(k)) {
      const std::string pakiet(wspolne::usun_spacje(p));
      if ((parametry && nazywa_pakiet(*parametry, pakiet)) != specyfikacja) continue;
      if (k == Token_Kod::WITHUSEKOD)
        w.linia("with ", pakiet, "; use ", pakiet, ";");
      else
        w.linia("with ", pakiet, ";");
      jest = true;
    }
  return jest;
}

// "N", or "N (P)" with the parameters, then the ending. Parameters written
// over several lines keep them, each further line under the first.
void Pakiet_Parsera::naglowek_procedury(Pisarz& w, const std::string& nazwa,
                                            const std::optional<std::string>& parametry,
                                            std::string_view koniec) const {
  if (!parametry) {
    w.linia(nazwa, koniec);
    return;
  }
  std::vector<std::string_view> linie;
  for (std::string_view l : linie_tekstu(*parametry)) {
    l = wspolne::usun_spacje(l);
    if (!l.empty()) linie.push_back(l);
  }
  const std::string wciecie(nazwa.size() + 2, ' ');
  for (std::size_t i = 0; i < linie.size(); ++i) {
    const bool ostatnia = i + 1 == linie.size();
    // A comment ends its line, so the bracket after it stands alone.
    const bool komentarz = linie[i].find("--") != std::string_view::npos;
    std::string l = i == 0 ? nazwa + " (" : wciecie;
    l.append(linie[i]);
    if (ostatnia && !komentarz) l.append(")").append(koniec);
    w.linia(l);
    if (ostatnia && komentarz) w.linia(std::string(nazwa.size() + 1, ' '), ")", koniec);
  }
}

// The names a formal part declares, in order, as the actual part that
// hands each on: "A, B : in Integer; C : out T" gives "A, B, C". Only the
// text before each ":" of a declaration counts; comments are skipped.
std::string Pakiet_Parsera::nazwy_parametrow(const std::string& formalne) {
  std::string wynik;
  for (std::string_view l : linie_tekstu(formalne)) {
    l = l.substr(0, l.find("--"));
    wynik.append(l).push_back(' ');
  }
  std::string nazwy;
  std::string_view reszta = wynik;
  while (!reszta.empty()) {
    const std::size_t srednik = reszta.find(';');
    const std::string_view deklaracja = reszta.substr(0, srednik);
    const std::string_view lista = wspolne::usun_spacje(deklaracja.substr(0, deklaracja.find(':')));
    if (!lista.empty()) nazwy.append(nazwy.empty() ? "" : ", ").append(lista);
    if (srednik == std::string_view::npos) break;
    reszta.remove_prefix(srednik + 1);
  }
  return nazwy;
}

// An insert as the lines it was written in, each at the current
// indentation, the blanks they all begin with taken off.
void Pakiet_Parsera::wstawka(Pisarz& w, const std::string& tekst) {
  std::vector<std::string_view> linie = linie_tekstu(tekst);
  while (!linie.empty() && wspolne::usun_spacje(linie.back()).empty()) linie.pop_back();
  while (!linie.empty() && wspolne::usun_spacje(linie.front()).empty()) linie.erase(linie.begin());
  std::size_t wspolne_wciecie = std::string_view::npos;
  for (std::string_view l : linie)
    if (!wspolne::usun_spacje(l).empty()) wspolne_wciecie = std::min(wspolne_wciecie, l.find_first_not_of(' '));
  for (std::string_view l : linie) {
    if (wspolne::usun_spacje(l).empty()) {
      w.linia();
      continue;
    }
    std::string_view tresc = l.substr(wspolne_wciecie);
    while (!tresc.empty() && tresc.back() == ' ') tresc.remove_suffix(1);
    w.linia(tresc);
  }
}

}  // namespace bryzas::rozszerzona
