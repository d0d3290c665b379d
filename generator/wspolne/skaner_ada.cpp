// The statements of the generated scanner: its input buffer, the comments
// and Skanuj. They do not depend on the token file beyond the kinds of
// comment it declares, the end token and whether a token can hold a line end.
#include <string>

#include "generator/wspolne/napis_ady.h"
#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/skaner.h"

namespace bryzas {

// The input: Bufor_We holds what is read and not yet used from Poz_We on,
// line Linia_We, whose first character stood at Pocz_Linii_We (a column is
// a difference of indices, so only a line feed costs a count). The bytes
// are read as they stand in the input, through the C stream under
// Current_Input: Text_IO's lines would drop a form feed after a line end
// as a page mark, and only when the input is a file. The library units are
// named from Standard, since a token kind declared in P_Skan may hide Ada or
// Interfaces.
void Skaner::wejscie(Pisarz& w) {
  // Only those the body raises: a token too long where tokens have a limit,
  // a comment without its end where comments have one.
  w.linia("-- bledy skanera (Nr_Bledu_Skan)");
  for (const Blad_Skanera_Ady& b : bledy_skanera_ady) {
    if (b.nr == za_dlugi_token_ady.nr && plan_.rozszerzona) continue;
    if (b.nr == komentarz_bez_konca_ady.nr && !jest_komentarz(false)) continue;
    w.linia(b.stala, " : constant := ", std::to_string(b.nr), ";  -- ", b.tekst);
  }
  if (plan_.rozszerzona)
    w.linia(niedokonczony_ady.stala, " : constant := ", std::to_string(niedokonczony_ady.nr), ";  -- ",
            niedokonczony_ady.tekst);
  w.linia();
  w.blok(R"ada(
package Tekst_We renames Standard.Ada.Text_IO;
package C_We renames Standard.Interfaces.C_Streams;

-- bufor rosnie tylko wtedy, gdy caly zajmuje jeden token
Rozmiar_We : constant := 65_536;
type Bufor_Typ_We is access String;
procedure Zwolnij_We is new Standard.Ada.Unchecked_Deallocation (String, Bufor_Typ_We);
Bufor_We : Bufor_Typ_We := new String (1 .. Rozmiar_We);
)ada");
  // The automaton lays the filled part over the buffer where it stands,
  // without dereferencing the access every token.
  if (plan_.rozszerzona) w.linia("Adres_We : Standard.System.Address := Bufor_We.all'Address;");
  const Cechy c = cechy();
  zmienne_wejscia(w, c);
  dolej(w, c);
  w.blok(R"ada(
-- czy w buforze jest jeszcze N znakow (dolewa, poki wejscie sie nie skonczy)
function Zapewnij (N : Positive) return Boolean is
begin
  while Dl_We - Poz_We + 1 < N and then not Koniec_We loop
    Dolej;
  end loop;
  return Dl_We - Poz_We + 1 >= N;
end Zapewnij;

-- zuzywa N znakow, liczac linie
procedure Przesun (N : Natural) is
begin
  for I in Poz_We .. Poz_We + N - 1 loop
    if Bufor_We (I) = ASCII.LF then
      Linia_We := Linia_We + 1;
      Pocz_Linii_We := I + 1;
    end if;
  end loop;
  Poz_We := Poz_We + N;
end Przesun;

procedure Blad (Numer : Integer) is
begin
  Nr_Bledu_Skan := Numer;
  raise Blad_Skanera;
end Blad;

)ada");
}

// Where the input stands: the filled part of the buffer, the next
// character, the line and where it begins, the end.
void Skaner::zmienne_wejscia(Pisarz& w, const Cechy& c) {
  w.blok(R"ada(
Dl_We : Natural := 0;
Poz_We : Positive := 1;
)ada");
  if (c.miejsce_wprost) {
    // What the automaton counts is already the place of the token it hands
    // over, so nothing is copied per token.
    const std::string& poz = pak_.nazwa_pozycji;
    w.linia("-- zaden token nie ma w sobie konca linii: skaner liczy linie wprost w");
    w.linia("-- ", poz, " (0, poki nie przeczytal wejscia)");
    w.linia("Linia_We : Natural renames ", poz, ".Linia;");
    w.linia("Pocz_Linii_We : Integer renames ", poz, ".Pocz_Linii;");
  } else {
    w.linia("Linia_We : Positive := 1;");
    w.linia("Pocz_Linii_We : Integer := 1;");
  }
  w.blok(R"ada(
Koniec_We : Boolean := False;
Ostatni_We : Character := ASCII.LF;  -- ostatni przeczytany znak
)ada");
  // Whether the input is a file is asked once, not at every block.
  if (plan_.rozszerzona)
    w.blok(R"ada(
Zbadane_We : Boolean := False;  -- czy wiadomo, co to za wejscie
Z_Pliku_We : Boolean := False;  -- plik, czytany blokami
)ada");
  w.linia();
}

// Dolej: the next block of a file, or the next line of a terminal or a pipe.
void Skaner::dolej(Pisarz& w, const Cechy& c) {
  w.blok(R"ada(
-- przesuwa nieuzyta reszte na poczatek bufora i dopisuje, co da wejscie:
-- plik blok, a terminal czy potok jedna linie, zeby program odpowiadal na
-- nia od razu; na koncu wejscia ostatnia linia bez LF dostaje go
procedure Dolej is
  Plik : constant C_We.FILEs := Tekst_We.C_Streams.C_Stream (Tekst_We.Current_Input);
  Bylo : constant Natural := Dl_We - Poz_We + 1;
  Znak : C_We.int;
begin
  if Bylo = Bufor_We'Length then
    declare
      Stary : Bufor_Typ_We := Bufor_We;
    begin
      Bufor_We := new String (1 .. 2 * Stary'Length);
      Bufor_We (1 .. Bylo) := Stary.all;
      Zwolnij_We (Stary);
)ada");
  if (plan_.rozszerzona) w.linia("      Adres_We := Bufor_We.all'Address;");
  w.blok(R"ada(
    end;
  else
    Bufor_We (1 .. Bylo) := Bufor_We (Poz_We .. Dl_We);
  end if;
  Dl_We := Bylo;
  Pocz_Linii_We := Pocz_Linii_We - Poz_We + 1;
  Poz_We := 1;
)ada");
  blok_pliku(w, c);
  w.blok(R"ada(
  else
    loop
      Znak := C_We.fgetc (Plik);
      exit when Znak = C_We.EOF;
      Dl_We := Dl_We + 1;
      Bufor_We (Dl_We) := Character'Val (Znak);
      exit when Bufor_We (Dl_We) = ASCII.LF or else Dl_We = Bufor_We'Length;
    end loop;
  end if;
  if C_We.ferror (Plik) /= 0 then
    raise Tekst_We.Device_Error;
  elsif Dl_We > Bylo then
    Ostatni_We := Bufor_We (Dl_We);
  else
    Koniec_We := True;
    if Ostatni_We /= ASCII.LF then
      Dl_We := Dl_We + 1;
      Bufor_We (Dl_We) := ASCII.LF;
    end if;
  end if;
end Dolej;

)ada");
}

// The branch of Dolej that reads a file: a block as large as the buffer
// has room for. The extended notation's asks what the input is at the
// first block only, and reads whole blocks of the stream, which fread
// takes straight into the buffer in one read.
void Skaner::blok_pliku(Pisarz& w, const Cechy& c) {
  if (!plan_.rozszerzona) {
    w.blok(R"ada(
  if C_We.is_regular_file (C_We.fileno (Plik)) /= 0 then
    Dl_We := Dl_We + Natural (C_We.fread (Bufor_We (Dl_We + 1)'Address, 1,
                                          C_We.size_t (Bufor_We'Length - Dl_We), Plik));
)ada");
  } else {
    w.linia("  if not Zbadane_We then");
    w.linia(c.miejsce_wprost ? "    -- pierwszy blok: czy wejscie to plik; od niego linia 1"
                             : "    -- pierwszy blok: czy wejscie to plik");
    w.blok(R"ada(
    Zbadane_We := True;
    Z_Pliku_We := C_We.is_regular_file (C_We.fileno (Plik)) /= 0;
)ada");
    if (c.miejsce_wprost) w.linia("    Linia_We := 1;");
    w.blok(R"ada(
  end if;
  if Z_Pliku_We then
    -- cale bloki strumienia: fread czyta je wprost do bufora
    declare
      Blok_Strumienia : constant := 4096;
      Wolne : constant Natural := Bufor_We'Length - Dl_We;
    begin
      Dl_We := Dl_We + Natural (C_We.fread (Bufor_We (Dl_We + 1)'Address, 1,
                                            C_We.size_t (if Wolne < Blok_Strumienia then Wolne
                                                         else Wolne - Wolne mod Blok_Strumienia), Plik));
    end;
)ada");
  }
}

// A comment to the end of the line: up to the line feed, which stays for
// the automaton.
void Skaner::do_konca_linii(Pisarz& w) {
  // The extended notation's scanner goes over the buffer laid out as its
  // automaton lays it.
  if (!plan_.rozszerzona) {
    w.blok(R"ada(
procedure Do_Konca_Linii is
begin
  loop
    while Poz_We <= Dl_We and then Bufor_We (Poz_We) /= ASCII.LF loop
      Poz_We := Poz_We + 1;
    end loop;
    exit when Poz_We <= Dl_We or else not Zapewnij (1);
  end loop;
end Do_Konca_Linii;

)ada");
    return;
  }
  w.blok(R"ada(
procedure Do_Konca_Linii is
begin
  loop
    declare
)ada");
  {
    Wciecie deklaracje(w, 3 * krok_wciecia);
    bufor_ulozony(w);
  }
  w.blok(R"ada(
      I : Positive := Poz_We;
    begin
      while I <= B'Last and then B (I) /= ASCII.LF loop
        I := I + 1;
      end loop;
      Poz_We := I;
    end;
    exit when Poz_We <= Dl_We or else not Zapewnij (1);
  end loop;
end Do_Konca_Linii;

)ada");
}

// Comments: to the end of the line (the line feed stays for the automaton),
// and between delimiters, nested or not.
void Skaner::komentarze(Pisarz& w) {
  if (jest_komentarz(true)) do_konca_linii(w);
  if (!jest_komentarz(false)) return;
  w.blok(R"ada(
procedure Komentarz (Otwarcie, Zamkniecie : String; Zagniezdzony : Boolean) is
  Glebokosc : Natural := 1;
  function Jest (S : String) return Boolean is
    (Zapewnij (S'Length) and then Bufor_We (Poz_We .. Poz_We + S'Length - 1) = S);
begin
  loop
)ada");
  // The extended notation's scanner passes over what can begin neither
  // delimiter nor a line in one loop, over the filled part of the buffer
  // laid out as the automaton lays it (no index checks in the loop); the
  // opening delimiter stops it only where comments nest.
  if (plan_.rozszerzona) {
    w.linia("    declare");
    {
      Wciecie deklaracje(w, 3 * krok_wciecia);
      bufor_ulozony(w);
    }
    w.blok(R"ada(
      Z : constant Character := Zamkniecie (Zamkniecie'First);
      O : constant Character := Otwarcie (Otwarcie'First);
      I : Positive := Poz_We;
    begin
      while I <= B'Last loop
        declare
          C : constant Character := B (I);
        begin
          exit when C = Z or else C = ASCII.LF or else (Zagniezdzony and then C = O);
        end;
        I := I + 1;
      end loop;
      Poz_We := I;
    end;
)ada");
  }
  w.blok(R"ada(
    if Jest (Zamkniecie) then
      Przesun (Zamkniecie'Length);
      Glebokosc := Glebokosc - 1;
      exit when Glebokosc = 0;
    elsif Zagniezdzony and then Jest (Otwarcie) then
      Przesun (Otwarcie'Length);
      Glebokosc := Glebokosc + 1;
    elsif Zapewnij (1) then
      Przesun (1);
    else
      Blad (Komentarz_Bez_Konca_We);
    end if;
  end loop;
end Komentarz;

procedure Pomin_Komentarz (Nr : Natural) is
begin
)ada");
  pomin_komentarz(w);
}

// Pomin_Komentarz's case on the comment's number: numbered as the file
// declares them, the last one is the others branch.
void Skaner::pomin_komentarz(Pisarz& w) {
  std::size_t ostatni = 0;
  for (std::size_t i = 0; i < opis_.komentarze.size(); ++i)
    if (!opis_.komentarze[i].koniec.empty()) ostatni = i;
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia("case Nr is");
    {
      Wciecie galezie(w, krok_wciecia);
      for (std::size_t i = 0; i < opis_.komentarze.size(); ++i) {
        const Komentarz& k = opis_.komentarze[i];
        if (k.koniec.empty()) continue;
        w.linia(i == ostatni ? "when others" : "when " + std::to_string(i + 1), " => Komentarz (",
                napis_ady(k.poczatek), ", ", napis_ady(k.koniec), ", ",
                k.zagniezdzony ? "True" : "False", ");");
      }
    }
    w.linia("end case;");
  }
  w.linia("end Pomin_Komentarz;");
  w.linia();
}

// What Skanuj's text depends on, decided once from the plan and the automaton.
Skaner::Cechy Skaner::cechy() const {
  Cechy c;
  // A token that cannot hold a line feed is used up without looking at it.
  const Automat_Tokenow& a = *skaner_.automat;
  for (int s = 1; s <= a.licz_stanow() && !c.lf_w_tokenie; ++s) {
    const int t = a.przejscie(s, '\n');
    const int wz = a.wygrany(t);
    c.lf_w_tokenie = t != 0 && (s > 1 || wz < 0 || skaner_.wzorce.cele[static_cast<std::size_t>(wz)].rodzaj ==
                                                        Wzorce_Skanera::Rodzaj::token);
  }
  c.miejsce_wprost = plan_.rozszerzona && !c.lf_w_tokenie;
  // In the extended notation the token has any length, and it is built in
  // place, in Biezacy (declared in P_skan_t.ads), where the parser reads it: a
  // procedure scans, and Skanuj returns a copy for whoever wants one.
  c.bez_granicy = plan_.rozszerzona;
  // When no insert can read it, the text is not copied into Wart at all;
  // Skanuj then fills the copy it returns.
  c.w_miejscu = plan_.token_w_miejscu;
  c.wart = !c.w_miejscu || plan_.wart_czytany;
  // With recovery Skanuj reports a lexical error and goes on after the
  // text the error took (a character that begins no token: that
  // character); the scan that raises it is Skanuj_Token.
  c.odtwarzanie = plan_.odtwarzanie;
  // The extended notation's scan reports its errors itself.
  c.scalony = c.odtwarzanie && c.w_miejscu && plan_.rozszerzona;
  c.rdzen = c.odtwarzanie && !c.scalony ? "Skanuj_Token" : c.w_miejscu ? "Skanuj_Biezacy" : "Skanuj";
  // The extended notation's automaton tells whether it has handed a token over.
  c.powrot = plan_.rozszerzona ? "return True;" : c.w_miejscu ? "return;" : "return Token_Aut;";
  return c;
}

// The longest match from Poz_We; skips and comments go round again. The
// end token is named with its package, which Skanuj's locals cannot hide.
// The token is built in place: blanking all of Wart for every token would
// cost more than the rest of the scan.
void Skaner::skanuj(Pisarz& w) {
  const Cechy c = cechy();
  token_ostatni(w, c);
  if (plan_.rozszerzona) {
    skanuj_kodem(w, c);
    skanuj_z_zewnatrz(w, c);
    return;
  }
  if (c.w_miejscu)
    w.linia("procedure ", c.rdzen, " is");
  else
    w.linia("function ", c.rdzen, " return Token_Typ is");
  {
    pomijanie(w);
    Wciecie petla(w, 2 * krok_wciecia);
    koniec_wejscia(w, c);
    automat_tablicami(w, c);
    brak_dopasowania(w, c);
    dopasowanie(w, c);
  }
  w.blok(R"ada(
  end loop;
)ada");
  w.linia("end ", c.rdzen, ";");
  w.linia();
  skanuj_z_zewnatrz(w, c);
}

// Token_Aut and, without a limit, where the whole text stands.
void Skaner::token_ostatni(Pisarz& w, const Cechy& c) {
  if (c.wart) {
    w.linia("-- ostatni token: nastepny czysci tylko te znaki, ktore ten zajal");
    w.linia(c.w_miejscu ? "Token_Aut : Token_Typ renames Biezacy;"
                        : "Token_Aut : Token_Typ := (Kod => Pusty, Wart => (others => ' '));");
    w.linia("Dl_Token_Aut : Natural := 0;");
  } else {
    w.linia("-- ostatni token; jego tekst zostaje w buforze (Tekst)");
    w.linia("Token_Aut : Token_Typ renames Biezacy;");
  }
  w.linia();
  // The token's first character is also where its place is told from.
  if (c.bez_granicy) {
    w.linia("-- caly tekst ostatniego tokenu stoi w buforze od Tekst_Od_We do przed Poz_We");
    w.linia("Tekst_Od_We : Positive renames ", pak_.nazwa_pozycji, ".Pocz_Tokenu;");
    w.linia();
    w.linia("function Tekst return String is (Bufor_We (Tekst_Od_We .. Poz_We - 1));");
    w.linia();
  }
  if (c.odtwarzanie)
    w.blok(R"ada(
-- znaki, ktore zajal blad skanera
Zajete_We : Natural := 0;

)ada");
}

// The locals of the scan and the skipped characters before a token. The
// loops run over the part of the buffer filled so far, renamed as a slice,
// so that GNAT needs no index check per character; at its end they ask for
// more.
void Skaner::pomijanie(Pisarz& w) {
  w.blok(R"ada(
  S : Stan_Aut;
  Ile : Natural;      -- znaki przeczytane przez automat
  Dlugosc : Natural;  -- najdluzsze dopasowanie
  Akc : Stan_Aut;     -- stan, w ktorym sie skonczylo
begin
  loop
    Pomijanie :
    loop
      declare
        B : String renames Bufor_We (Poz_We .. Dl_We);
      begin
        for I in B'Range loop
          if not Pomijane_Aut (B (I)) then
            Poz_We := I;
            exit Pomijanie;
          elsif B (I) = ASCII.LF then
            Linia_We := Linia_We + 1;
            Pocz_Linii_We := I + 1;
          end if;
        end loop;
        Poz_We := Dl_We + 1;
      end;
      exit Pomijanie when not Zapewnij (1);
    end loop Pomijanie;
)ada");
}

// P_Pozycja's line and column of the token that begins at index Od.
// The extended notation's P_Pozycja tells the column from where the
// token and its line begin, only when asked.
void Skaner::miejsce_tokenu(Pisarz& w, std::string_view od, const Cechy& c) {
  if (!c.miejsce_wprost) w.linia(pak_.nazwa_pozycji, ".Linia := Linia_We;");
  if (!plan_.rozszerzona) {
    w.linia(pak_.nazwa_pozycji, ".Kolumna := ", od, " - Pocz_Linii_We + 1;");
    return;
  }
  if (!c.miejsce_wprost) w.linia(pak_.nazwa_pozycji, ".Pocz_Linii := Pocz_Linii_We;");
  w.linia("Tekst_Od_We := ", od, ";");
}

// The token's place, and the end token when the input has ended.
void Skaner::koniec_wejscia(Pisarz& w, const Cechy& c) {
  miejsce_tokenu(w, "Poz_We", c);
  w.linia("if Poz_We > Dl_We then");
  Wciecie e(w, krok_wciecia);
  token_konca(w, c);
}

void Skaner::token_konca(Pisarz& w, const Cechy& c) {
  const std::string kod_konca = plan_.koniec_jest_tokenem ? pak_.nazwa_skan + "." + opis_.koniec : "Pusty";
  if (c.wart) {
    w.linia("Token_Aut.Wart (1 .. Dl_Token_Aut) := (others => ' ');");
    w.linia("Dl_Token_Aut := 0;");
  }
  w.linia("Token_Aut.Kod := ", kod_konca, ";");
  w.linia(c.powrot);
}

// The automaton run from its tables, one character a step.
void Skaner::automat_tablicami(Pisarz& w, const Cechy& c) {
  w.blok(R"ada(
end if;
S := 1;
Ile := 0;
Dlugosc := 0;
Akc := 0;
Automat :
loop
  declare
    B : String renames Bufor_We (Poz_We .. Dl_We);
)ada");
  // Without a limit a token takes as much of the input as it matches;
  // with one, a scan stops after Dl_Tok + 1 characters, which keeps it
  // linear in the input.
  const std::string_view do_i = c.bez_granicy ? "B'Last" : "Do_I";
  if (!c.bez_granicy) w.linia("    Do_I : constant Integer := Integer'Min (B'Last, B'First + Dl_Tok);");
  w.linia("  begin");
  w.linia("    for I in B'First + Ile .. ", do_i, " loop");
  w.blok(R"ada(
      S := Przejscia_Aut (S, Klasy_Aut (B (I)));
      if S = 0 then
        Ile := I - B'First;
        exit Automat;
      end if;
      if Rodzaje_Aut (S) /= Brak then
        Dlugosc := I - B'First + 1;
        Akc := S;
      end if;
    end loop;
)ada");
  w.linia(c.bez_granicy ? "    Ile := B'Length;" : "    Ile := Integer'Max (Ile, Do_I - B'First + 1);");
  w.blok(R"ada(
  end;
)ada");
  if (c.bez_granicy)
    w.blok(R"ada(
  exit Automat when not Zapewnij (Ile + 1);
end loop Automat;
)ada");
  else
    w.blok(R"ada(
  exit Automat when Ile > Dl_Tok or else not Zapewnij (Ile + 1);
end loop Automat;
)ada");
}

// No token matched: a token too long, or a character that begins none.
void Skaner::brak_dopasowania(Pisarz& w, const Cechy& c) {
  w.linia(c.bez_granicy ? "if Dlugosc = 0 then" : "if Ile > Dl_Tok then");
  if (!c.bez_granicy) {
    w.linia("  Blad (Za_Dlugi_Token_We);");
    w.linia("elsif Dlugosc = 0 then");
  }
  {
    Wciecie e(w, krok_wciecia);
    w.linia(pak_.nazwa_pozycji, ".Znak := Bufor_We (Poz_We);");
    if (c.odtwarzanie) w.linia("Zajete_We := Natural'Max (Ile, 1);");
    w.linia("Blad (", zly_znak_ady.stala, ");");
  }
  w.linia("end if;");
}

// What the match is: a token (returned), a comment or skipped characters.
void Skaner::dopasowanie(Pisarz& w, const Cechy& c) {
  w.blok(R"ada(
case Rodzaje_Aut (Akc) is
  when Token =>
    Token_Aut.Kod := Kody_Aut (Akc);
)ada");
  // Without a limit the whole text stays in the buffer, and Wart holds
  // what of it fits.
  if (c.bez_granicy) {
    Wciecie e(w, 2 * krok_wciecia);
    w.linia("Tekst_Od_We := Poz_We;");
    w.linia(c.lf_w_tokenie ? "Przesun (Dlugosc);" : "Poz_We := Poz_We + Dlugosc;");
    if (c.wart) w.linia("Dlugosc := Natural'Min (Dlugosc, Dl_Tok);");
  }
  if (c.wart) {
    w.blok(R"ada(
    -- znak po znaku: krotki tekst kopiuje sie tak szybciej niz wycinkiem
    declare
)ada");
    w.linia("      T : String renames Bufor_We (", c.bez_granicy ? "Tekst_Od_We" : "Poz_We", " .. ",
            c.bez_granicy ? "Tekst_Od_We" : "Poz_We", " + Dlugosc - 1);");
    w.blok(R"ada(
    begin
      for I in T'Range loop
        Token_Aut.Wart (I - T'First + 1) := T (I);
      end loop;
    end;
    for I in Dlugosc + 1 .. Dl_Token_Aut loop
      Token_Aut.Wart (I) := ' ';
    end loop;
    Dl_Token_Aut := Dlugosc;
)ada");
  }
  {
    Wciecie e(w, 2 * krok_wciecia);
    if (!c.bez_granicy) w.linia(c.lf_w_tokenie ? "Przesun (Dlugosc);" : "Poz_We := Poz_We + Dlugosc;");
    w.linia(c.powrot);
  }
  if (jest_komentarz(true))
    w.blok(R"ada(
  when Komentarz_Liniowy =>
    Przesun (Dlugosc);
    Do_Konca_Linii;
)ada");
  if (jest_komentarz(false))
    w.blok(R"ada(
  when Komentarz =>
    Przesun (Dlugosc);
    Pomin_Komentarz (Komentarze_Aut (Akc));
)ada");
  w.blok(R"ada(
  when others =>
    Przesun (Dlugosc);
end case;
)ada");
}

// Skanuj_Biezacy around Skanuj_Token with recovery, and Skanuj as a
// function where the scan is a procedure.
void Skaner::skanuj_z_zewnatrz(Pisarz& w, const Cechy& c) {
  if (c.odtwarzanie && !c.scalony) {
    w.blok(R"ada(
procedure Skanuj_Biezacy is
begin
  loop
    Zajete_We := 0;
    begin
      Skanuj_Token;
      return;
    exception
      when Blad_Skanera =>
)ada");
    {
      Wciecie e(w, 4 * krok_wciecia);
      w.linia(pak_.nazwa_bledy, ".Zglos_Skanera (Nr_Bledu_Skan);");
      w.linia("Przesun (Zajete_We);");
    }
    w.blok(R"ada(
    end;
  end loop;
end Skanuj_Biezacy;

)ada");
  }
  if (c.w_miejscu && c.wart)
    w.blok(R"ada(
function Skanuj return Token_Typ is
begin
  Skanuj_Biezacy;
  return Biezacy;
end Skanuj;

)ada");
  else if (c.w_miejscu)
    w.blok(R"ada(
function Skanuj return Token_Typ is
  Wynik : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
  Dl : Natural;
begin
  Skanuj_Biezacy;
  Wynik.Kod := Biezacy.Kod;
  Dl := Natural'Min (Poz_We - Tekst_Od_We, Dl_Tok);
  Wynik.Wart (1 .. Dl) := Bufor_We (Tekst_Od_We .. Tekst_Od_We + Dl - 1);
  return Wynik;
end Skanuj;

)ada");
}

}  // namespace bryzas
