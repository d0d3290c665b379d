// The error package P_Bledy of the extended notation: every report goes to
// standard error as "PLIK:L:K: text" at the current token (a scanner of the
// user's tells no place: "PLIK: text"), a syntax error with exactly the
// tokens the parser could have gone on with, spelt as the user writes them;
// and an insert can report an error of its own, counted like the others.
#include "generator/rozszerzona/pakiety.h"

#include <algorithm>
#include <climits>

#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/napis_ady.h"
#include "generator/wspolne/pisarz.h"

namespace bryzas::rozszerzona {

void Pakiety::gen_bledy() {
  pisz_plik(pak_.plik(pak_.plik_bledy + ".ads"), [&](Pisarz& w) { bledy_specyfikacja(w); });
  pisz_plik(pak_.plik(pak_.plik_bledy + ".adb"), [&](Pisarz& w) { bledy_tresc(w); });
}

void Pakiety::bledy_specyfikacja(Pisarz& w) {
  const std::string& p = pak_.nazwa_bledy;
  w.linia("-- pakiet ", p, " - specyfikacja");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with ", pak_.nazwa_skan, ";");
  w.linia();
  w.linia("package ", p, " is");
  w.linia();
  {
    Wciecie wnetrze(w, krok_wciecia);
    w.blok(R"ada(
-- nazwa czytanego pliku w komunikatach; bez niej "-", standardowe wejscie
procedure Ustaw_Plik (Nazwa : String);

-- miejsce w wejsciu: linia i kolumna (od 1) pierwszego znaku tokenu
type Miejsce_We is record
  Linia, Kolumna : Natural := 0;
end record;
)ada");
    // A scanner of the user's tells no place.
    if (plan_.z_tokenami())
      w.blok(R"ada(
-- miejsce biezacego tokenu
function Miejsce return Miejsce_We;

-- "PLIK:LINIA:KOLUMNA: Tekst" na standardowym wyjsciu bledow, w miejscu
-- biezacego tokenu albo w miejscu Gdzie
)ada");
    else
      w.blok(R"ada(
-- miejsce biezacego tokenu: skaner pisany recznie go nie podaje (0, 0)
function Miejsce return Miejsce_We;

-- "PLIK: Tekst" na standardowym wyjsciu bledow (skaner pisany recznie nie
-- podaje miejsca tokenu), albo "PLIK:LINIA:KOLUMNA: Tekst" w miejscu Gdzie
)ada");
    w.blok(R"ada(
procedure Zglos (Tekst : String);
procedure Zglos (Gdzie : Miejsce_We; Tekst : String);
-- "PLIK: Tekst", bez miejsca
procedure Zglos_Pliku (Tekst : String);

-- blad wlasny wstawki: Tekst jak wyzej, liczony jak blad skladni, tak ze
-- Parsuj konczy sie wyjatkiem Blad_Parsera
procedure Zglos_Blad (Tekst : String);
procedure Zglos_Blad (Gdzie : Miejsce_We; Tekst : String);

-- co parser sprawdzal przy bledzie numer Nr
function Opis (Nr : Integer) return String;

-- blad skladni: tokeny, ktorych parser oczekiwal, i ten, ktory zastal;
-- blad skanera numer Nr; zagniezdzenie glebsze, niz pozwala stos
)ada");
    w.linia("procedure Zglos_Parsera (Oczekiwane : ", pak_.nazwa_skan, ".Zbior_Tokenow);");
    w.blok(R"ada(
procedure Zglos_Skanera (Nr : Integer);
procedure Zglos_Glebokosci;

-- wiersz drzewa wyprowadzenia na standardowym wyjsciu, Poziom poziomow
-- (po dwie spacje) od korzenia
procedure Wiersz_Drzewa (Poziom : Natural; Tekst : String);

-- bledy zgloszone dotad: skladni, skanera i wlasne wstawek
Zgloszone : Natural := 0;
)ada");
    if (plan_.odtwarzanie) wziete_specyfikacja(w);
  }
  w.linia();
  w.linia("end ", p, ";");
}

// The parser counts every token it takes, modulo and without a test; the
// tokens taken since the last error are a difference, of which Wziete
// tells up to two, as many as decide whether an error is reported.
void Pakiety::wziete_specyfikacja(Pisarz& w) {
  w.blok(R"ada(
-- tokeny wziete poprawnie: licznik modulo, ktory parser zwieksza bez
-- sprawdzania, i jego stan przy ostatnim zgloszonym bledzie
type Licznik_Tokenow is mod 2 ** 64;
Wziete_Wszystkie : Licznik_Tokenow := 0;
Wziete_Przy_Bledzie : Licznik_Tokenow := Licznik_Tokenow'Last - 1;
-- tokeny wziete poprawnie od ostatniego bledu, najwyzej dwa: blad, zanim
-- parser wezmie dwa, nie jest zglaszany; po stu zgloszonych parsowanie
-- konczy sie wyjatkiem Blad_Parsera
function Wziete return Natural is
  (Natural (Licznik_Tokenow'Min (Wziete_Wszystkie - Wziete_Przy_Bledzie, 2)));
)ada");
}

void Pakiety::bledy_tresc(Pisarz& w) {
  const std::string& p = pak_.nazwa_bledy;
  w.linia("-- pakiet ", p, " - tresc");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;");
  w.linia("with Ada.Text_IO; use Ada.Text_IO;");
  if (plan_.odtwarzanie) w.linia("with ", pak_.nazwa_pars, ";");
  if (plan_.z_tokenami()) w.linia("with ", pak_.nazwa_pozycji, "; use ", pak_.nazwa_pozycji, ";");
  w.linia();
  w.linia("package body ", p, " is");
  w.linia();
  {
    Wciecie wnetrze(w, krok_wciecia);
    zglaszanie(w);
    lista_oczekiwanych(w);
    if (plan_.z_tokenami()) pisz_opis_skanera(w, pak_.nazwa_skan);
    opis(w);
    if (plan_.odtwarzanie) do_zgloszenia(w);
    zglos_parsera(w);
    zglos_skanera(w);
  }
  w.linia("end ", p, ";");
}

// The name of the file read, and the reports: at the current token's place
// when the scanner was written from P.tok (a scanner of the user's tells
// none), or at a place remembered.
void Pakiety::zglaszanie(Pisarz& w) {
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

function Obraz (N : Natural) return String is
  S : constant String := Natural'Image (N);
begin
  return S (S'First + 1 .. S'Last);
end Obraz;

procedure Zglos (Gdzie : Miejsce_We; Tekst : String) is
begin
  if Gdzie.Linia = 0 then
    Zglos_Pliku (Tekst);
  else
    Put_Line (Standard_Error,
              To_String (Plik) & ":" & Obraz (Gdzie.Linia) & ":" & Obraz (Gdzie.Kolumna) & ": " & Tekst);
  end if;
end Zglos;

)ada");
  if (plan_.z_tokenami())
    w.linia("function Miejsce return Miejsce_We is ((", pak_.nazwa_pozycji, ".Linia, ", pak_.nazwa_pozycji,
            ".Kolumna));");
  else
    w.linia("function Miejsce return Miejsce_We is ((0, 0));");
  w.blok(R"ada(

procedure Zglos (Tekst : String) is
begin
  Zglos (Miejsce, Tekst);
end Zglos;

procedure Zglos_Blad (Gdzie : Miejsce_We; Tekst : String) is
begin
  Zglos (Gdzie, Tekst);
  Zgloszone := Zgloszone + 1;
end Zglos_Blad;

procedure Zglos_Blad (Tekst : String) is
begin
  Zglos_Blad (Miejsce, Tekst);
end Zglos_Blad;

)ada");
}

// "oczekiwano X, Y albo Z": the tokens of a set spelt as the user writes
// them (a token that P.tok defines by one string as that string, others by
// their names, the end of the input in words), in the order of P.tok's
// definitions.
void Pakiety::lista_oczekiwanych(Pisarz& w) {
  const std::string& s = pak_.nazwa_skan;
  std::vector<std::size_t> kolejnosc(plan_.rodzaje_tokenow.size());
  for (std::size_t i = 0; i < kolejnosc.size(); ++i) kolejnosc[i] = i;
  auto miejsce = [&](std::size_t i) { return i < plan_.kolejnosc.size() ? plan_.kolejnosc[i] : INT_MAX; };
  std::stable_sort(kolejnosc.begin(), kolejnosc.end(), [&](std::size_t a, std::size_t b) { return miejsce(a) < miejsce(b); });
  std::vector<std::string> pisownia;
  for (std::size_t i = 0; i < plan_.rodzaje_tokenow.size(); ++i) {
    const bool koniec = plan_.rodzaje_tokenow[i] == plan_.koniec || i >= plan_.pisownia.size();
    pisownia.push_back(koniec ? "konca wejscia" : plan_.pisownia[i]);
  }
  pisownia.push_back("konca wejscia");  // Pusty
  funkcja_rodzaju(w, "Pisownia", pisownia);
  std::vector<std::string> rodzaje;
  for (std::size_t i : kolejnosc) rodzaje.push_back(s + "." + plan_.rodzaje_tokenow[i]);
  rodzaje.push_back(s + ".Pusty");
  w.linia();
  w.linia("Kolejnosc : constant array (Positive range 1 .. ", std::to_string(rodzaje.size()), ") of ", s,
          ".Token_Kod := (");
  agregat(w, rodzaje, ");", 6);
  w.linia();
  w.linia("function Lista (Oczekiwane : ", s, ".Zbior_Tokenow) return String is");
  w.blok(R"ada(
  Ile : Natural := 0;
  Nr : Natural := 0;
  Wynik : Unbounded_String := To_Unbounded_String ("oczekiwano");
begin
  for Kod of Kolejnosc loop
    if Oczekiwane (Kod) then
      Ile := Ile + 1;
    end if;
  end loop;
  for Kod of Kolejnosc loop
    if Oczekiwane (Kod) then
      Nr := Nr + 1;
      Append (Wynik, (if Nr = 1 then " " elsif Nr = Ile then " albo " else ", ") & Pisownia (Kod));
    end if;
  end loop;
  return To_String (Wynik);
end Lista;

)ada");
}

// The text of each error number: a case of them, or a table for more.
void Pakiety::opis(Pisarz& w) {
  w.linia("function Opis (Nr : Integer) return String is");
  if (opisy_.size() <= max_galezi) {
    w.linia("begin");
    {
      Wciecie cialo(w, krok_wciecia);
      pisz_teksty_bledow(w, opisy_, [](const Opis_Bledu& o) { return napis_ady(o.tekst); });
    }
    w.linia("end Opis;");
    w.linia();
    return;
  }
  std::vector<std::string> teksty;
  for (const Opis_Bledu& o : opisy_) teksty.push_back(o.tekst);
  {
    Wciecie deklaracje(w, krok_wciecia);
    tablica_tekstow(w, teksty);
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia("if Nr in 1 .. ", std::to_string(teksty.size()), " then");
    {
      Wciecie wnetrze(w, krok_wciecia);
      w.linia("return Teksty (Od (Nr) .. Od (Nr + 1) - 1);");
    }
    w.linia("end if;");
    w.linia("return \"nieznany blad\";");
  }
  w.linia("end Opis;");
  w.linia();
}

// A function of a token kind that gives each its text (teksty in the order
// of Token_Kod, Pusty last): a case, or a table for many kinds.
void Pakiety::funkcja_rodzaju(Pisarz& w, const std::string& nazwa, const std::vector<std::string>& teksty) {
  const std::string& s = pak_.nazwa_skan;
  w.linia("function ", nazwa, " (Kod : ", s, ".Token_Kod) return String is");
  if (teksty.size() > max_galezi) {
    {
      Wciecie deklaracje(w, krok_wciecia);
      tablica_tekstow(w, teksty);
      w.linia("I : constant Positive := ", s, ".Token_Kod'Pos (Kod) + 1;");
    }
    w.linia("begin");
    w.linia("  return Teksty (Od (I) .. Od (I + 1) - 1);");
    w.linia("end ", nazwa, ";");
    return;
  }
  Wciecie wyrazenie(w, krok_wciecia);
  w.linia("(case Kod is");
  Wciecie przypadki(w, krok_wciecia);
  for (std::size_t i = 0; i + 1 < teksty.size(); ++i)
    w.linia("when ", s, ".", plan_.rodzaje_tokenow[i], " => ", napis_ady(teksty[i]), ",");
  w.linia("when ", s, ".Pusty => ", napis_ady(teksty.back()), ");");
}

// Whether to report a new error: not before the parser took two tokens
// since the last one; at the hundred and first the parse ends.
void Pakiety::do_zgloszenia(Pisarz& w) {
  w.blok(R"ada(
-- czy zglosic nowy blad: nie wtedy, gdy parser nie wzial dwoch tokenow od
-- poprzedniego; przy sto pierwszym parsowanie sie konczy
function Do_Zgloszenia return Boolean is
begin
  if Wziete < 2 then
    return False;
  elsif Zgloszone >= 100 then
    Zglos ("za duzo bledow (100)");
)ada");
  {
    Wciecie cialo(w, 2 * krok_wciecia);
    w.linia("raise ", pak_.nazwa_pars, ".Blad_Parsera;");
  }
  w.blok(R"ada(
  end if;
  Zgloszone := Zgloszone + 1;
  Wziete_Przy_Bledzie := Wziete_Wszystkie;
  return True;
end Do_Zgloszenia;

)ada");
}

// A report of the parser or the scanner counts: with recovery only one
// that is not too close to the last, and the hundred and first ends the
// parse.
void Pakiety::licz_zgloszenie(Pisarz& w) {
  Wciecie cialo(w, krok_wciecia);
  if (plan_.odtwarzanie)
    w.blok(R"ada(
if not Do_Zgloszenia then
  return;
end if;
)ada");
  else
    w.linia("Zgloszone := Zgloszone + 1;");
}

// The token found: its text as it stands in the input, a long one cut.
void Pakiety::zglos_parsera(Pisarz& w) {
  w.linia("procedure Zglos_Parsera (Oczekiwane : ", pak_.nazwa_skan, ".Zbior_Tokenow) is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    w.linia("T : constant String := ", pak_.nazwa_skan, ".Tekst;");
    w.linia("Pokaz : constant Natural := Natural'Min (T'Length, 40);");
  }
  w.linia("begin");
  licz_zgloszenie(w);
  w.blok(R"ada(
  if T'Length = 0 then
    Zglos (Lista (Oczekiwane) & "; jest koniec wejscia");
  elsif Pokaz < T'Length then
    Zglos (Lista (Oczekiwane) & "; jest """ & T (T'First .. T'First + Pokaz - 1) & "...""");
  else
    Zglos (Lista (Oczekiwane) & "; jest """ & T & """");
  end if;
end Zglos_Parsera;

)ada");
}

void Pakiety::zglos_skanera(Pisarz& w) {
  w.blok(R"ada(
procedure Zglos_Skanera (Nr : Integer) is
begin
)ada");
  licz_zgloszenie(w);
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

procedure Wiersz_Drzewa (Poziom : Natural; Tekst : String) is
begin
  Put_Line (String'(1 .. 2 * Poziom => ' ') & Tekst);
end Wiersz_Drzewa;

)ada");
}

}  // namespace bryzas::rozszerzona
