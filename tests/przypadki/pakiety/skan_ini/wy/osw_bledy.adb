-- pakiet osw_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body osw_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'LEWYNAWIASKW' (osw.gpa:2:12)";
    when 101 => return "oczekiwano 'NAZWA' (osw.gpa:2:27)";
    when 102 => return "oczekiwano 'PRAWYNAWIASKW' (osw.gpa:2:35)";
    when 103 => return "oczekiwano 'NAZWA' (osw.gpa:3:13)";
    when 104 => return "oczekiwano 'ROWNE' (osw.gpa:3:21)";
    when 105 => return "oczekiwano jednego z: 'NAPIS' 'LICZBA' 'NAZWA' (osw.gpa:4:13)";
    when others => return "nieznany blad";
  end case;
end Opis;

end osw_Bledy;
