// The parser package of the extended notation, the Ada text it copies from
// the grammar: context clauses, procedure headers and calls with their
// parameters, and inserts written line by line.
#include "generator/rozszerzona/pakiet_parsera.h"

#include <algorithm>
#include <optional>

#include "gramatyka/nazwy_projektu.h"
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

// Whether the types of a formal part need a package the header uses: an
// identifier after a ":" that is no reserved word, no name of Standard and
// no part of a selected name (whose package nazywa_pakiet finds).
bool typ_z_pakietu(std::string_view formalne) {
  auto znak_nazwy = [](char c) { return wspolne::litera(c) || wspolne::cyfra(c) || c == '_'; };
  bool po_dwukropku = false;
  for (std::size_t i = 0; i < formalne.size();) {
    const char c = formalne[i];
    if (c == '-' && formalne.substr(i, 2) == "--") {
      i = std::min(formalne.find('\n', i), formalne.size());
    } else if (c == ':' || c == ';') {
      po_dwukropku = c == ':';
      ++i;
    } else if (!wspolne::litera(c)) {
      ++i;
    } else {
      std::size_t k = i;
      while (k < formalne.size() && znak_nazwy(formalne[k])) ++k;
      const std::string_view nazwa = formalne.substr(i, k - i);
      const bool wybrana = (i > 0 && formalne[i - 1] == '.') || (k < formalne.size() && formalne[k] == '.');
      if (po_dwukropku && !wybrana && !slowo_zastrzezone_ady(nazwa) && !nazwa_standardu_ady(nazwa)) return true;
      i = k;
    }
  }
  return false;
}

// Whether a line of Ada ends in a comment.
bool komentarz(std::string_view linia) { return linia.find("--") != std::string_view::npos; }

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

// The header's ++with_use and ++with packages: in P_pars.ads those
// that the start symbol's parameters name (their types are Parsuj's), in
// P_pars.adb the others; so GNAT finds each used where it stands. Tells
// whether it wrote any.
bool Pakiet_Parsera::klauzule_kontekstu(Pisarz& w, bool specyfikacja) const {
  const std::optional<std::string>& parametry = g_.produkcje.front().parametry;
  bool jest = false;
  for (Token_Kod k : {Token_Kod::WITHUSEKOD, Token_Kod::WITHKOD})
    for (const bryzas_analiza::Sekcja_Naglowka* s : naglowek(k)) {
      const std::string_view pakiet = wspolne::usun_spacje(s->tekst);
      // A package is withed by P_pars.ads rather than the body when the
      // start symbol's parameters name it, or (withed and used) when their
      // types need a package of the header's.
      const bool w_specyfikacji = parametry && (nazywa_pakiet(*parametry, pakiet) ||
                                                (k == Token_Kod::WITHUSEKOD && typ_z_pakietu(*parametry)));
      if (w_specyfikacji != specyfikacja) continue;
      const Pozycja poz{s->poz_tekstu.linia,
                        s->poz_tekstu.kol + static_cast<int>(s->tekst.find_first_not_of(" \n"))};
      w.dopisz("with ");
      w.dopisz(pakiet, poz);
      if (k == Token_Kod::WITHUSEKOD) {
        w.dopisz("; use ");
        w.dopisz(pakiet, poz);
      }
      w.linia(";");
      jest = true;
    }
  return jest;
}

// "N", or "N (P)" with the parameters P that the grammar holds at poz, and
// with one more (dodatek, after odstep: "; " in a formal part, ", " in an
// actual one); then the ending. Parameters written over several lines keep
// them, each further line under the first; a comment ends its line, so what
// follows it stands in a line of its own.
void Pakiet_Parsera::naglowek_procedury(Pisarz& w, const std::string& nazwa,
                                        const std::optional<std::string>& parametry, Pozycja poz,
                                        std::string_view dodatek, std::string_view odstep,
                                        std::string_view koniec) const {
  struct Kawalek {
    std::string_view tekst;
    std::optional<Pozycja> zrodlo;
  };
  std::vector<std::vector<Kawalek>> linie;
  if (parametry) {
    const std::vector<std::string_view> tekst = linie_tekstu(*parametry);
    for (std::size_t i = 0; i < tekst.size(); ++i) {
      const std::string_view l = wspolne::usun_spacje(tekst[i]);
      if (l.empty()) continue;
      const int od = (i == 0 ? poz.kol : 1) + static_cast<int>(tekst[i].find_first_not_of(' '));
      linie.push_back({{l, Pozycja{poz.linia + static_cast<int>(i), od}}});
    }
  }
  const std::string dalej = std::string(wspolne::usun_spacje(odstep)) + " " + std::string(dodatek);
  if (!dodatek.empty() && linie.empty())
    linie.push_back({{dodatek, std::nullopt}});
  else if (!dodatek.empty() && komentarz(linie.back().back().tekst))
    linie.push_back({{dalej, std::nullopt}});
  else if (!dodatek.empty())
    linie.back().push_back({dalej, std::nullopt});
  if (linie.empty()) {
    w.linia(nazwa, koniec);
    return;
  }
  const std::string wciecie(nazwa.size() + 2, ' ');
  for (std::size_t i = 0; i < linie.size(); ++i) {
    w.dopisz(i == 0 ? nazwa + " (" : wciecie);
    for (const Kawalek& k : linie[i]) {
      if (k.zrodlo)
        w.dopisz(k.tekst, *k.zrodlo);
      else
        w.dopisz(k.tekst);
    }
    if (i + 1 < linie.size()) {
      w.koniec_linii();
    } else if (komentarz(linie[i].back().tekst)) {
      w.koniec_linii();
      w.linia(std::string(nazwa.size() + 1, ' '), ")", koniec);
    } else {
      w.linia(")", koniec);
    }
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
// indentation, the blanks they all begin with taken off; poz is where its
// text begins in the grammar.
void Pakiet_Parsera::wstawka(Pisarz& w, const std::string& tekst, Pozycja poz) {
  const std::vector<std::string_view> linie = linie_tekstu(tekst);
  std::size_t od = 0, do_ = linie.size();
  while (do_ > od && wspolne::usun_spacje(linie[do_ - 1]).empty()) --do_;
  while (od < do_ && wspolne::usun_spacje(linie[od]).empty()) ++od;
  std::size_t wspolne_wciecie = std::string_view::npos;
  for (std::size_t i = od; i < do_; ++i)
    if (!wspolne::usun_spacje(linie[i]).empty())
      wspolne_wciecie = std::min(wspolne_wciecie, linie[i].find_first_not_of(' '));
  for (std::size_t i = od; i < do_; ++i) {
    if (wspolne::usun_spacje(linie[i]).empty()) {
      w.linia();
      continue;
    }
    std::string_view tresc = linie[i].substr(wspolne_wciecie);
    while (!tresc.empty() && tresc.back() == ' ') tresc.remove_suffix(1);
    const int kol = (i == 0 ? poz.kol : 1) + static_cast<int>(wspolne_wciecie);
    w.dopisz(tresc, Pozycja{poz.linia + static_cast<int>(i), kol});
    w.koniec_linii();
  }
}

}  // namespace bryzas::rozszerzona
