-- pakiet D_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;
with Ada.Text_IO; use Ada.Text_IO;
with D_Pars;

package body D_Bledy is

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

  function Miejsce return Miejsce_We is ((0, 0));

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

  function Pisownia (Kod : D_Skan.Token_Kod) return String is
    (case Kod is
      when D_Skan.Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X => "'Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X'",
      when D_Skan.Pusty => "konca wejscia");

  Kolejnosc : constant array (Positive range 1 .. 2) of D_Skan.Token_Kod := (
    D_Skan.Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X, D_Skan.Pusty);

  function Lista (Oczekiwane : D_Skan.Zbior_Tokenow) return String is
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

  function Opis (Nr : Integer) return String is
  begin
    case Nr is
      when 1 => return "oczekiwano 'Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X'";
      when others => return "nieznany blad";
    end case;
  end Opis;

  -- czy zglosic nowy blad: nie wtedy, gdy parser nie wzial dwoch tokenow od
  -- poprzedniego; przy sto pierwszym parsowanie sie konczy
  function Do_Zgloszenia return Boolean is
  begin
    if Wziete < 2 then
      return False;
    elsif Zgloszone >= 100 then
      Zglos ("za duzo bledow (100)");
      raise D_Pars.Blad_Parsera;
    end if;
    Zgloszone := Zgloszone + 1;
    Wziete_Przy_Bledzie := Wziete_Wszystkie;
    return True;
  end Do_Zgloszenia;

  procedure Zglos_Parsera (Oczekiwane : D_Skan.Zbior_Tokenow) is
    T : constant String := D_Skan.Tekst;
    Pokaz : constant Natural := Natural'Min (T'Length, 40);
  begin
    if not Do_Zgloszenia then
      return;
    end if;
    if T'Length = 0 then
      Zglos (Lista (Oczekiwane) & "; jest koniec wejscia");
    elsif Pokaz < T'Length then
      Zglos (Lista (Oczekiwane) & "; jest """ & T (T'First .. T'First + Pokaz - 1) & "...""");
    else
      Zglos (Lista (Oczekiwane) & "; jest """ & T & """");
    end if;
  end Zglos_Parsera;

  procedure Zglos_Skanera (Nr : Integer) is
  begin
    if not Do_Zgloszenia then
      return;
    end if;
    Zglos ("blad skanera" & Integer'Image (Nr));
  end Zglos_Skanera;

  procedure Zglos_Glebokosci is
  begin
    Zglos ("zagniezdzenie glebsze, niz pozwala stos");
  end Zglos_Glebokosci;

  procedure Wiersz_Drzewa (Poziom : Natural; Tekst : String) is
  begin
    Put_Line (String'(1 .. 2 * Poziom => ' ') & Tekst);
  end Wiersz_Drzewa;

end D_Bledy;
