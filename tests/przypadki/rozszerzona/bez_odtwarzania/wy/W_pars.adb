-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;
  Ile : Natural := 0;

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
      when Nazwa => "Nazwa",
      when Plus => "Plus",
      when Minus => "Minus",
      when Liczba => "Liczba",
      when Nawias => "Nawias",
      when Zamknij => "Zamknij",
      when Srednik => "Srednik",
      when Pisz => "Pisz",
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
      when 1 => "Program",
      when 2 => "Instrukcja",
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
  procedure Rozbior;

  procedure Rozbior is
    -- blad skladni numer Nr przy biezacym tokenie
    procedure Blad (Nr : Positive) is
    begin
      Nr_Bledu_Pars := Nr;
      W_Bledy.Zglos_Parsera (Pominiete or Oczekiwane (Nr));
      raise Blad_Parsera;
    end Blad;

    -- biezacy token musi byc rodzaju Kod, inaczej blad numer Nr
    procedure Sprawdz (Kod : Token_Kod; Nr : Positive) is
    begin
      if Tok.Kod /= Kod then
        Blad (Nr);
      end if;
    end Sprawdz;

    -- nastepny token po tym, ktory parser wzial tak, jak chce gramatyka
    procedure Nastepny is
    begin
      if Drzewo then
        Wiersz_Tokenu (Pominiety => False);
      end if;
      Skanuj_Biezacy;
      Pominiete := (others => False);
    end Nastepny;
    pragma Inline (Nastepny);

    procedure Program;
    procedure Instrukcja;

    procedure Program is
    begin
      if Drzewo then
        Wejdz (1);  -- Program
      end if;
      while Tok.Kod in Nazwa | Pisz loop
        Instrukcja;
        Ile := Ile + 1;
      end loop;
      Pominiete := Pominiete or Zbior (1);
      if Drzewo then
        Glebokosc := Glebokosc - 1;
      end if;
    end Program;
    pragma Inline (Program);

    procedure Instrukcja is
    begin
      if Drzewo then
        Wejdz (2);  -- Instrukcja
      end if;
      case Tok.Kod is
        when Nazwa =>
          Nastepny;
          case Tok.Kod is
            when Plus | Minus =>
              case Tok.Kod is
                when Plus =>
                  Nastepny;
                when Minus =>
                  Nastepny;
                when others =>
                  Blad (2);
              end case;
              Sprawdz (Liczba, 3);
              Nastepny;
            when Nawias =>
              Nastepny;
              Program;
              Sprawdz (Zamknij, 4);
              Nastepny;
            when others =>
              Pominiete := Pominiete or Zbior (5);
          end case;
          Sprawdz (Srednik, 5);
          Nastepny;
        when Pisz =>
          Nastepny;
          while Tok.Kod in Nazwa | Liczba loop
            case Tok.Kod is
              when Liczba =>
                Nastepny;
              when Nazwa =>
                Nastepny;
              when others =>
                null;
            end case;
          end loop;
          Pominiete := Pominiete or Zbior (7);
          null;
          Sprawdz (Srednik, 6);
          Nastepny;
        when others =>
          Blad (1);
      end case;
      if Drzewo then
        Glebokosc := Glebokosc - 1;
      end if;
    end Instrukcja;
    pragma Inline (Instrukcja);

  begin
    Program;
    Sprawdz (Koniec, 7);
  end Rozbior;

  procedure Rozbior_Z_Drzewem is new Rozbior (Drzewo => True);
  procedure Rozbior_Bez_Drzewa is new Rozbior (Drzewo => False);

  procedure Parsuj is
  begin
    Skanuj_Biezacy;
    if Drzewo then
      Rozbior_Z_Drzewem;
    else
      Rozbior_Bez_Drzewa;
    end if;
    if W_Bledy.Zgloszone > 0 then
      raise Blad_Parsera;
    end if;
    Put_Line ("instrukcji:" & Natural'Image (Ile));
  exception
    when Blad_Skanera =>
      W_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

  function Zbior (Nr : Positive) return Zbior_Tokenow is
    Zbiory : constant array (1 .. 8) of Zbior_Tokenow := (
      1 => (Nazwa | Pisz => True, others => False),
      2 => (Plus | Minus => True, others => False),
      3 => (Liczba => True, others => False),
      4 => (Zamknij => True, others => False),
      5 => (Plus | Minus | Nawias => True, others => False),
      6 => (Srednik => True, others => False),
      7 => (Nazwa | Liczba => True, others => False),
      8 => (Koniec => True, others => False));
  begin
    return Zbiory (Nr);
  end Zbior;

  function Oczekiwane (Nr : Positive) return Zbior_Tokenow is
    Zbiory_Bledow : constant array (1 .. 7) of Positive := (
      1 => 1, 2 => 2, 3 => 3, 4 => 4, 5 => 6, 6 => 6, 7 => 8);
  begin
    return Zbior (Zbiory_Bledow (Nr));
  end Oczekiwane;

end W_Pars;
