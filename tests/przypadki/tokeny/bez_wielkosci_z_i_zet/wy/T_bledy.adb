-- pakiet T_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with T_Pozycja; use T_Pozycja;

package body T_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'Koniec' (T.gpa:2:15)";
    when 101 => return "oczekiwano jednego z: 'Zero' 'Raz' (T.gpa:3:7)";
    when others => return "nieznany blad";
  end case;
end Opis;

function Miejsce return String is
  L : constant String := Integer'Image (Linia);
  K : constant String := Integer'Image (Kolumna);
begin
  return L (L'First + 1 .. L'Last) & ":" & K (K'First + 1 .. K'Last);
end Miejsce;

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
    when others => return "nieznany blad skanera";
  end case;
end Opis_Skanera;

function Komunikat_Parsera (Nr : Integer) return String is
  function Tresc return String is
  begin
    case Nr is
      when 100 => return "oczekiwano 'Koniec'";
      when 101 => return "oczekiwano jednego z: 'Zero' 'Raz'";
      when others => return "nieznany blad";
    end case;
  end Tresc;
begin
  return Miejsce & ": " & Tresc;
end Komunikat_Parsera;

function Komunikat_Skanera (Nr : Integer) return String is
begin
  return Miejsce & ": " & Opis_Skanera (Nr);
end Komunikat_Skanera;

end T_Bledy;
