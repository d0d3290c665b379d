#include "generator/rozszerzona/pakiet_parsera.h"

#include <algorithm>
#include <optional>

#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/napis_ady.h"
#include "wspolne/tekst.h"

namespace bryzas::rozszerzona {

using bryzas_analiza::Rodzaj_Elementu;

Pakiet_Parsera::Pakiet_Parsera(const Bryzas_Pak& pak, const Plan& plan)
    : pak_(pak),
      plan_(plan),
      g_(plan.g),
      zbiory_(plan.zbiory),
      decyzje_(plan.decyzje),
      koniec_(plan.koniec),
      nr_konca_(koniec_.empty() ? -1 : g_.terminale.znajdz(koniec_)),
      odtwarzanie_(plan.odtwarzanie) {
  koniec_wejscia_.dodaj_koniec();
}

void Pakiet_Parsera::pisz() {
  pisz_plik(pak_.plik(pak_.plik_wys), [&](Pisarz& w) {
    w.mapuj(mapa_specyfikacji_);
    specyfikacja(w);
  });
  pisz_plik(pak_.plik(pak_.plik_wyb), [&](Pisarz& w) {
    w.mapuj(mapa_tresci_);
    tresc(w);
  });
}

void Pakiet_Parsera::specyfikacja(Pisarz& w) {
  w.linia("-- pakiet ", pak_.nazwa_pars, " - specyfikacja");
  w.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(w, pak_.epoka_zrodel);
  w.linia();
  // Parsuj takes the start symbol's parameters, whose types may come from
  // the packages the header names.
  const std::optional<std::string>& parametry = g_.produkcje.front().parametry;
  if (klauzule_kontekstu(w, true)) w.linia();
  w.linia("package ", pak_.nazwa_pars, " is");
  w.linia();
  {
    Wciecie wnetrze(w, krok_wciecia);
    w.blok(R"ada(
-- czyta wejscie przez Skanuj i sprawdza, czy jest zdaniem gramatyki;
-- blad zglasza przez pakiet bledow i konczy sie wyjatkiem
)ada");
    naglowek_procedury(w, "procedure Parsuj", parametry, g_.produkcje.front().poz_tekstu_parametrow, "", "", ";");
    w.blok(R"ada(

-- numer ostatniego bledu skladni
Nr_Bledu_Pars : Integer := 0;
Blad_Parsera : exception;

-- z True Parsuj wypisuje na standardowym wyjsciu drzewo wyprowadzenia:
-- kazda produkcje, w ktora wchodzi, i kazdy token, ktory bierze
Drzewo : Boolean := False;
)ada");
  }
  w.linia();
  w.linia("end ", pak_.nazwa_pars, ";");
}

// The header sections of one kind, in the order of the file.
std::vector<const bryzas_analiza::Sekcja_Naglowka*> Pakiet_Parsera::naglowek(Token_Kod rodzaj) const {
  std::vector<const bryzas_analiza::Sekcja_Naglowka*> wynik;
  for (const auto& s : g_.naglowek)
    if (s.rodzaj == rodzaj) wynik.push_back(&s);
  return wynik;
}

void Pakiet_Parsera::wstawki_naglowka(Pisarz& w, std::initializer_list<Token_Kod> rodzaje) {
  for (Token_Kod k : rodzaje)
    for (const bryzas_analiza::Sekcja_Naglowka* s : naglowek(k)) wstawka(w, s->tekst, s->poz_tekstu);
}

void Pakiet_Parsera::tresc(Pisarz& w) {
  w.linia("-- pakiet ", pak_.nazwa_pars, " - tresc");
  w.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(w, pak_.epoka_zrodel);
  w.linia();
  w.linia("with ", pak_.nazwa_skan, "; use ", pak_.nazwa_skan, ";");
  // Nastepny counts the tokens taken with the counter's own "+".
  if (odtwarzanie_)
    w.linia("with ", pak_.nazwa_bledy, "; use type ", pak_.nazwa_bledy, ".Licznik_Tokenow;");
  else
    w.linia("with ", pak_.nazwa_bledy, ";");
  klauzule_kontekstu(w, false);
  w.linia();
  w.linia("package body ", pak_.nazwa_pars, " is");
  w.linia();
  {
    Wciecie wnetrze(w, krok_wciecia);
    cialo_pakietu(w);
  }
  w.linia("end ", pak_.nazwa_pars, ";");
}

// The token, the header's declarations, what prints the tree, the parse
// itself, and Parsuj; last the sets the parse uses.
void Pakiet_Parsera::cialo_pakietu(Pisarz& w) {
  w.linia(plan_.token_w_miejscu() ? "Tok : Token_Typ renames Biezacy;" : "Tok : Token_Typ;");
  wstawki_naglowka(w, {Token_Kod::PAKDEKLKOD, Token_Kod::KODSYM});
  w.linia();
  pomocnicze(w);
  rozbior(w);
  parsuj(w);
  w.linia();
  tablice(w);
}

// A production's formal parameters; with recovery the tokens its callers
// can go on with are one more.
std::string_view Pakiet_Parsera::dodatek_formalny(const bryzas_analiza::Produkcja& p) const {
  if (!odtwarzanie_) return "";
  return decyzje_.z_oczekiwanymi_potem(p.lewa) ? "Stop, Oczekiwane_Potem : Zbior_Tokenow" : "Stop : Zbior_Tokenow";
}

// procedure N is <declarations> begin <first statements> <right side> end N;
// The tree gets the production's name on the way in.
void Pakiet_Parsera::produkcja(Pisarz& w, const bryzas_analiza::Produkcja& p) {
  const std::string& n = g_.nieterminale.nazwa(p.lewa);
  naglowek_procedury(w, "procedure " + n, p.parametry, p.poz_tekstu_parametrow, dodatek_formalny(p), "; ", " is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    wstawka(w, p.deklaracje, p.poz_deklaracji);
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia("if Drzewo then");
    {
      Wciecie drzewo(w, krok_wciecia);
      w.linia("Wejdz (", std::to_string(&p - g_.produkcje.data() + 1), ");  -- ", n);
    }
    w.linia("end if;");
    wstawka(w, p.wstawka_poczatkowa, p.poz_wstawki_poczatkowej);
    ciag(w, p.prawa, 0, false, Zbior{}, Reszta{{}, true});
    w.linia("if Drzewo then");
    {
      Wciecie drzewo(w, krok_wciecia);
      w.linia("Glebokosc := Glebokosc - 1;");
    }
    w.linia("end if;");
  }
  w.linia("end ", n, ";");
  // GCC takes a production into its callers where that pays: a call the
  // less per token where productions nest (an expression's factor).
  w.linia(plan_.osobno[static_cast<std::size_t>(p.lewa)] ? "pragma No_Inline (" : "pragma Inline (", n, ");");
  w.linia();
}

// Rozbior: the procedures that report errors and take the next token,
// every production procedure declared, so that they may call each other,
// and defined; its body parses from the start symbol to the end of the
// input. It is a generic written once and made twice, with the tree and
// without: in the second every test of Drzewo is gone, and the productions
// cost nothing for it.
void Pakiet_Parsera::rozbior(Pisarz& w) {
  const bryzas_analiza::Produkcja& start = g_.produkcje.front();
  w.blok(R"ada(
-- rozbior od symbolu poczatkowego po koniec wejscia; z Drzewo rowne False
-- sprawdzenia drzewa znikaja z produkcji
generic
  Drzewo : Boolean;
)ada");
  naglowek_procedury(w, "procedure Rozbior", start.parametry, start.poz_tekstu_parametrow, "", "", ";");
  w.linia();
  naglowek_procedury(w, "procedure Rozbior", start.parametry, start.poz_tekstu_parametrow, "", "", " is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    zglaszanie_bledow(w);
    nastepny_token(w);
    for (const auto& p : g_.produkcje)
      naglowek_procedury(w, "procedure " + g_.nieterminale.nazwa(p.lewa), p.parametry, p.poz_tekstu_parametrow,
                         dodatek_formalny(p), "; ", ";");
    w.linia();
    for (const auto& p : g_.produkcje) produkcja(w, p);
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    od_startu_do_konca(w);
  }
  w.linia("end Rozbior;");
  w.linia();
  w.linia("procedure Rozbior_Z_Drzewem is new Rozbior (Drzewo => True);");
  w.linia("procedure Rozbior_Bez_Drzewa is new Rozbior (Drzewo => False);");
  w.linia();
}

// Parsuj reads the first token, the start symbol and the end of the input,
// then the statements for after a sentence.
void Pakiet_Parsera::parsuj(Pisarz& w) {
  const bryzas_analiza::Produkcja& start = g_.produkcje.front();
  naglowek_procedury(w, "procedure Parsuj", start.parametry, start.poz_tekstu_parametrow, "", "", " is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    wstawki_naglowka(w, {Token_Kod::INITDEKLKOD});
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    wstawki_naglowka(w, {Token_Kod::INITINSTRKOD, Token_Kod::INITINSTRPRZEDKOD});
    w.linia(skanuj());
    koniec_parsuj(w);
    wstawki_naglowka(w, {Token_Kod::INITINSTRPOKOD});
  }
  obsluga_wyjatkow(w);
  w.linia("end Parsuj;");
}

// The parse, with the tree or without, and any error reported on the way
// (of the syntax, or of the user's, which only counts them) ends it with
// Blad_Parsera.
void Pakiet_Parsera::koniec_parsuj(Pisarz& w) {
  const bryzas_analiza::Produkcja& start = g_.produkcje.front();
  std::optional<std::string> argumenty;
  if (start.parametry) argumenty = nazwy_parametrow(*start.parametry);
  w.linia("if Drzewo then");
  {
    Wciecie z(w, krok_wciecia);
    naglowek_procedury(w, "Rozbior_Z_Drzewem", argumenty, {}, "", "", ";");
  }
  w.linia("else");
  {
    Wciecie bez(w, krok_wciecia);
    naglowek_procedury(w, "Rozbior_Bez_Drzewa", argumenty, {}, "", "", ";");
  }
  w.linia("end if;");
  w.linia("if ", pak_.nazwa_bledy, ".Zgloszone > 0 then");
  {
    Wciecie blad(w, krok_wciecia);
    w.linia("raise Blad_Parsera;");
  }
  w.linia("end if;");
}

// The start symbol, its parameters handed on by their names, and the end
// of the input.
void Pakiet_Parsera::od_startu_do_konca(Pisarz& w) {
  const bryzas_analiza::Produkcja& start = g_.produkcje.front();
  std::optional<std::string> argumenty;
  if (start.parametry) argumenty = nazwy_parametrow(*start.parametry);
  if (odtwarzanie_) {
    const std::string stop = zbior(koniec_wejscia_);
    const bool po = decyzje_.z_oczekiwanymi_potem(start.lewa);
    // The start symbol's parameters are Parsuj's, handed on by their names.
    naglowek_procedury(w, g_.nieterminale.nazwa(start.lewa), argumenty, {}, po ? stop + ", " + stop : stop, ", ",
                       ";");
    if (!koniec_.empty()) {
      w.linia("if Tok.Kod /= ", koniec_, " then");
      {
        Wciecie blad(w, krok_wciecia);
        w.linia("Blad (", std::to_string(nr_bledu(koniec_wejscia_, start.poz)), ", ", stop, ");");
      }
      w.linia("end if;");
    }
  } else {
    naglowek_procedury(w, g_.nieterminale.nazwa(start.lewa), argumenty, {}, "", "", ";");
    if (!koniec_.empty())
      w.linia("Sprawdz (", koniec_, ", ", std::to_string(nr_bledu(koniec_wejscia_, start.poz)), ");");
  }
}

// An error is told where it is found; nesting deeper than the stack allows
// is an error at its token.
void Pakiet_Parsera::obsluga_wyjatkow(Pisarz& w) {
  w.linia("exception");
  Wciecie obsluga(w, krok_wciecia);
  w.linia("when Blad_Skanera =>");
  {
    Wciecie cialo(w, krok_wciecia);
    if (naglowek(Token_Kod::EXCEPTSKANKOD).empty()) w.linia(pak_.nazwa_bledy, ".Zglos_Skanera (Nr_Bledu_Skan);");
    wstawki_naglowka(w, {Token_Kod::EXCEPTSKANKOD});
    w.linia("raise;");
  }
  if (!naglowek(Token_Kod::EXCEPTPARSKOD).empty()) {
    w.linia("when Blad_Parsera =>");
    Wciecie cialo(w, krok_wciecia);
    wstawki_naglowka(w, {Token_Kod::EXCEPTPARSKOD});
    w.linia("raise;");
  }
  w.linia("when Storage_Error =>");
  Wciecie cialo(w, krok_wciecia);
  w.linia(pak_.nazwa_bledy, ".Zglos_Glebokosci;");
  w.linia("raise Blad_Parsera;");
}

}  // namespace bryzas::rozszerzona
