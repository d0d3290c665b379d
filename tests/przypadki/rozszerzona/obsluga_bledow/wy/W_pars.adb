-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;

  -- zbior numer Nr tokenow: tych, ktore parser mogl wziac tam, gdzie wybral
  -- pusta droge, i tych, z ktorymi moze isc dalej po bledzie
  function Zbior (Nr : Positive) return Zbior_Tokenow;
  pragma Inline (Zbior);

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
      when Przecinek => "Przecinek",
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

    procedure Lista;

    procedure Lista is
    begin
      if Drzewo then
        Wejdz (1);  -- Lista
      end if;
      Sprawdz (Nazwa, 1);
      Nastepny;
      while Tok.Kod = Przecinek loop
        Nastepny;
        Sprawdz (Nazwa, 2);
        Nastepny;
      end loop;
      Pominiete := Pominiete or Zbior (2);
      Sprawdz (Koniec, 3);
      Nastepny;
      if Drzewo then
        Glebokosc := Glebokosc - 1;
      end if;
    end Lista;
    pragma Inline (Lista);

  begin
    Lista;
    Sprawdz (Koniec, 4);
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
  exception
    when Blad_Skanera =>
      Put_Line ("skaner:" & Integer'Image (Nr_Bledu_Skan));
      raise;
    when Blad_Parsera =>
      Put_Line ("parser:" & Integer'Image (Nr_Bledu_Pars));
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

  function Zbior (Nr : Positive) return Zbior_Tokenow is
    Zbiory : constant array (1 .. 3) of Zbior_Tokenow := (
      1 => (Nazwa => True, others => False),
      2 => (Przecinek => True, others => False),
      3 => (Koniec => True, others => False));
  begin
    return Zbiory (Nr);
  end Zbior;

end W_Pars;
