-- wygenerowano przez bryzas z pliku tokenow D.tok; kazde uruchomienie bryzas pisze go od nowa
-- pakiet D_Skan - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Text_IO.C_Streams;
with Ada.Unchecked_Deallocation;
with Interfaces.C_Streams;
with System;
with D_Pozycja;
with D_Bledy;

package body D_Skan is

-- automat tokenow: stan 0 to brak przejscia, 1 poczatek
type Stan_Aut is range 0 .. 14;
type Rodzaj_Aut is (Brak, Pomin, Token);

-- znaki, od ktorych zaczyna sie token, komentarz albo pominiecie
Poczatki_Aut : constant array (Character) of Boolean := (Character'Val (9) .. Character'Val (10) | Character'Val (13) | ' ' | 'c' | 'e' | 'i' | 't' | 'x' => True, others => False);
Rodzaje_Aut : constant array (Stan_Aut) of Rodzaj_Aut := (
  Brak, Brak, Pomin, Token, Brak, Brak, Brak, Token, Brak, Token, Brak, Brak, Brak, Token, Token);
Kody_Aut : constant array (Stan_Aut) of Token_Kod := (
  Pusty, Pusty, Pusty, Warunek, Pusty, Pusty, Pusty, X, Pusty, Jesli, Pusty, Pusty, Pusty, Inaczej, To);
-- token zaczety, a nieskonczony, gdy automat stanal w stanie
Niedokonczone_Aut : constant array (Stan_Aut) of Token_Kod := (
  Pusty, Jesli, Pusty, Warunek, Inaczej, Jesli, To, X, Inaczej, Jesli, To, Inaczej, To, Inaczej, To);

-- bledy skanera (Nr_Bledu_Skan)
Zly_Znak_We : constant := 1;  -- nieoczekiwany znak
Niedokonczony_We : constant := 4;  -- niedokonczony

package Tekst_We renames Standard.Ada.Text_IO;
package C_We renames Standard.Interfaces.C_Streams;

-- bufor rosnie tylko wtedy, gdy caly zajmuje jeden token
Rozmiar_We : constant := 65_536;
type Bufor_Typ_We is access String;
procedure Zwolnij_We is new Standard.Ada.Unchecked_Deallocation (String, Bufor_Typ_We);
Bufor_We : Bufor_Typ_We := new String (1 .. Rozmiar_We);
Adres_We : Standard.System.Address := Bufor_We.all'Address;
Dl_We : Natural := 0;
Poz_We : Positive := 1;
-- zaden token nie ma w sobie konca linii: skaner liczy linie wprost w
-- D_Pozycja (0, poki nie przeczytal wejscia)
Linia_We : Natural renames D_Pozycja.Linia;
Pocz_Linii_We : Integer renames D_Pozycja.Pocz_Linii;
Koniec_We : Boolean := False;
Ostatni_We : Character := ASCII.LF;  -- ostatni przeczytany znak
Zbadane_We : Boolean := False;  -- czy wiadomo, co to za wejscie
Z_Pliku_We : Boolean := False;  -- plik, czytany blokami

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
      Adres_We := Bufor_We.all'Address;
    end;
  else
    Bufor_We (1 .. Bylo) := Bufor_We (Poz_We .. Dl_We);
  end if;
  Dl_We := Bylo;
  Pocz_Linii_We := Pocz_Linii_We - Poz_We + 1;
  Poz_We := 1;
  if not Zbadane_We then
    -- pierwszy blok: czy wejscie to plik; od niego linia 1
    Zbadane_We := True;
    Z_Pliku_We := C_We.is_regular_file (C_We.fileno (Plik)) /= 0;
    Linia_We := 1;
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

-- ostatni token; jego tekst zostaje w buforze (Tekst)
Token_Aut : Token_Typ renames Biezacy;

-- caly tekst ostatniego tokenu stoi w buforze od Tekst_Od_We do przed Poz_We
Tekst_Od_We : Positive renames D_Pozycja.Pocz_Tokenu;

function Tekst return String is (Bufor_We (Tekst_Od_We .. Poz_We - 1));

-- znaki, ktore zajal blad skanera
Zajete_We : Natural := 0;

-- gdzie automat stanal: stan, znaki przeczytane od Poz_We, ostatni znak
-- najdluzszego dopasowania i stan, w ktorym sie skonczylo (0, gdy go nie ma)
S_We : Stan_Aut := 1;
Ile_We : Natural := 0;
Kon_We : Integer := 0;
Akc_We : Stan_Aut := 0;

-- automat od Poz_We po wypelnionej czesci bufora, kazdy stan etykieta, a
-- ruch skok: True, kiedy wydal token, False, kiedy stanal (na koncu bufora
-- albo bez ruchu); po postoju idzie dalej ze stanu S_We, w ktorym stanal
function Automat_We (Po_Postoju : Boolean) return Boolean is
  -- bufor bez ostatniej mozliwej pozycji: I + 1 nigdy nie przekracza zakresu
  Ost : constant Natural range 0 .. Natural'Last - 1 := Dl_We;
  B : String (1 .. Ost) with Import, Address => Adres_We;
  S : Stan_Aut := 1;        -- stan, w ktorym automat stanal
  Od : Positive := Poz_We;  -- pierwszy znak tokenu
  I : Positive := Od;       -- nastepny znak
  Kon : Integer := 0;       -- ostatni znak najdluzszego dopasowania
  Akc : Stan_Aut := 0;      -- stan, w ktorym sie skonczylo; 0, gdy go nie ma
  C : Character;            -- znak, ktory automat bada
begin
  if Po_Postoju and then S_We /= 1 then
    goto Wznow;
  end if;
  <<Stan_1>>
  Od := I;
  if I > B'Last then
    S := 1;
    goto Stoj;
  end if;
  C := B (I);
  if C = ' ' then
    I := I + 1;
    goto Stan_1;
  end if;
  case C is
    when Character'Val (9) | Character'Val (13) | ' ' =>
      I := I + 1;
      goto Stan_1;
    when Character'Val (10) =>
      I := I + 1;
      Linia_We := Linia_We + 1;
      Pocz_Linii_We := I;
      goto Stan_1;
    when 'c' =>
      Token_Aut.Kod := D_Skan.Warunek;
      I := I + 1;
      goto Wydaj;
    when 'e' =>
      I := I + 1;
      goto Stan_4;
    when 'i' =>
      I := I + 1;
      goto Stan_5;
    when 't' =>
      I := I + 1;
      goto Stan_6;
    when 'x' =>
      Token_Aut.Kod := D_Skan.X;
      I := I + 1;
      goto Wydaj;
    when Character'Val (0) .. Character'Val (8) | Character'Val (11) .. Character'Val (12)
       | Character'Val (14) .. Character'Val (31) | '!' .. 'b' | 'd' | 'f' .. 'h' | 'j' .. 's'
       | 'u' .. 'w' | 'y' .. Character'Val (255) =>
      S := 1;
      goto Stoj;
  end case;
  <<Stan_4>>
  if I > B'Last then
    S := 4;
    goto Stoj;
  end if;
  case B (I) is
    when 'l' =>
      I := I + 1;
      goto Stan_8;
    when others =>
      S := 4;
      goto Stoj;
  end case;
  <<Stan_5>>
  if I > B'Last then
    S := 5;
    goto Stoj;
  end if;
  case B (I) is
    when 'f' =>
      Token_Aut.Kod := D_Skan.Jesli;
      I := I + 1;
      goto Wydaj;
    when others =>
      S := 5;
      goto Stoj;
  end case;
  <<Stan_6>>
  if I > B'Last then
    S := 6;
    goto Stoj;
  end if;
  case B (I) is
    when 'h' =>
      I := I + 1;
      goto Stan_10;
    when others =>
      S := 6;
      goto Stoj;
  end case;
  <<Stan_8>>
  if I > B'Last then
    S := 8;
    goto Stoj;
  end if;
  case B (I) is
    when 's' =>
      I := I + 1;
      goto Stan_11;
    when others =>
      S := 8;
      goto Stoj;
  end case;
  <<Stan_10>>
  if I > B'Last then
    S := 10;
    goto Stoj;
  end if;
  case B (I) is
    when 'e' =>
      I := I + 1;
      goto Stan_12;
    when others =>
      S := 10;
      goto Stoj;
  end case;
  <<Stan_11>>
  if I > B'Last then
    S := 11;
    goto Stoj;
  end if;
  case B (I) is
    when 'e' =>
      Token_Aut.Kod := D_Skan.Inaczej;
      I := I + 1;
      goto Wydaj;
    when others =>
      S := 11;
      goto Stoj;
  end case;
  <<Stan_12>>
  if I > B'Last then
    S := 12;
    goto Stoj;
  end if;
  case B (I) is
    when 'n' =>
      Token_Aut.Kod := D_Skan.To;
      I := I + 1;
      goto Wydaj;
    when others =>
      S := 12;
      goto Stoj;
  end case;
  <<Wydaj>>
  Tekst_Od_We := Od;
  Poz_We := I;
  return True;
  <<Stoj>>
  S_We := S;
  Ile_We := I - Od;
  Kon_We := Kon;
  Akc_We := Akc;
  Poz_We := Od;
  return False;
  <<Wznow>>
  S := S_We;
  I := Od + Ile_We;
  Kon := Kon_We;
  Akc := Akc_We;
  case S is
    when 4 => goto Stan_4;
    when 5 => goto Stan_5;
    when 6 => goto Stan_6;
    when 8 => goto Stan_8;
    when 10 => goto Stan_10;
    when 11 => goto Stan_11;
    when 12 => goto Stan_12;
    when others => goto Stan_1;
  end case;
end Automat_We;
pragma Inline_Always (Automat_We);

-- Automat_We stanal: na koncu bufora dolewa i automat idzie dalej; bez
-- ruchu albo na koncu wejscia dopasowanie sie skonczylo: wydaje token
-- (True) albo pomija, co automat dopasowal, czy zglasza blad (False)
function Rozstrzygnij_We return Boolean is
  S : constant Stan_Aut := S_We;
  Akc : constant Stan_Aut := Akc_We;
  Od : Positive := Poz_We;
  I : Positive := Od + Ile_We;
  Kon : Integer := Kon_We;
  Dlugosc : Natural;
begin
  S_We := 1;
  if I > Dl_We then
    -- Dolej przesuwa tekst tak, ze token zaczyna sie od Poz_We
    if Zapewnij (Ile_We + 1) then
      S_We := S;
      Kon_We := Kon - (Od - Poz_We);
      return False;
    end if;
    Kon := Kon - (Od - Poz_We);
    Od := Poz_We;
    I := Od + Ile_We;
  end if;
  Tekst_Od_We := Od;
  if Akc = 0 and then Od > Dl_We then
    Token_Aut.Kod := D_Skan.Koniec;
    return True;
  end if;
  if (Akc = 0 or else (I > Kon + 1 and then not Poczatki_Aut (Bufor_We (Kon + 1))))
    and then I > Od and then Niedokonczone_Aut (S) /= Pusty
  then
    D_Pozycja.Niedokonczony := Token_Kod'Pos (Niedokonczone_Aut (S));
    Zajete_We := I - Od;
    Blad (Niedokonczony_We);
  elsif Akc = 0 then
    D_Pozycja.Znak := Bufor_We (Od);
    Zajete_We := Natural'Max (I - Od, 1);
    Blad (Zly_Znak_We);
  end if;
  Dlugosc := Kon - Od + 1;
  case Rodzaje_Aut (Akc) is
    when Token =>
      Token_Aut.Kod := Kody_Aut (Akc);
      Tekst_Od_We := Poz_We;
      Poz_We := Poz_We + Dlugosc;
      return True;
    when others =>
      Przesun (Dlugosc);
  end case;
  return False;
exception
  when Blad_Skanera =>
    D_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
    Przesun (Zajete_We);
    Zajete_We := 0;
    return False;
end Rozstrzygnij_We;

-- skanowanie od postoju automatu, az ktorys wyda token
procedure Dalej_We is
begin
  loop
    exit when Rozstrzygnij_We or else Automat_We (Po_Postoju => True);
  end loop;
end Dalej_We;
pragma No_Inline (Dalej_We);

procedure Skanuj_Biezacy is
begin
  if not Automat_We (Po_Postoju => False) then
    Dalej_We;
  end if;
end Skanuj_Biezacy;

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

end D_Skan;
