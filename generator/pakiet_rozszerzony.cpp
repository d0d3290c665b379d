#include "generator/pakiet_rozszerzony.h"

#include <algorithm>
#include <optional>

#include "generator/naglowek.h"
#include "wspolne/tekst.h"

namespace bryzas {

using bryzas_analiza::Rodzaj_Elementu;

Pakiet_Rozszerzony::Pakiet_Rozszerzony(bryzas_pak& pak, const bryzas_analiza::Gramatyka& g,
                                       const bryzas_analiza::analiza_zbiory& zbiory,
                                       const bryzas_analiza::analiza_decyzje& decyzje, std::string koniec,
                                       std::vector<std::string> nazwy_tokenow, std::vector<int> kolejnosc)
    : pak_(pak),
      g_(g),
      zbiory_(zbiory),
      decyzje_(decyzje),
      koniec_(std::move(koniec)),
      nr_konca_(koniec_.empty() ? -1 : g.terminale.znajdz(koniec_)),
      nazwy_tokenow_(std::move(nazwy_tokenow)),
      kolejnosc_(std::move(kolejnosc)),
      odtwarzanie_(pak.odtwarzanie) {
  koniec_wejscia_.dodaj_koniec();
}

void Pakiet_Rozszerzony::pisz() {
  pak_.opisy_bledow.clear();
  pisz_plik(pak_.plik_wys, [&](Pisarz& w) { specyfikacja(w); });
  pisz_plik(pak_.plik_wyb, [&](Pisarz& w) { tresc(w); });
}

void Pakiet_Rozszerzony::specyfikacja(Pisarz& w) {
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
    naglowek_procedury(w, "procedure Parsuj", parametry, ";");
    w.blok(R"ada(

-- numer ostatniego bledu skladni
Nr_Bledu_Pars : Integer := 0;
Blad_Parsera : exception;
)ada");
  }
  w.linia();
  w.linia("end ", pak_.nazwa_pars, ";");
}

// The inserts of the header sections of one kind, in the order of the file.
std::vector<std::string> Pakiet_Rozszerzony::naglowek(Token_Kod rodzaj) const {
  std::vector<std::string> wynik;
  for (const auto& s : g_.naglowek)
    if (s.rodzaj == rodzaj) wynik.push_back(s.tekst);
  return wynik;
}

