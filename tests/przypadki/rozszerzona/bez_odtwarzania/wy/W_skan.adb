-- wygenerowano przez bryzas z pliku tokenow W.tok; kazde uruchomienie bryzas pisze go od nowa
-- pakiet W_Skan - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Text_IO.C_Streams;
with Ada.Unchecked_Deallocation;
with Interfaces.C_Streams;
with W_Pozycja;

package body W_Skan is

-- automat tokenow: stan 0 to brak przejscia, 1 poczatek
type Stan_Aut is range 0 .. 15;
type Rodzaj_Aut is (Brak, Pomin, Token);

-- znaki pomijane przed tokenem (bez konca linii)
Pomijane_Aut : constant array (Character) of Boolean := (Character'Val (9) | Character'Val (13) | ' ' => True, others => False);
-- klasy pierwszego znaku tokenu: 0 zaden, 1 pomijany koniec linii, dalej stany
type Klasa_Aut is range 0 .. 9;
Klasy_Aut : constant array (Character) of Klasa_Aut := (
  Character'Val (10) => 1,
  '(' => 2,
  ')' => 3,
  '+' => 4,
  '-' => 5,
  '0' .. '9' => 6,
  ';' => 7,
  'a' .. 'o' | 'q' .. 'z' => 8,
  'p' => 9,
  others => 0);
