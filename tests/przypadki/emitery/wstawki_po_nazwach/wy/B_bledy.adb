-- pakiet B_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body B_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'a' (B.gpa:1:7)";
    when 101 => return "oczekiwano 'b' (B.gpa:1:20)";
    when 102 => return "oczekiwano 'c' (B.gpa:1:40)";
    when 103 => return "oczekiwano 'd' (B.gpa:1:64)";
    when 104 => return "oczekiwano 'e' (B.gpa:2:7)";
    when 105 => return "oczekiwano 'f' (B.gpa:2:20)";
    when 106 => return "oczekiwano 'g' (B.gpa:2:36)";
    when 107 => return "oczekiwano 'h' (B.gpa:4:9)";
    when 108 => return "oczekiwano 'i' (B.gpa:5:6)";
    when 109 => return "oczekiwano 'j' (B.gpa:6:3)";
    when others => return "nieznany blad";
  end case;
end Opis;

end B_Bledy;
