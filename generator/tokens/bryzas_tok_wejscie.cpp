// The statements of the generated scanner: its input buffer, the comments
// and Skanuj. They do not depend on the token file beyond the kinds of
// comment it declares, the end token and whether a token can hold a line end.
#include <string>

#include "generator/podstawa/pisarz.h"
#include "generator/tokens/bryzas_tok_skaner.h"

namespace bryzas {

// The input: Bufor_We holds what is read and not yet used from Poz_We on,
// line Linia_We, whose first character stood at Pocz_Linii_We (a column is
// a difference of indices, so only a line feed costs a count). The bytes
// are read as they stand in the input, through the C stream under
// Current_Input: Text_IO's lines would drop a form feed after a line end
// as a page mark, and only when the input is a file. The library units are
// named from Standard, since a token kind of the spec may hide Ada or
// Interfaces.
void bryzas_tok_skaner::wejscie(Pisarz& w) {
  poziomy(w, {
      {0, "package Tekst_We renames Standard.Ada.Text_IO;"},
      {0, "package C_We renames Standard.Interfaces.C_Streams;"},
      {0, ""},
      {0, "Rozmiar_We : constant := 65_536;"},
      {0, "Bufor_We : String (1 .. Rozmiar_We);"},
      {0, "Dl_We : Natural := 0;"},
      {0, "Poz_We : Positive := 1;"},
      {0, "Linia_We : Positive := 1;"},
      {0, "Pocz_Linii_We : Integer := 1;"},
      {0, "Koniec_We : Boolean := False;"},
      {0, "Ostatni_We : Character := ASCII.LF;  -- ostatni przeczytany znak"},
      {0, ""},
      {0, "-- przesuwa nieuzyta reszte na poczatek bufora i dopisuje, co da wejscie:"},
      {0, "-- plik blok, a terminal czy potok jedna linie, zeby program odpowiadal na"},
      {0, "-- nia od razu; na koncu wejscia ostatnia linia bez LF dostaje go"},
      {0, "procedure Dolej is"},
      {1, "Plik : constant C_We.FILEs := Tekst_We.C_Streams.C_Stream (Tekst_We.Current_Input);"},
      {1, "Bylo : constant Natural := Dl_We - Poz_We + 1;"},
      {1, "Znak : C_We.int;"},
      {0, "begin"},
      {1, "Bufor_We (1 .. Bylo) := Bufor_We (Poz_We .. Dl_We);"},
      {1, "Dl_We := Bylo;"},
      {1, "Pocz_Linii_We := Pocz_Linii_We - Poz_We + 1;"},
      {1, "Poz_We := 1;"},
      {1, "if C_We.is_regular_file (C_We.fileno (Plik)) /= 0 then"},
      {2, "Dl_We := Dl_We + Natural (C_We.fread (Bufor_We (Dl_We + 1)'Address, 1,"},
      {2, "                                      C_We.size_t (Rozmiar_We - Dl_We), Plik));"},
      {1, "else"},
      {2, "loop"},
      {3, "Znak := C_We.fgetc (Plik);"},
      {3, "exit when Znak = C_We.EOF;"},
      {3, "Dl_We := Dl_We + 1;"},
      {3, "Bufor_We (Dl_We) := Character'Val (Znak);"},
      {3, "exit when Bufor_We (Dl_We) = ASCII.LF or else Dl_We = Rozmiar_We;"},
      {2, "end loop;"},
      {1, "end if;"},
      {1, "if C_We.ferror (Plik) /= 0 then"},
      {2, "raise Tekst_We.Device_Error;"},
      {1, "elsif Dl_We > Bylo then"},
      {2, "Ostatni_We := Bufor_We (Dl_We);"},
      {1, "else"},
      {2, "Koniec_We := True;"},
      {2, "if Ostatni_We /= ASCII.LF then"},
      {3, "Dl_We := Dl_We + 1;"},
      {3, "Bufor_We (Dl_We) := ASCII.LF;"},
      {2, "end if;"},
      {1, "end if;"},
      {0, "end Dolej;"},
      {0, ""},
      {0, "-- czy w buforze jest jeszcze N znakow (dolewa, poki wejscie sie nie skonczy)"},
      {0, "function Zapewnij (N : Positive) return Boolean is"},
      {0, "begin"},
      {1, "while Dl_We - Poz_We + 1 < N and then not Koniec_We loop"},
      {2, "Dolej;"},
      {1, "end loop;"},
      {1, "return Dl_We - Poz_We + 1 >= N;"},
      {0, "end Zapewnij;"},
      {0, ""},
      {0, "-- zuzywa N znakow, liczac linie"},
      {0, "procedure Przesun (N : Natural) is"},
      {0, "begin"},
      {1, "for I in Poz_We .. Poz_We + N - 1 loop"},
      {2, "if Bufor_We (I) = ASCII.LF then"},
      {3, "Linia_We := Linia_We + 1;"},
      {3, "Pocz_Linii_We := I + 1;"},
      {2, "end if;"},
      {1, "end loop;"},
      {1, "Poz_We := Poz_We + N;"},
      {0, "end Przesun;"},
      {0, ""},
      {0, "-- 1: znak, od ktorego nie zaczyna sie zaden token; 2: token dluzszy niz Dl_Tok;"},
      {0, "-- 3: komentarz bez konca"},
      {0, "procedure Blad (Numer : Integer) is"},
      {0, "begin"},
      {1, "Nr_Bledu_Skan := Numer;"},
      {1, "raise Blad_Skanera;"},
      {0, "end Blad;"},
      {0, ""},
  });
}

// Comments: to the end of the line (the line feed stays for the automaton),
// and between delimiters, nested or not.
void bryzas_tok_skaner::komentarze(Pisarz& w) {
  if (jest_komentarz(true))
    poziomy(w, {
        {0, "procedure Do_Konca_Linii is"},
        {0, "begin"},
        {1, "loop"},
        {2, "while Poz_We <= Dl_We and then Bufor_We (Poz_We) /= ASCII.LF loop"},
        {3, "Poz_We := Poz_We + 1;"},
        {2, "end loop;"},
        {2, "exit when Poz_We <= Dl_We or else not Zapewnij (1);"},
        {1, "end loop;"},
        {0, "end Do_Konca_Linii;"},
        {0, ""},
    });
  if (!jest_komentarz(false)) return;
  poziomy(w, {
      {0, "procedure Komentarz (Otwarcie, Zamkniecie : String; Zagniezdzony : Boolean) is"},
      {1, "Glebokosc : Natural := 1;"},
      {1, "function Jest (S : String) return Boolean is"},
      {2, "(Zapewnij (S'Length) and then Bufor_We (Poz_We .. Poz_We + S'Length - 1) = S);"},
      {0, "begin"},
      {1, "loop"},
      {2, "if Jest (Zamkniecie) then"},
      {3, "Przesun (Zamkniecie'Length);"},
      {3, "Glebokosc := Glebokosc - 1;"},
      {3, "exit when Glebokosc = 0;"},
      {2, "elsif Zagniezdzony and then Jest (Otwarcie) then"},
      {3, "Przesun (Otwarcie'Length);"},
      {3, "Glebokosc := Glebokosc + 1;"},
      {2, "elsif Zapewnij (1) then"},
      {3, "Przesun (1);"},
      {2, "else"},
      {3, "Blad (3);"},
      {2, "end if;"},
      {1, "end loop;"},
      {0, "end Komentarz;"},
      {0, ""},
      {0, "procedure Pomin_Komentarz (Nr : Natural) is"},
      {0, "begin"},
  });
  // Numbered as the file declares them; the last one is the others branch.
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
                wyrazenie_napisu(k.poczatek), ", ", wyrazenie_napisu(k.koniec), ", ",
                k.zagniezdzony ? "True" : "False", ");");
      }
    }
    w.linia("end case;");
  }
  w.linia("end Pomin_Komentarz;");
  w.linia();
}

