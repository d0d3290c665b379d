-- pakiet D_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;
with Ada.Text_IO; use Ada.Text_IO;
with D_Skan;
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

  procedure Zglos (Tekst : String) renames Zglos_Pliku;

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
    elsif Zgloszone = 100 then
      Zglos ("za duzo bledow (100)");
      raise D_Pars.Blad_Parsera;
    end if;
    Zgloszone := Zgloszone + 1;
    Wziete := 0;
    return True;
  end Do_Zgloszenia;

  procedure Zglos_Parsera (Nr : Integer) is
    T : constant String := D_Skan.Tekst;
    Pokaz : constant Natural := Natural'Min (T'Length, 40);
  begin
    if not Do_Zgloszenia then
      return;
    end if;
    if T'Length = 0 then
      Zglos (Opis (Nr) & "; jest koniec wejscia");
    elsif Pokaz < T'Length then
      Zglos (Opis (Nr) & "; jest """ & T (T'First .. T'First + Pokaz - 1) & "...""");
    else
      Zglos (Opis (Nr) & "; jest """ & T & """");
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

end D_Bledy;
