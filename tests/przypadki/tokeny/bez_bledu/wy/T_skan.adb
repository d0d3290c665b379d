-- wygenerowano przez bryzas z pliku tokenow T.tok; kazde uruchomienie bryzas pisze go od nowa
-- pakiet T_Skan - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with T_Pozycja;

package body T_Skan is

-- automat tokenow: stan 0 to brak przejscia, 1 poczatek
type Stan is range 0 .. 4;
type Klasa is range 0 .. 2;
type Dzialanie is (Brak, Pomin, Token);

Klasy : constant array (Character) of Klasa := (
  0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 0, 0, 1, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
  2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0);
Przejscia : constant array (Stan range 1 .. 4, Klasa) of Stan := (
  1 => (0, 2, 3),
  2 => (0, 0, 0),
  3 => (0, 0, 4),
  4 => (0, 0, 4));
Dzialania : constant array (Stan) of Dzialanie := (
  Brak, Brak, Pomin, Token, Token);
Kody : constant array (Stan) of Token_Kod := (
  Pusty, Pusty, Pusty, A, A);
-- znaki pomijane przed automatem
Pomijane : constant array (Character) of Boolean := (Character'Val (9) | Character'Val (10) | Character'Val (13) | Character'Val (32) => True, others => False);

Rozmiar : constant := 4096;
Bufor : String (1 .. Rozmiar);
Dl : Natural := 0;
Start : Positive := 1;
Lin : Positive := 1;
Kol : Positive := 1;

-- przesuwa nieprzeczytana reszte na poczatek i dopisuje nastepna linie
-- (albo tyle, ile sie zmiesci), po jej koncu znak LF
procedure Dolej is
  Ostatni : Natural;
begin
  Bufor (1 .. Dl - Start + 1) := Bufor (Start .. Dl);
  Dl := Dl - Start + 1;
  Start := 1;
  if not End_Of_File then
    Get_Line (Bufor (Dl + 1 .. Rozmiar - 1), Ostatni);
    if Ostatni < Rozmiar - 1 then
      Ostatni := Ostatni + 1;
      Bufor (Ostatni) := ASCII.LF;
    end if;
    Dl := Ostatni;
  end if;
end Dolej;

-- czy w buforze jest jeszcze N znakow (dolewa, poki wejscie sie nie skonczy)
function Zapewnij (N : Positive) return Boolean is
begin
  while Dl - Start + 1 < N and then not End_Of_File loop
    Dolej;
  end loop;
  return Dl - Start + 1 >= N;
end Zapewnij;

-- zuzywa N znakow, liczac linie i kolumny
procedure Przesun (N : Natural) is
begin
  for I in Start .. Start + N - 1 loop
    if Bufor (I) = ASCII.LF then
      Lin := Lin + 1;
      Kol := 1;
    else
      Kol := Kol + 1;
    end if;
  end loop;
  Start := Start + N;
end Przesun;

-- 1: znak, od ktorego nie zaczyna sie zaden token; 2: token dluzszy niz Dl_Tok;
-- 3: komentarz bez konca
procedure Blad (Numer : Integer) is
begin
  Nr_Bledu_Skan := Numer;
  raise Blad_Skanera;
end Blad;

function Skanuj return Token_Typ is
  Wynik : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
  S : Stan;
  Ile : Natural;      -- znaki przeczytane przez automat
  Dlugosc : Natural;  -- najdluzsze dopasowanie
  Akc : Stan;         -- stan, w ktorym sie skonczylo
begin
  loop
    while (Start <= Dl or else Zapewnij (1)) and then Pomijane (Bufor (Start)) loop
      Przesun (1);
    end loop;
    T_Pozycja.Linia := Lin;
    T_Pozycja.Kolumna := Kol;
    if Start > Dl then
      Wynik.Kod := Koniec;
      return Wynik;
    end if;
    S := 1;
    Ile := 0;
    Dlugosc := 0;
    Akc := 0;
    while Start + Ile <= Dl or else Zapewnij (Ile + 1) loop
      S := Przejscia (S, Klasy (Bufor (Start + Ile)));
      exit when S = 0;
      Ile := Ile + 1;
      if Dzialania (S) /= Brak then
        Dlugosc := Ile;
        Akc := S;
      end if;
      exit when Ile > Dl_Tok;
    end loop;
    if Ile > Dl_Tok then
      Blad (2);
    elsif Dlugosc = 0 then
      T_Pozycja.Znak := Bufor (Start);
      Blad (1);
    end if;
    case Dzialania (Akc) is
      when Token =>
        Wynik.Kod := Kody (Akc);
        Wynik.Wart (1 .. Dlugosc) := Bufor (Start .. Start + Dlugosc - 1);
        Przesun (Dlugosc);
        return Wynik;
      when others =>
        Przesun (Dlugosc);
    end case;
  end loop;
end Skanuj;

end T_Skan;
