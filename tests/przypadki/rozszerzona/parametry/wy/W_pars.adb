-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy; use type W_Bledy.Licznik_Tokenow;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;
  subtype Liczba_Typ is Integer range 0 .. 1_000;
  Najwiecej : constant Liczba_Typ := Liczba_Typ'Last;

  -- zbior numer Nr tokenow: tych, ktore parser mogl wziac tam, gdzie wybral
  -- pusta droge, i tych, z ktorymi moze isc dalej po bledzie
  function Zbior (Nr : Positive) return Zbior_Tokenow;
  pragma Inline (Zbior);
  -- tokeny, ktorych parser oczekiwal przy bledzie numer Nr
  function Oczekiwane (Nr : Positive) return Zbior_Tokenow;

  -- tokeny, ktore mogly stanac tam, gdzie parser od ostatniego wzietego
  -- tokenu wybral pusta droge (nie wszedl w opcje, wyszedl z petli, wzial
  -- galaz, ktora moze zniknac): blad je wymienia
  Pominiete : Zbior_Tokenow := (others => False);

  -- drzewo wyprowadzenia: poziom produkcji, w ktorej parser stoi
  Glebokosc : Natural := 0;

  procedure Wiersz (Tekst : String) is
  begin
    W_Bledy.Wiersz_Drzewa (Glebokosc, Tekst);
  end Wiersz;

  function Nazwa_Tokenu (Kod : Token_Kod) return String is
    (case Kod is
      when Przecinek => "Przecinek",
      when Liczba => "Liczba",
      when Nazwa => "Nazwa",
      when Nawias => "Nawias",
      when Zamknij => "Zamknij",
      when Koniec => "Koniec",
      when Pusty => "Pusty");

  -- biezacy token w drzewie: rodzaj i tekst, jak stoi w wejsciu (token konca
  -- wejscia nie ma tekstu)
  function Opis_Tokenu return String is
    ("'" & Nazwa_Tokenu (Tok.Kod) & "'" & (if Tekst = "" then "" else " " & Tekst));

  -- wiersz biezacego tokenu, wzietego albo pominietego po bledzie; poza
  -- procedurami, ktore biora tokeny, zeby te zostaly krotkie bez drzewa
  procedure Wiersz_Tokenu (Pominiety : Boolean) is
  begin
    Wiersz ((if Pominiety then "pominiety " else "") & Opis_Tokenu);
  end Wiersz_Tokenu;
  pragma No_Inline (Wiersz_Tokenu);

  function Nazwa_Produkcji (Nr : Positive) return String is
    (case Nr is
      when 1 => "Lista",
      when 2 => "Element",
      when 3 => "Wartosc",
      when others => "");

  -- wejscie w produkcje numer Nr; produkcje nazywa ich numer, a nie tekst,
  -- zeby wywolanie bylo krotkie
  procedure Wejdz (Nr : Positive) is
  begin
    Wiersz ("""" & Nazwa_Produkcji (Nr) & """");
    Glebokosc := Glebokosc + 1;
  end Wejdz;
  pragma No_Inline (Wejdz);

  -- rozbior od symbolu poczatkowego po koniec wejscia; z Drzewo rowne False
  -- sprawdzenia drzewa znikaja z produkcji
  generic
    Drzewo : Boolean;
  procedure Rozbior (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                     Ile : out Natural);

  procedure Rozbior (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                     Ile : out Natural) is
    -- blad skladni numer Nr przy biezacym tokenie (parser oczekiwal tez tokenow
    -- Dodatkowo); potem parser pomija tokeny do pierwszego z tych, z ktorymi
    -- moze isc dalej
    procedure Blad (Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow;
                    Dodatkowo : Zbior_Tokenow := (others => False)) is
    begin
      Nr_Bledu_Pars := Nr;
      W_Bledy.Zglos_Parsera (Pominiete or Oczekiwane (Nr) or Dodatkowo);
      while not Z_Ktorymi_Dalej (Tok.Kod) loop
        if Drzewo then
          Wiersz_Tokenu (Pominiety => True);
        end if;
        Skanuj_Biezacy;
      end loop;
      Pominiete := (others => False);
    end Blad;

    -- po bledzie numer Nr tam, gdzie mial stac token rodzaju Kod: czy stoi
    -- on tam, gdzie parser poszedl dalej
    function Znaleziony (Kod : Token_Kod; Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow;
                         Dodatkowo : Zbior_Tokenow := (others => False)) return Boolean is
    begin
      Blad (Nr, Z_Ktorymi_Dalej, Dodatkowo);
      if Tok.Kod /= Kod and then Drzewo then
        Wiersz ("brak '" & Nazwa_Tokenu (Kod) & "'");
      end if;
      return Tok.Kod = Kod;
    end Znaleziony;

    -- nastepny token po tym, ktory parser wzial tak, jak chce gramatyka
    procedure Nastepny is
    begin
      if Drzewo then
        Wiersz_Tokenu (Pominiety => False);
      end if;
      Skanuj_Biezacy;
      Pominiete := (others => False);
      W_Bledy.Wziete_Wszystkie := W_Bledy.Wziete_Wszystkie + 1;
    end Nastepny;
    pragma Inline (Nastepny);

    procedure Lista (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                     Ile : out Natural; Stop, Oczekiwane_Potem : Zbior_Tokenow);
    procedure Element (Nazwy : in out Unbounded_String; Ile : in out Natural; Stop : Zbior_Tokenow);
    procedure Wartosc (L : out Liczba_Typ -- the value in brackets
                       ; Stop : Zbior_Tokenow);

    procedure Lista (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                     Ile : out Natural; Stop, Oczekiwane_Potem : Zbior_Tokenow) is
    begin
      if Drzewo then
        Wejdz (1);  -- Lista
      end if;
      Nazwy := Null_Unbounded_String; Ile := 0;
      Element (Nazwy, Ile, Stop or Zbior (1));
      while Tok.Kod in Przecinek | Liczba | Nazwa loop
        if Tok.Kod = Przecinek or else Znaleziony (Przecinek, 1, Stop or Zbior (2), Dodatkowo => Oczekiwane_Potem) then
          Nastepny;
        end if;
        if Tok.Kod not in Liczba | Nazwa then
          Blad (2, Stop or Zbior (2));
        end if;
        case Tok.Kod is
          when Nazwa =>
            Element (Nazwy, Ile, Stop or Zbior (2));
          when Liczba =>
            Put_Line (Tekst);
            Nastepny;
          when others =>
            null;
        end case;
      end loop;
      Pominiete := Pominiete or Zbior (1);
      if Drzewo then
        Glebokosc := Glebokosc - 1;
      end if;
    end Lista;
    pragma Inline (Lista);

    procedure Element (Nazwy : in out Unbounded_String; Ile : in out Natural; Stop : Zbior_Tokenow) is
      L : Liczba_Typ;
    begin
      if Drzewo then
        Wejdz (2);  -- Element
      end if;
      if Tok.Kod = Nazwa or else Znaleziony (Nazwa, 3, Stop or Zbior (5)) then
        Append (Nazwy, Tekst); Ile := Ile + 1;
        Nastepny;
      end if;
      if Tok.Kod = Nawias then
        Nastepny;
        Wartosc (L, Stop or Zbior (6));
        if Tok.Kod = Zamknij or else Znaleziony (Zamknij, 4, Stop or Zbior (6)) then
          Ile := Ile + L;
          Nastepny;
        end if;
      else
        Pominiete := Pominiete or Zbior (7);
      end if;
      if Drzewo then
        Glebokosc := Glebokosc - 1;
      end if;
    end Element;
    pragma Inline (Element);

    procedure Wartosc (L : out Liczba_Typ -- the value in brackets
                       ; Stop : Zbior_Tokenow) is
    begin
      if Drzewo then
        Wejdz (3);  -- Wartosc
      end if;
      if Tok.Kod = Liczba or else Znaleziony (Liczba, 5, Stop or Zbior (8)) then
        L := Liczba_Typ'Min (Najwiecej, Liczba_Typ'Value (Tekst));
        Nastepny;
      end if;
      if Drzewo then
        Glebokosc := Glebokosc - 1;
      end if;
    end Wartosc;
    pragma Inline (Wartosc);

  begin
    Lista (Nazwy, Ile, Zbior (9), Zbior (9));
    if Tok.Kod /= Koniec then
      Blad (6, Zbior (9));
    end if;
  end Rozbior;

  procedure Rozbior_Z_Drzewem is new Rozbior (Drzewo => True);
  procedure Rozbior_Bez_Drzewa is new Rozbior (Drzewo => False);

  procedure Parsuj (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                    Ile : out Natural) is
  begin
    Skanuj_Biezacy;
    if Drzewo then
      Rozbior_Z_Drzewem (Nazwy, Ile);
    else
      Rozbior_Bez_Drzewa (Nazwy, Ile);
    end if;
    if W_Bledy.Zgloszone > 0 then
      raise Blad_Parsera;
    end if;
  exception
    when Blad_Skanera =>
      W_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

  function Zbior (Nr : Positive) return Zbior_Tokenow is
    Zbiory : constant array (1 .. 9) of Zbior_Tokenow := (
      1 => (Przecinek => True, others => False),
      2 => (Przecinek | Liczba | Nazwa => True, others => False),
      3 => (Liczba | Nazwa => True, others => False),
      4 => (Nazwa => True, others => False),
      5 => (Nazwa | Nawias => True, others => False),
      6 => (Zamknij => True, others => False),
      7 => (Nawias => True, others => False),
      8 => (Liczba => True, others => False),
      9 => (Koniec => True, others => False));
  begin
    return Zbiory (Nr);
  end Zbior;

  function Oczekiwane (Nr : Positive) return Zbior_Tokenow is
    Zbiory_Bledow : constant array (1 .. 6) of Positive := (
      1 => 1, 2 => 3, 3 => 4, 4 => 6, 5 => 8, 6 => 9);
  begin
    return Zbior (Zbiory_Bledow (Nr));
  end Oczekiwane;

end W_Pars;