// The longest match from Poz_We; skips and comments go round again. The
// end token is named with its package, which Skanuj's locals cannot hide.
// The token is built in place: blanking all of Wart for every token would
// cost more than the rest of the scan.
void bryzas_tok_skaner::skanuj(Pisarz& w) {
  const std::string poz = pak_.nazwa_proj + "_Pozycja.";
  const bool koniec = !opis_.koniec.empty() && skan_.tablsymterm.znajdz(opis_.koniec) != 0;
  const std::string kod_konca = koniec ? pak_.nazwa_skan + "." + opis_.koniec : "Pusty";
  // A token that cannot hold a line feed is used up without looking at it.
  bool lf_w_tokenie = false;
  const Automat_Tokenow& a = *automat_;
  for (int s = 1; s <= a.licz_stanow() && !lf_w_tokenie; ++s) {
    const int t = a.przejscie(s, '\n');
    const int wz = a.wygrany(t);
    lf_w_tokenie = t != 0 && (s > 1 || wz < 0 || wzorce_.cele[static_cast<std::size_t>(wz)].rodzaj ==
                                                      Wzorce_Skanera::Rodzaj::token);
  }
  poziomy(w, {
      {0, "-- ostatni token: nastepny czysci tylko te znaki, ktore ten zajal"},
      {0, "Token_Aut : Token_Typ := (Kod => Pusty, Wart => (others => ' '));"},
      {0, "Dl_Token_Aut : Natural := 0;"},
      {0, ""},
      {0, "function Skanuj return Token_Typ is"},
      {1, "S : Stan_Aut;"},
      {1, "Ile : Natural;      -- znaki przeczytane przez automat"},
      {1, "Dlugosc : Natural;  -- najdluzsze dopasowanie"},
      {1, "Akc : Stan_Aut;     -- stan, w ktorym sie skonczylo"},
      {0, "begin"},
      {1, "loop"},
      {2, "while (Poz_We <= Dl_We or else Zapewnij (1)) and then Pomijane_Aut (Bufor_We (Poz_We)) loop"},
      {3, "if Bufor_We (Poz_We) = ASCII.LF then"},
      {4, "Linia_We := Linia_We + 1;"},
      {4, "Pocz_Linii_We := Poz_We + 1;"},
      {3, "end if;"},
      {3, "Poz_We := Poz_We + 1;"},
      {2, "end loop;"},
  });
  {
    Wciecie petla(w, 2 * krok_wciecia);
    w.linia(poz, "Linia := Linia_We;");
    w.linia(poz, "Kolumna := Poz_We - Pocz_Linii_We + 1;");
    w.linia("if Poz_We > Dl_We then");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("Token_Aut.Wart (1 .. Dl_Token_Aut) := (others => ' ');");
      w.linia("Dl_Token_Aut := 0;");
      w.linia("Token_Aut.Kod := ", kod_konca, ";");
      w.linia("return Token_Aut;");
    }
    poziomy(w, {
        {0, "end if;"},
        {0, "S := 1;"},
        {0, "Ile := 0;"},
        {0, "Dlugosc := 0;"},
        {0, "Akc := 0;"},
        {0, "while Poz_We + Ile <= Dl_We or else Zapewnij (Ile + 1) loop"},
        {1, "S := Przejscia_Aut (S, Klasy_Aut (Bufor_We (Poz_We + Ile)));"},
        {1, "exit when S = 0;"},
        {1, "Ile := Ile + 1;"},
        {1, "if Rodzaje_Aut (S) /= Brak then"},
        {2, "Dlugosc := Ile;"},
        {2, "Akc := S;"},
        {1, "end if;"},
        {1, "exit when Ile > Dl_Tok;"},
        {0, "end loop;"},
        {0, "if Ile > Dl_Tok then"},
        {1, "Blad (2);"},
        {0, "elsif Dlugosc = 0 then"},
    });
    {
      Wciecie e(w, krok_wciecia);
      w.linia(poz, "Znak := Bufor_We (Poz_We);");
      w.linia("Blad (1);");
    }
    poziomy(w, {
        {0, "end if;"},
        {0, "case Rodzaje_Aut (Akc) is"},
        {1, "when Token =>"},
        {2, "Token_Aut.Kod := Kody_Aut (Akc);"},
        {2, "-- znak po znaku: krotki tekst kopiuje sie tak szybciej niz wycinkiem"},
        {2, "for I in 1 .. Dlugosc loop"},
        {3, "Token_Aut.Wart (I) := Bufor_We (Poz_We + I - 1);"},
        {2, "end loop;"},
        {2, "for I in Dlugosc + 1 .. Dl_Token_Aut loop"},
        {3, "Token_Aut.Wart (I) := ' ';"},
        {2, "end loop;"},
        {2, "Dl_Token_Aut := Dlugosc;"},
    });
    {
      Wciecie e(w, 2 * krok_wciecia);
      w.linia(lf_w_tokenie ? "Przesun (Dlugosc);" : "Poz_We := Poz_We + Dlugosc;");
      w.linia("return Token_Aut;");
    }
    if (jest_komentarz(true))
      poziomy(w, {{1, "when Komentarz_Liniowy =>"}, {2, "Przesun (Dlugosc);"}, {2, "Do_Konca_Linii;"}});
    if (jest_komentarz(false))
      poziomy(w, {{1, "when Komentarz =>"}, {2, "Przesun (Dlugosc);"}, {2, "Pomin_Komentarz (Komentarze_Aut (Akc));"}});
    poziomy(w, {{1, "when others =>"}, {2, "Przesun (Dlugosc);"}, {0, "end case;"}});
  }
  poziomy(w, {{1, "end loop;"}, {0, "end Skanuj;"}, {0, ""}});
}

}  // namespace bryzas