-- znaki, od ktorych zaczyna sie token, komentarz albo pominiecie
Poczatki_Aut : constant array (Character) of Boolean := (Character'Val (9) .. Character'Val (10) | Character'Val (13) | ' ' | '(' .. ')' | '+' | '-' | '0' .. '9' | ';' | 'a' .. 'z' => True, others => False);
Rodzaje_Aut : constant array (Stan_Aut) of Rodzaj_Aut := (
  Brak, Brak, Pomin, Token, Token, Token, Token, Token, Token, Token, Token, Token, Token, Token, Token, Token);
Kody_Aut : constant array (Stan_Aut) of Token_Kod := (
  Pusty, Pusty, Pusty, Nawias, Zamknij, Plus, Minus, Liczba, Srednik, Nazwa, Nazwa, Liczba, Nazwa, Nazwa, Nazwa, Pisz);
-- token zaczety, a nieskonczony, gdy automat stanal w stanie
Niedokonczone_Aut : constant array (Stan_Aut) of Token_Kod := (
  Pusty, Pisz, Pusty, Nawias, Zamknij, Plus, Minus, Liczba, Srednik, Nazwa, Pisz, Liczba, Nazwa, Pisz, Pisz, Pisz);

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
Dl_We : Natural := 0;
Poz_We : Positive := 1;
Linia_We : Positive := 1;
Pocz_Linii_We : Integer := 1;
Koniec_We : Boolean := False;
Ostatni_We : Character := ASCII.LF;  -- ostatni przeczytany znak

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
    end;
  else
    Bufor_We (1 .. Bylo) := Bufor_We (Poz_We .. Dl_We);
  end if;
  Dl_We := Bylo;
  Pocz_Linii_We := Pocz_Linii_We - Poz_We + 1;
  Poz_We := 1;
  if C_We.is_regular_file (C_We.fileno (Plik)) /= 0 then
    Dl_We := Dl_We + Natural (C_We.fread (Bufor_We (Dl_We + 1)'Address, 1,
                                          C_We.size_t (Bufor_We'Length - Dl_We), Plik));
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

-- caly tekst ostatniego tokenu stoi w buforze od Tekst_Od_We do nastepnego Skanuj
Tekst_Od_We : Positive := 1;
Dl_Tekstu_We : Natural := 0;

function Tekst return String is (Bufor_We (Tekst_Od_We .. Tekst_Od_We + Dl_Tekstu_We - 1));

-- token rodzaju Kod od znaku Od do przed Za: tu, gdzie automat go skonczyl
procedure Wydaj_We (Kod : Token_Kod; Od, Za : Positive) is
begin
  W_Pozycja.Linia := Linia_We;
  W_Pozycja.Kolumna := Od - Pocz_Linii_We + 1;
  Token_Aut.Kod := Kod;
  Tekst_Od_We := Od;
  Dl_Tekstu_We := Za - Od;
  Poz_We := Za;
end Wydaj_We;
pragma Inline (Wydaj_We);

procedure Skanuj_Biezacy is
  S : Stan_Aut;       -- stan, w ktorym automat stanal
  Od : Positive;      -- pierwszy znak tokenu
  I : Positive;       -- nastepny znak
  Kon : Integer;      -- ostatni znak najdluzszego dopasowania
  Akc : Stan_Aut;     -- stan, w ktorym sie skonczylo; 0, gdy go nie ma
  Ile : Natural;      -- znaki przeczytane przez automat od Od
  Dlugosc : Natural;  -- dlugosc dopasowania
  Jest : Boolean;     -- czy wejscie dalo jeszcze znaki
begin
  loop
    S := 1;
    Od := Poz_We;
    I := Od;
    Kon := 0;
    Akc := 0;
    Automat :
    loop
      declare
        B : String renames Bufor_We (1 .. Dl_We);
      begin
        -- po dolaniu automat idzie dalej ze stanu, w ktorym stanal
        if S /= 1 then
          case S is
            when 7 => goto Stan_7;
            when 9 => goto Stan_9;
            when 10 => goto Stan_10;
            when 13 => goto Stan_13;
            when 14 => goto Stan_14;
            when 15 => goto Stan_15;
            when others => null;
          end case;
        end if;
        <<Stan_1>>
        for J in I .. B'Last loop
          if not Pomijane_Aut (B (J)) then
            I := J;
            goto Stan_1_Token;
          end if;
        end loop;
        I := B'Last + 1;
        <<Stan_1_Token>>
        Od := I;
        if I > B'Last then
          S := 1;
          goto Koniec_Bufora;
        end if;
        case Klasy_Aut (B (I)) is
          when 0 =>
            exit Automat;
          when 1 =>
            I := I + 1;
            Od := I;
            Linia_We := Linia_We + 1;
            Pocz_Linii_We := I;
            goto Stan_1;
          when 2 =>
            Wydaj_We (W_Skan.Nawias, Od, I + 1);
            return;
          when 3 =>
            Wydaj_We (W_Skan.Zamknij, Od, I + 1);
            return;
          when 4 =>
            Wydaj_We (W_Skan.Plus, Od, I + 1);
            return;
          when 5 =>
            Wydaj_We (W_Skan.Minus, Od, I + 1);
            return;
          when 6 =>
            Kon := I;
            Akc := 7;
            I := I + 1;
            goto Stan_7;
          when 7 =>
            Wydaj_We (W_Skan.Srednik, Od, I + 1);
            return;
          when 8 =>
            Kon := I;
            Akc := 9;
            I := I + 1;
            goto Stan_9;
          when 9 =>
            Kon := I;
            Akc := 10;
            I := I + 1;
            goto Stan_10;
        end case;
        <<Stan_7>>
        for J in I .. B'Last loop
          if B (J) not in '0' .. '9' then
            I := J;
            goto Stan_7_Dalej;
          end if;
        end loop;
        I := B'Last + 1;
        <<Stan_7_Dalej>>
        Kon := I - 1;
        if I > B'Last then
          S := 7;
          goto Koniec_Bufora;
        end if;
        case B (I) is
          when others =>
            Wydaj_We (W_Skan.Liczba, Od, I);
            return;
        end case;
        <<Stan_9>>
        for J in I .. B'Last loop
          if B (J) not in 'a' .. 'z' then
            I := J;
            goto Stan_9_Dalej;
          end if;
        end loop;
        I := B'Last + 1;
        <<Stan_9_Dalej>>
        Kon := I - 1;
        if I > B'Last then
          S := 9;
          goto Koniec_Bufora;
        end if;
        case B (I) is
          when others =>
            Wydaj_We (W_Skan.Nazwa, Od, I);
            return;
        end case;
        <<Stan_10>>
        if I > B'Last then
          S := 10;
          goto Koniec_Bufora;
        end if;
        case B (I) is
          when 'a' .. 'h' | 'j' .. 'z' =>
            Kon := I;
            Akc := 9;
            I := I + 1;
            goto Stan_9;
          when 'i' =>
            Kon := I;
            Akc := 13;
            I := I + 1;
            goto Stan_13;
          when others =>
            Wydaj_We (W_Skan.Nazwa, Od, I);
            return;
        end case;
        <<Stan_13>>
        if I > B'Last then
          S := 13;
          goto Koniec_Bufora;
        end if;
        case B (I) is
          when 'a' .. 'r' | 't' .. 'z' =>
            Kon := I;
            Akc := 9;
            I := I + 1;
            goto Stan_9;
          when 's' =>
            Kon := I;
            Akc := 14;
            I := I + 1;
            goto Stan_14;
          when others =>
            Wydaj_We (W_Skan.Nazwa, Od, I);
            return;
        end case;
        <<Stan_14>>
        if I > B'Last then
          S := 14;
          goto Koniec_Bufora;
        end if;
        case B (I) is
          when 'a' .. 'y' =>
            Kon := I;
            Akc := 9;
            I := I + 1;
            goto Stan_9;
          when 'z' =>
            Kon := I;
            Akc := 15;
            I := I + 1;
            goto Stan_15;
          when others =>
            Wydaj_We (W_Skan.Nazwa, Od, I);
            return;
        end case;
        <<Stan_15>>
        if I > B'Last then
          S := 15;
          goto Koniec_Bufora;
        end if;
        case B (I) is
          when 'a' .. 'z' =>
            Kon := I;
            Akc := 9;
            I := I + 1;
            goto Stan_9;
          when others =>
            Wydaj_We (W_Skan.Pisz, Od, I);
            return;
        end case;
        <<Koniec_Bufora>>
        Ile := I - Od;
      end;
      -- Dolej przesuwa tekst tak, ze token zaczyna sie od Poz_We
      Poz_We := Od;
      Jest := Zapewnij (Ile + 1);
      Kon := Kon - (Od - Poz_We);
      Od := Poz_We;
      I := Od + Ile;
      exit Automat when not Jest;
    end loop Automat;
    Poz_We := Od;
    W_Pozycja.Linia := Linia_We;
    W_Pozycja.Kolumna := Od - Pocz_Linii_We + 1;
    if Akc = 0 and then Od > Dl_We then
      Dl_Tekstu_We := 0;
      Token_Aut.Kod := W_Skan.Koniec;
      return;
    end if;
    if (Akc = 0 or else (I > Kon + 1 and then not Poczatki_Aut (Bufor_We (Kon + 1))))
      and then I > Od and then Niedokonczone_Aut (S) /= Pusty
    then
      W_Pozycja.Niedokonczony := Token_Kod'Pos (Niedokonczone_Aut (S));
      Blad (Niedokonczony_We);
    elsif Akc = 0 then
      W_Pozycja.Znak := Bufor_We (Od);
      Blad (Zly_Znak_We);
    end if;
    Dlugosc := Kon - Od + 1;
    case Rodzaje_Aut (Akc) is
      when Token =>
        Token_Aut.Kod := Kody_Aut (Akc);
        Tekst_Od_We := Poz_We;
        Dl_Tekstu_We := Dlugosc;
        Poz_We := Poz_We + Dl_Tekstu_We;
        return;
      when others =>
        Przesun (Dlugosc);
    end case;
  end loop;
end Skanuj_Biezacy;

function Skanuj return Token_Typ is
  Wynik : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
  Dl : Natural;
begin
  Skanuj_Biezacy;
  Wynik.Kod := Biezacy.Kod;
  Dl := Natural'Min (Dl_Tekstu_We, Dl_Tok);
  Wynik.Wart (1 .. Dl) := Bufor_We (Tekst_Od_We .. Tekst_Od_We + Dl - 1);
  return Wynik;
end Skanuj;

end W_Skan;
