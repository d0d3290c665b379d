-- wygenerowano przez bryzas z pliku tokenow T.tok; kazde uruchomienie bryzas pisze go od nowa
-- pakiet T_Skan - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with T_Pozycja;

package body T_Skan is

-- automat tokenow: stan 0 to brak przejscia, 1 poczatek
type Stan_Aut is range 0 .. 23;
type Klasa_Aut is range 0 .. 17;
type Rodzaj_Aut is (Brak, Pomin, Komentarz_Liniowy, Komentarz, Token);

Klasy_Aut : constant array (Character) of Klasa_Aut := (
  0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 2, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  3, 0, 4, 0, 0, 0, 0, 0, 5, 0, 6, 0, 0, 7, 0, 8,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 9, 9, 10, 9, 11, 9, 9, 9, 12, 9, 13, 9, 9, 14, 15,
  9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 16, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
  17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17,
  17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17,
  17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17,
  17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17, 17);
Przejscia_Aut : constant array (Stan_Aut range 1 .. 23, Klasa_Aut) of Stan_Aut := (
  1 => (0, 2, 3, 2, 0, 4, 0, 5, 6, 7, 7, 7, 7, 8, 7, 7,
    9, 10),
  2 => (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  3 => (0, 0, 11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  4 => (0, 0, 0, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  5 => (0, 0, 0, 0, 0, 0, 0, 13, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  6 => (0, 0, 0, 0, 14, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  7 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 16,
    0, 17),
  8 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 18,
    0, 17),
  9 => (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  10 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 16,
    0, 17),
  11 => (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  12 => (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  13 => (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  14 => (0, 19, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  15 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 16,
    0, 17),
  16 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 16,
    0, 17),
  17 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 16,
    0, 17),
  18 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 20, 16,
    0, 17),
  19 => (0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    0, 0),
  20 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 21, 16, 16, 16,
    0, 17),
  21 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 22, 16, 16, 16, 16,
    0, 17),
  22 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 23, 16, 16, 16, 16, 16,
    0, 17),
  23 => (0, 0, 0, 0, 15, 0, 0, 0, 0, 16, 16, 16, 16, 16, 16, 16,
    0, 17));
Rodzaje_Aut : constant array (Stan_Aut) of Rodzaj_Aut := (
  Brak, Brak, Pomin, Pomin, Brak, Brak, Brak, Token, Token, Komentarz, Token, Token, Komentarz, Komentarz_Liniowy, Brak, Token,
  Token, Token, Token, Komentarz, Token, Token, Token, Token);
Kody_Aut : constant array (Stan_Aut) of Token_Kod := (
  Pusty, Pusty, Pusty, Pusty, Pusty, Pusty, Pusty, A, A, Pusty, A, A, Pusty, Pusty, Pusty, A,
  A, A, A, Pusty, A, A, A, A);
-- numer komentarza, ktorego poczatek konczy sie w stanie
Komentarze_Aut : constant array (Stan_Aut) of Natural := (
  0, 0, 0, 0, 0, 0, 0, 0, 0, 3, 0, 0, 2, 0, 0, 0,
  0, 0, 0, 4, 0, 0, 0, 0);
-- znaki pomijane przed automatem
Pomijane_Aut : constant array (Character) of Boolean := (Character'Val (9) | Character'Val (32) => True, others => False);

Rozmiar_We : constant := 4096;
Bufor_We : String (1 .. Rozmiar_We);
Dl_We : Natural := 0;
Poz_We : Positive := 1;
Linia_We : Positive := 1;
Pocz_Linii_We : Integer := 1;
Koniec_We : Boolean := False;

-- przesuwa nieuzyta reszte na poczatek bufora i dopisuje nastepna linie
-- (albo tyle, ile sie zmiesci), a po jej koncu znak LF; End_Error, nie
-- End_Of_File, konczy wejscie, tak ze ostatnia pusta linia tez sie liczy
procedure Dolej is
  Ostatni : Natural;
begin
  Bufor_We (1 .. Dl_We - Poz_We + 1) := Bufor_We (Poz_We .. Dl_We);
  Dl_We := Dl_We - Poz_We + 1;
  Pocz_Linii_We := Pocz_Linii_We - Poz_We + 1;
  Poz_We := 1;
  Get_Line (Bufor_We (Dl_We + 1 .. Rozmiar_We - 1), Ostatni);
  if Ostatni < Rozmiar_We - 1 then
    Ostatni := Ostatni + 1;
    Bufor_We (Ostatni) := ASCII.LF;
  end if;
  Dl_We := Ostatni;
