-- pakiet Kon_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body Kon_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'Plus' (Kon.gpa:2:20)";
    when 101 => return "oczekiwano 'Liczba' (Kon.gpa:4:20)";
    when 102 => return "oczekiwano 'PNawias' (Kon.gpa:5:56)";
    when 103 => return "oczekiwano jednego z: 'Liczba' 'Id' 'LNawias' (Kon.gpa:5:13)";
    when 104 => return "oczekiwano 'Srednik' (Kon.gpa:6:27)";
    when 105 => return "oczekiwano 'X' (Kon.gpa:7:19)";
    when 106 => return "oczekiwano jednego z: 'Liczba' 'Y' (Kon.gpa:7:4)";
    when others => return "nieznany blad";
  end case;
end Opis;

end Kon_Bledy;
