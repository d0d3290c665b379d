#include "generator/rozszerzona/pakiety.h"

#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/napis_ady.h"
#include "generator/wspolne/pisarz.h"

namespace bryzas::rozszerzona {

namespace {

// Token kinds per line of the enumeration.
constexpr std::size_t nazw_w_linii = 6;

}  // namespace

Pakiety::Pakiety(const Bryzas_Pak& pak, const Plan& plan, const std::vector<Opis_Bledu>& opisy)
    : pak_(pak), plan_(plan), opisy_(opisy) {}

void Pakiety::gen_skaner_spec() {
  pisz_plik(pak_.plik_wyskans, [&](Pisarz& w) {
    w.linia("-- pakiet ", pak_.nazwa_skan, " - specyfikacja");
    naglowek_danych(w, pak_.epoka_zrodel);
    w.linia("package ", pak_.nazwa_skan, " is");
    w.linia();
    {
      Wciecie wnetrze(w, krok_wciecia);
      skaner_spec(w);
    }
    w.linia();
    w.linia("end ", pak_.nazwa_skan, ";");
  });
}

void Pakiety::skaner_spec(Pisarz& w) {
  w.blok(R"ada(
Dl_Tok : constant := 100;
Nr_Bledu_Skan : Integer := 0;

)ada");
  w.dopisz("type Token_Kod is (");
  {
    Wciecie pod_nazwami(w, krok_wciecia);
    for (std::size_t i = 0; i < plan_.rodzaje_tokenow.size(); ++i) {
      w.dopisz(plan_.rodzaje_tokenow[i]);
      w.dopisz(",");
      if ((i + 1) % nazw_w_linii == 0)
        w.koniec_linii();
      else
        w.dopisz(" ");
    }
    w.linia("Pusty);");
  }
  w.blok(R"ada(

-- rodzaj tokenu i pierwsze Dl_Tok znakow jego tekstu, dopelnione spacjami
type Token_Typ is record
  Kod : Token_Kod;
  Wart : String (1 .. Dl_Tok);
end record;

-- nastepny token wejscia; na jego koncu token konca
function Skanuj return Token_Typ;
)ada");
  // A scanner written from P.tok builds the token where the parser reads it.
  if (plan_.token_w_miejscu()) {
    w.blok(R"ada(
-- to samo w miejscu: Skanuj_Biezacy wpisuje nastepny token w Biezacy
)ada");
    if (!plan_.wart_czytany())
      w.linia("-- (bez Wart, ktorego gramatyka nie czyta: tekst daje Tekst)");
    w.blok(R"ada(
Biezacy : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
procedure Skanuj_Biezacy;
)ada");
  }
  w.blok(R"ada(
-- caly tekst tokenu, ktory Skanuj dal ostatnio
function Tekst return String;

Blad_Skanera : exception;
)ada");
}

void Pakiety::gen_bledy() {
  const std::string& p = pak_.nazwa_bledy;
  pisz_plik(pak_.plik_bledy + ".ads", [&](Pisarz& w) {
    w.linia("-- pakiet ", p, " - specyfikacja");
    naglowek_danych(w, pak_.epoka_zrodel);
    w.linia("package ", p, " is");
    w.linia();
    {
      Wciecie wnetrze(w, krok_wciecia);
      w.blok(R"ada(
-- nazwa czytanego pliku w komunikatach; bez niej "-", standardowe wejscie
procedure Ustaw_Plik (Nazwa : String);

)ada");
      // A scanner of the user's tells no place.
      if (plan_.z_tokenami())
        w.blok(R"ada(
-- "PLIK:LINIA:KOLUMNA: Tekst" na standardowym wyjsciu bledow, w miejscu
-- biezacego tokenu
)ada");
      else
        w.blok(R"ada(
-- "PLIK: Tekst" na standardowym wyjsciu bledow; skaner pisany recznie nie
-- podaje miejsca tokenu
)ada");
      w.blok(R"ada(
procedure Zglos (Tekst : String);
-- "PLIK: Tekst", bez miejsca
procedure Zglos_Pliku (Tekst : String);

-- co parser oczekiwal przy bledzie numer Nr
function Opis (Nr : Integer) return String;

-- blad parsera numer Nr z tym, co zastal; blad skanera numer Nr;
-- zagniezdzenie glebsze, niz pozwala stos
procedure Zglos_Parsera (Nr : Integer);
procedure Zglos_Skanera (Nr : Integer);
procedure Zglos_Glebokosci;
)ada");
      if (plan_.odtwarzanie)
        w.blok(R"ada(

-- bledy zgloszone dotad i tokeny wziete poprawnie od ostatniego z nich:
-- blad, zanim parser wezmie dwa, nie jest zglaszany; po stu zgloszonych
-- parsowanie konczy sie wyjatkiem Blad_Parsera
Zgloszone : Natural := 0;
Wziete : Natural := 2;
)ada");
    }
    w.linia();
    w.linia("end ", p, ";");
  });
  pisz_plik(pak_.plik_bledy + ".adb", [&](Pisarz& w) { bledy_tresc(w); });
}

// The place is the current token's when the scanner was written from P.tok;
// a scanner of the user's tells none.
void Pakiety::bledy_tresc(Pisarz& w) {
  const std::string& p = pak_.nazwa_bledy;
  w.linia("-- pakiet ", p, " - tresc");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;");
  w.linia("with Ada.Text_IO; use Ada.Text_IO;");
  w.linia("with ", pak_.nazwa_skan, ";");
  if (plan_.odtwarzanie) w.linia("with ", pak_.nazwa_pars, ";");
  if (plan_.z_tokenami()) w.linia("with ", pak_.nazwa_pozycji, "; use ", pak_.nazwa_pozycji, ";");
  w.linia();
  w.linia("package body ", p, " is");
  w.linia();
  Wciecie wnetrze(w, krok_wciecia);
  w.blok(R"ada(
Plik : Unbounded_String := To_Unbounded_String ("-");

procedure Ustaw_Plik (Nazwa : String) is
begin
  Plik := To_Unbounded_String (Nazwa);
end Ustaw_Plik;

procedure Zglos_Pliku (Tekst : String) is
begin
  Put_Line (Standard_Error, To_String (Plik) & ": " & Tekst);
end Zglos_Pliku;

)ada");
  if (plan_.z_tokenami()) {
    w.blok(R"ada(
function Obraz (N : Natural) return String is
  S : constant String := Natural'Image (N);
begin
  return S (S'First + 1 .. S'Last);
end Obraz;

procedure Zglos (Tekst : String) is
)ada");
    {
      Wciecie cialo(w, krok_wciecia);
      w.linia("Miejsce : constant String := Obraz (Linia) & \":\" & Obraz (Kolumna);");
    }
    w.blok(R"ada(
begin
  Put_Line (Standard_Error, To_String (Plik) & ":" & Miejsce & ": " & Tekst);
end Zglos;

)ada");
  } else {
    w.blok(R"ada(
procedure Zglos (Tekst : String) renames Zglos_Pliku;

)ada");
  }
  if (plan_.z_tokenami()) pisz_opis_skanera(w, &plan_.pisownia);
  w.linia("function Opis (Nr : Integer) return String is");
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    pisz_teksty_bledow(w, opisy_, [](const Opis_Bledu& o) { return napis_ady(o.tekst); });
  }
  w.linia("end Opis;");
  w.linia();
  if (plan_.odtwarzanie) {
    w.blok(R"ada(
-- czy zglosic nowy blad: nie wtedy, gdy parser nie wzial dwoch tokenow od
-- poprzedniego; przy sto pierwszym parsowanie sie konczy
function Do_Zgloszenia return Boolean is
begin
  if Wziete < 2 then
    return False;
  elsif Zgloszone = 100 then
    Zglos ("za duzo bledow (100)");
)ada");
    {
      Wciecie cialo(w, 2 * krok_wciecia);
      w.linia("raise ", pak_.nazwa_pars, ".Blad_Parsera;");
    }
    w.blok(R"ada(
  end if;
  Zgloszone := Zgloszone + 1;
  Wziete := 0;
  return True;
end Do_Zgloszenia;

)ada");
  }
  // The token found: its text as it stands in the input, a long one cut.
  w.linia("procedure Zglos_Parsera (Nr : Integer) is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    w.linia("T : constant String := ", pak_.nazwa_skan, ".Tekst;");
    w.linia("Pokaz : constant Natural := Natural'Min (T'Length, 40);");
  }
  w.linia("begin");
  if (plan_.odtwarzanie) w.blok(R"ada(
  if not Do_Zgloszenia then
    return;
  end if;
)ada");
  w.blok(R"ada(
  if T'Length = 0 then
    Zglos (Opis (Nr) & "; jest koniec wejscia");
  elsif Pokaz < T'Length then
    Zglos (Opis (Nr) & "; jest """ & T (T'First .. T'First + Pokaz - 1) & "...""");
  else
    Zglos (Opis (Nr) & "; jest """ & T & """");
  end if;
end Zglos_Parsera;

procedure Zglos_Skanera (Nr : Integer) is
begin
)ada");
  if (plan_.odtwarzanie) w.blok(R"ada(
  if not Do_Zgloszenia then
    return;
  end if;
)ada");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia(plan_.z_tokenami() ? "Zglos (Opis_Skanera (Nr));" : "Zglos (\"blad skanera\" & Integer'Image (Nr));");
  }
  w.blok(R"ada(
end Zglos_Skanera;

procedure Zglos_Glebokosci is
begin
  Zglos ("zagniezdzenie glebsze, niz pozwala stos");
end Zglos_Glebokosci;

)ada");
  w.linia("end ", p, ";");
}

void Pakiety::gen_main() {
  pisz_plik_gdy_brak(pak_.plik_main, [&](Pisarz& w) { tresc_main(w); });
}

// The file named first on the command line, or standard input without one;
// the program prints nothing of its own and ends with status 1 after an
// error.
void Pakiety::tresc_main(Pisarz& w) {
  const std::string& p = pak_.nazwa_proj;
  w.linia("-- procedura glowna ", p);
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with Ada.Command_Line; use Ada.Command_Line;");
  w.linia("with Ada.Text_IO; use Ada.Text_IO;");
  w.linia("with ", pak_.nazwa_pars, ";");
  w.linia("with ", pak_.nazwa_skan, ";");
  w.linia("with ", pak_.nazwa_bledy, ";");
  w.linia();
  w.linia("-- parsuje plik podany jako argument, bez niego standardowe wejscie;");
  w.linia("-- po bledzie konczy sie ze statusem 1");
  w.linia("procedure ", p, " is");
  w.linia("  Wejscie : File_Type;");
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia("if Argument_Count > 0 then");
    {
      Wciecie plik(w, krok_wciecia);
      w.linia(pak_.nazwa_bledy, ".Ustaw_Plik (Argument (1));");
      w.linia("Open (Wejscie, In_File, Argument (1));");
      w.linia("Set_Input (Wejscie);");
    }
    w.linia("end if;");
    w.linia(pak_.nazwa_pars, ".Parsuj;");
  }
  w.linia("exception");
  {
    Wciecie obsluga(w, krok_wciecia);
    w.linia("when ", pak_.nazwa_pars, ".Blad_Parsera | ", pak_.nazwa_skan, ".Blad_Skanera =>");
    {
      Wciecie cialo(w, krok_wciecia);
      w.linia("Set_Exit_Status (Failure);");
    }
    w.linia("when Name_Error | Use_Error =>");
    Wciecie cialo(w, krok_wciecia);
    w.linia(pak_.nazwa_bledy, ".Zglos_Pliku (\"nie mozna otworzyc pliku\");");
    w.linia("Set_Exit_Status (Failure);");
  }
  w.linia("end ", p, ";");
}

}  // namespace bryzas::rozszerzona
