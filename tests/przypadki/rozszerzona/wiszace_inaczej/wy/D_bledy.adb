-- pakiet D_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;
with Ada.Text_IO; use Ada.Text_IO;
with D_Pars;
with D_Pozycja; use D_Pozycja;

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

  function Miejsce return Miejsce_We is ((D_Pozycja.Linia, D_Pozycja.Kolumna));

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
      when D_Skan.Jesli => """if""",
      when D_Skan.Warunek => """c""",
      when D_Skan.To => """then""",
      when D_Skan.Inaczej => """else""",
      when D_Skan.X => """x""",
      when D_Skan.Koniec => "konca wejscia",
      when D_Skan.Pusty => "konca wejscia");

  Kolejnosc : constant array (Positive range 1 .. 7) of D_Skan.Token_Kod := (
    D_Skan.Jesli, D_Skan.To, D_Skan.Inaczej, D_Skan.Warunek, D_Skan.X, D_Skan.Koniec,
    D_Skan.Pusty);

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

  function Opis_Skanera (Nr : Integer) return String is
    Kod : constant String := Integer'Image (Character'Pos (Znak));
  begin
    case Nr is
      when 1 =>
        if Znak in ' ' .. '~' then
          return "nieoczekiwany znak '" & Znak & "'";
        end if;
        return "nieoczekiwany znak #" & Kod (Kod'First + 1 .. Kod'Last);
      when 2 => return "token dluzszy niz 100 znakow";
      when 3 => return "komentarz bez konca";
      when 4 =>
        return "niedokonczony " & Pisownia (D_Skan.Token_Kod'Val (Niedokonczony));
      when others => return "nieznany blad skanera";
    end case;
  end Opis_Skanera;

  function Opis (Nr : Integer) return String is
  begin
    case Nr is
      when 1 => return "oczekiwano ""if"" albo ""x""";
      when 2 => return "oczekiwano ""c""";
      when 3 => return "oczekiwano ""then""";
      when 4 => return "oczekiwano konca wejscia";
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
    Zglos (Opis_Skanera (Nr));
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