void Pakiet_Rozszerzony::tresc(Pisarz& w) {
  w.linia("-- pakiet ", pak_.nazwa_pars, " - tresc");
  w.linia("-- plik wygenerowany na podstawie opisu w [", pak_.plik_we, "]");
  linia_daty(w, pak_.epoka_zrodel);
  w.linia();
  w.linia("with ", pak_.nazwa_skan, "; use ", pak_.nazwa_skan, ";");
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

// The token, the header's declarations, the procedures that report errors,
// then every production procedure declared, so that they may call each
// other, and defined, and Parsuj.
void Pakiet_Rozszerzony::cialo_pakietu(Pisarz& w) {
  w.linia(pak_.token_w_miejscu ? "Tok : Token_Typ renames Biezacy;" : "Tok : Token_Typ;");
  for (Token_Kod k : {Token_Kod::PAKDEKLKOD, Token_Kod::KODSYM})
    for (const std::string& d : naglowek(k)) wstawka(w, d);
  w.linia();
  if (odtwarzanie_)
    pomocnicze(w);
  else
    bledy_bez_odtwarzania(w);
  for (const auto& p : g_.produkcje)
    naglowek_procedury(w, "procedure " + g_.nieterminale.nazwa(p.lewa), formalne(p), ";");
  w.linia();
  for (const auto& p : g_.produkcje) produkcja(w, p);
  parsuj(w);
  w.linia();
  if (odtwarzanie_) {
    tablica_dalej(w);
    w.linia();
  }
}

// Without recovery an error ends the parse: Blad raises Blad_Parsera.
void Pakiet_Rozszerzony::bledy_bez_odtwarzania(Pisarz& w) {
  const bool wlasny_blad = !naglowek(Token_Kod::EXCEPTPARSKOD).empty();
  w.blok(R"ada(
-- blad skladni numer Nr przy biezacym tokenie
procedure Blad (Nr : Positive) is
begin
  Nr_Bledu_Pars := Nr;
)ada");
  if (!wlasny_blad) {
    Wciecie cialo(w, krok_wciecia);
    w.linia(pak_.nazwa_bledy, ".Zglos_Parsera (Nr);");
  }
  w.blok(R"ada(
  raise Blad_Parsera;
end Blad;

-- biezacy token musi byc rodzaju Kod, inaczej blad numer Nr
procedure Sprawdz (Kod : Token_Kod; Nr : Positive) is
begin
  if Tok.Kod /= Kod then
    Blad (Nr);
  end if;
end Sprawdz;

)ada");
}

// A production's formal parameters; with recovery the tokens its callers
// can go on with are one more.
std::optional<std::string> Pakiet_Rozszerzony::formalne(const bryzas_analiza::Produkcja& p) const {
  return odtwarzanie_ ? z_dodatkiem(p.parametry, "Stop : Zbior_Tokenow") : p.parametry;
}

std::string_view Pakiet_Rozszerzony::nastepny() const { return odtwarzanie_ ? "Nastepny;" : skanuj(); }

// The next token into Tok: in place when the scanner builds it there.
std::string_view Pakiet_Rozszerzony::skanuj() const {
  return pak_.token_w_miejscu ? "Skanuj_Biezacy;" : "Tok := Skanuj;";
}

// procedure N is <declarations> begin <first statements> <right side> end N;
void Pakiet_Rozszerzony::produkcja(Pisarz& w, const bryzas_analiza::Produkcja& p) {
  const std::string& n = g_.nieterminale.nazwa(p.lewa);
  naglowek_procedury(w, "procedure " + n, formalne(p), " is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    wstawka(w, p.deklaracje);
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    wstawka(w, p.wstawka_poczatkowa);
    ciag(w, p.prawa, false, Zbior{});
  }
  w.linia("end ", n, ";");
  w.linia();
}

// Parsuj reads the first token, the start symbol and the end of the input,
// then the statements for after a sentence. An error is told where it is
// found; nesting deeper than the stack allows is an error at its token.
void Pakiet_Rozszerzony::parsuj(Pisarz& w) {
  const bryzas_analiza::Produkcja& start = g_.produkcje.front();
  naglowek_procedury(w, "procedure Parsuj", start.parametry, " is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    for (const std::string& d : naglowek(Token_Kod::INITDEKLKOD)) wstawka(w, d);
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    for (Token_Kod k : {Token_Kod::INITINSTRKOD, Token_Kod::INITINSTRPRZEDKOD})
      for (const std::string& d : naglowek(k)) wstawka(w, d);
    w.linia(skanuj());
    std::optional<std::string> argumenty;
    if (start.parametry) argumenty = nazwy_parametrow(*start.parametry);
    if (odtwarzanie_) {
      const std::string stop = dalej(koniec_wejscia_);
      naglowek_procedury(w, g_.nieterminale.nazwa(start.lewa), z_dodatkiem(argumenty, stop, ", "), ";");
      if (!koniec_.empty()) {
        w.linia("if Tok.Kod /= ", koniec_, " then");
        {
          Wciecie blad(w, krok_wciecia);
          w.linia("Blad (", std::to_string(nr_bledu(koniec_wejscia_, start.poz)), ", ", stop, ");");
        }
        w.linia("end if;");
      }
      w.linia("if ", pak_.nazwa_bledy, ".Zgloszone > 0 then");
      {
        Wciecie blad(w, krok_wciecia);
        w.linia("raise Blad_Parsera;");
      }
      w.linia("end if;");
    } else {
      naglowek_procedury(w, g_.nieterminale.nazwa(start.lewa), argumenty, ";");
      if (!koniec_.empty())
        w.linia("Sprawdz (", koniec_, ", ", std::to_string(nr_bledu(koniec_wejscia_, start.poz)), ");");
    }
    for (const std::string& d : naglowek(Token_Kod::INITINSTRPOKOD)) wstawka(w, d);
  }
  w.linia("exception");
  {
    Wciecie obsluga(w, krok_wciecia);
    w.linia("when Blad_Skanera =>");
    {
      Wciecie cialo(w, krok_wciecia);
      const std::vector<std::string> wlasna = naglowek(Token_Kod::EXCEPTSKANKOD);
      if (wlasna.empty()) w.linia(pak_.nazwa_bledy, ".Zglos_Skanera (Nr_Bledu_Skan);");
      for (const std::string& d : wlasna) wstawka(w, d);
      w.linia("raise;");
    }
    const std::vector<std::string> wlasna = naglowek(Token_Kod::EXCEPTPARSKOD);
    if (!wlasna.empty()) {
      w.linia("when Blad_Parsera =>");
      Wciecie cialo(w, krok_wciecia);
      for (const std::string& d : wlasna) wstawka(w, d);
      w.linia("raise;");
    }
    w.linia("when Storage_Error =>");
    Wciecie cialo(w, krok_wciecia);
    w.linia(pak_.nazwa_bledy, ".Zglos_Glebokosci;");
    w.linia("raise Blad_Parsera;");
  }
  w.linia("end Parsuj;");
}

// What comes later in the production, as far as the rest of c, then what
// follows c, counts even where the rest cannot vanish: a token that closes
// or repeats the construct around is a place to go on from when the rest is
// missing.
void Pakiet_Rozszerzony::ciag(Pisarz& w, const Ciag& c, bool pewny, const Zbior& dalej) {
  for (std::size_t i = 0; i < c.size(); ++i) {
    bool pusty = false;
    Zbior po = zbiory_.first_ciagu(c, i + 1, pusty);
    po.dodaj(dalej);
    element(w, c[i], pewny && i == 0, po);
  }
}

// A terminal is checked (unless a decision already made sure of it), its
// insert runs while Tok still holds it, and the next token is read.
void Pakiet_Rozszerzony::element(Pisarz& w, const Element& e, bool pewny, const Zbior& po) {
  if (e.rodzaj != Rodzaj_Elementu::symbol) {
    grupa(w, e, pewny, po);
    wstawka(w, e.wstawka);
    return;
  }
  if (!e.symbol.terminal) {
    const std::optional<std::string> argumenty =
        odtwarzanie_ ? z_dodatkiem(e.parametry, stop_z(po), ", ") : e.parametry;
    naglowek_procedury(w, g_.nieterminale.nazwa(e.symbol.nr), argumenty, ";");
    wstawka(w, e.wstawka);
    return;
  }
  const std::string& t = g_.terminale.nazwa(e.symbol.nr);
  if (pewny) {
    wstawka(w, e.wstawka);
    w.linia(nastepny());
    return;
  }
  Zbior z;
  z.dodaj(e.symbol.nr);
  const std::string nr = std::to_string(nr_bledu(z, e.poz));
  if (!odtwarzanie_) {
    w.linia("Sprawdz (", t, ", ", nr, ");");
    wstawka(w, e.wstawka);
    w.linia(skanuj());
    return;
  }
  // A token that is missing is not taken, and its insert does not run.
  z.dodaj(po);
  w.linia("if Tok.Kod = ", t, " or else Znaleziony (", t, ", ", nr, ", ", stop_z(z), ") then");
  {
    Wciecie cialo(w, krok_wciecia);
    wstawka(w, e.wstawka);
    w.linia("Nastepny;");
  }
  w.linia("end if;");
}

// [ ] enters and { } repeats on the first tokens of their branches; ( | )
// takes the branch whose tokens hold the current one, and with none of
// them it is an error. A branch that can vanish is taken on what follows
// the group too.
void Pakiet_Rozszerzony::grupa(Pisarz& w, const Element& e, bool pewny, const Zbior& po) {
  const std::vector<Zbior> d = decyzje(e);
  Zbior wszystkie;
  for (const Zbior& z : d) wszystkie.dodaj(z);
  const bool wybor_galezi = e.galezie.size() > 1;
  // Inside its branches the production goes on with what follows the
  // group, and a repetition with its round once more.
  const Zbior naprawa = brak_separatora(e);
  Zbior wnetrze = po;
  if (e.rodzaj == Rodzaj_Elementu::powtorzenie) {
    wnetrze.dodaj(wszystkie);
    wnetrze.dodaj(naprawa);
  }
  auto galezie = [&](std::string_view inaczej) {
    w.linia("case Tok.Kod is");
    {
      Wciecie przypadki(w, krok_wciecia);
      for (std::size_t i = 0; i < e.galezie.size(); ++i) {
        if (d[i].pusty()) continue;
        w.linia("when ", wybor(d[i]), " =>");
        Wciecie cialo(w, krok_wciecia);
        ciag(w, e.galezie[i], true, wnetrze);
      }
      w.linia("when others =>");
      Wciecie cialo(w, krok_wciecia);
      w.linia(inaczej);
    }
    w.linia("end case;");
  };
  // An option or a repetition that no token starts is never entered.
  if (e.rodzaj != Rodzaj_Elementu::alternatywa && wszystkie.pusty()) return;
  switch (e.rodzaj) {
    case Rodzaj_Elementu::opcja:
      if (wybor_galezi) {
        galezie("null;");
        return;
      }
      w.linia("if ", warunek(d[0]), " then");
      {
        Wciecie cialo(w, krok_wciecia);
        ciag(w, e.galezie[0], true, wnetrze);
      }
      w.linia("end if;");
      return;
    case Rodzaj_Elementu::powtorzenie: {
      Zbior z = wszystkie;
      z.dodaj(naprawa);
      w.linia("while ", warunek(z), " loop");
      {
        Wciecie cialo(w, krok_wciecia);
        if (wybor_galezi)
          galezie("null;");
        else
          ciag(w, e.galezie[0], naprawa.pusty(), wnetrze);
      }
      w.linia("end loop;");
      return;
    }
    default:
      if (!wybor_galezi) {
        ciag(w, e.galezie[0], false, wnetrze);
        return;
      }
      if (!odtwarzanie_) {
        galezie("Blad (" + std::to_string(nr_bledu(wszystkie, e.poz)) + ");");
        return;
      }
      // Where a decision already made sure of the token, no error is possible.
      if (pewny) {
        galezie("null;");
        return;
      }
      // After the error the group is taken if the parser went on with one
      // of its tokens, and passed by otherwise.
      w.linia("if Tok.Kod not in ", wybor(wszystkie), " then");
      {
        Wciecie blad(w, krok_wciecia);
        Zbior z = wszystkie;
        z.dodaj(po);
        w.linia("Blad (", std::to_string(nr_bledu(wszystkie, e.poz)), ", ", stop_z(z), ");");
      }
      w.linia("end if;");
      galezie("null;");
  }
}

std::vector<bryzas_analiza::Zbior> Pakiet_Rozszerzony::decyzje(const Element& e) const {
  std::vector<Zbior> d;
  Zbior zajete;
  for (const Zbior& przewidywane : decyzje_.grupy(e).przewidywane) {
    Zbior z = z_koncem(przewidywane).bez(zajete);
    zajete.dodaj(z);
    d.push_back(std::move(z));
  }
  return d;
}

bryzas_analiza::Zbior Pakiet_Rozszerzony::z_koncem(const Zbior& z) const {
  if (!z.ma_koniec() || nr_konca_ < 0) return z;
  Zbior wynik;
  for (int t : z.terminale()) wynik.dodaj(t);
  wynik.dodaj(nr_konca_);
  return wynik;
}

// Without an end token, Skanuj gives Pusty where the input ends.
std::vector<std::string> Pakiet_Rozszerzony::nazwy(const Zbior& z) const {
  std::vector<std::string> w;
  for (int t : z.terminale()) w.push_back(g_.terminale.nazwa(t));
  if (z.ma_koniec()) w.push_back(koniec_.empty() ? std::string("Pusty") : koniec_);
  return w;
}

std::string Pakiet_Rozszerzony::wybor(const Zbior& z) const {
  std::string s;
  for (const std::string& n : nazwy(z)) s += (s.empty() ? "" : " | ") + n;
  return s;
}

std::string Pakiet_Rozszerzony::warunek(const Zbior& z) const {
  const std::size_t ile = z.terminale().size() + (z.ma_koniec() ? 1 : 0);
  return (ile == 1 ? "Tok.Kod = " : "Tok.Kod in ") + wybor(z);
}

// "oczekiwano X", "oczekiwano X albo Y", "oczekiwano X, Y albo Z": the
// tokens spelt as the messages spell them, in the order given.
int Pakiet_Rozszerzony::nr_bledu(const Zbior& oczekiwane, bryzas_analiza::Pozycja p) {
  std::vector<int> terminale = oczekiwane.terminale();
  std::stable_sort(terminale.begin(), terminale.end(), [&](int a, int b) {
    return kolejnosc_[static_cast<std::size_t>(a)] < kolejnosc_[static_cast<std::size_t>(b)];
  });
  std::vector<std::string> nazwy;
  for (int t : terminale)
    nazwy.push_back(t == nr_konca_ ? "konca wejscia" : nazwy_tokenow_[static_cast<std::size_t>(t)]);
  if (oczekiwane.ma_koniec() && (nr_konca_ < 0 || !oczekiwane.zawiera(nr_konca_))) nazwy.push_back("konca wejscia");
  std::string tekst = "oczekiwano";
  for (std::size_t i = 0; i < nazwy.size(); ++i)
    tekst += (i == 0 ? " " : i + 1 == nazwy.size() ? " albo " : ", ") + nazwy[i];
  pak_.opisy_bledow.push_back({++nr_bledu_, std::move(tekst), p.linia, p.kol});
  return nr_bledu_;
}

}  // namespace bryzas