exception
  when End_Error => Koniec_We := True;
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

-- 1: znak, od ktorego nie zaczyna sie zaden token; 2: token dluzszy niz Dl_Tok;
-- 3: komentarz bez konca
procedure Blad (Numer : Integer) is
begin
  Nr_Bledu_Skan := Numer;
  raise Blad_Skanera;
end Blad;

procedure Do_Konca_Linii is
begin
  loop
    while Poz_We <= Dl_We and then Bufor_We (Poz_We) /= ASCII.LF loop
      Poz_We := Poz_We + 1;
    end loop;
    exit when Poz_We <= Dl_We or else not Zapewnij (1);
  end loop;
end Do_Konca_Linii;

procedure Komentarz (Otwarcie, Zamkniecie : String; Zagniezdzony : Boolean) is
  Glebokosc : Natural := 1;
  function Jest (S : String) return Boolean is
    (Zapewnij (S'Length) and then Bufor_We (Poz_We .. Poz_We + S'Length - 1) = S);
begin
  loop
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
      Blad (3);
    end if;
  end loop;
end Komentarz;

procedure Pomin_Komentarz (Nr : Natural) is
begin
  case Nr is
    when 2 => Komentarz ("(*", "*)", False);
    when 3 => Komentarz ("{", "}", True);
    when others => Komentarz ("/""" & Character'Val (9), Character'Val (9) & "/", False);
  end case;
end Pomin_Komentarz;

-- ostatni token: nastepny czysci tylko te znaki, ktore ten zajal
Token_Aut : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
Dl_Token_Aut : Natural := 0;

function Skanuj return Token_Typ is
  S : Stan_Aut;
  Ile : Natural;      -- znaki przeczytane przez automat
  Dlugosc : Natural;  -- najdluzsze dopasowanie
  Akc : Stan_Aut;     -- stan, w ktorym sie skonczylo
begin
  loop
    while (Poz_We <= Dl_We or else Zapewnij (1)) and then Pomijane_Aut (Bufor_We (Poz_We)) loop
      if Bufor_We (Poz_We) = ASCII.LF then
        Linia_We := Linia_We + 1;
        Pocz_Linii_We := Poz_We + 1;
      end if;
      Poz_We := Poz_We + 1;
    end loop;
    T_Pozycja.Linia := Linia_We;
    T_Pozycja.Kolumna := Poz_We - Pocz_Linii_We + 1;
    if Poz_We > Dl_We then
      Token_Aut.Wart (1 .. Dl_Token_Aut) := (others => ' ');
      Dl_Token_Aut := 0;
      Token_Aut.Kod := Pusty;
      return Token_Aut;
    end if;
    S := 1;
    Ile := 0;
    Dlugosc := 0;
    Akc := 0;
    while Poz_We + Ile <= Dl_We or else Zapewnij (Ile + 1) loop
      S := Przejscia_Aut (S, Klasy_Aut (Bufor_We (Poz_We + Ile)));
      exit when S = 0;
      Ile := Ile + 1;
      if Rodzaje_Aut (S) /= Brak then
        Dlugosc := Ile;
        Akc := S;
      end if;
      exit when Ile > Dl_Tok;
    end loop;
    if Ile > Dl_Tok then
      Blad (2);
    elsif Dlugosc = 0 then
      T_Pozycja.Znak := Bufor_We (Poz_We);
      Blad (1);
    end if;
    case Rodzaje_Aut (Akc) is
      when Token =>
        Token_Aut.Kod := Kody_Aut (Akc);
        -- znak po znaku: krotki tekst kopiuje sie tak szybciej niz wycinkiem
        for I in 1 .. Dlugosc loop
          Token_Aut.Wart (I) := Bufor_We (Poz_We + I - 1);
        end loop;
        for I in Dlugosc + 1 .. Dl_Token_Aut loop
          Token_Aut.Wart (I) := ' ';
        end loop;
        Dl_Token_Aut := Dlugosc;
        Przesun (Dlugosc);
        return Token_Aut;
      when Komentarz_Liniowy =>
        Przesun (Dlugosc);
        Do_Konca_Linii;
      when Komentarz =>
        Przesun (Dlugosc);
        Pomin_Komentarz (Komentarze_Aut (Akc));
      when others =>
        Przesun (Dlugosc);
    end case;
  end loop;
end Skanuj;

end T_Skan;
