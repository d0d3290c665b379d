-- pakiet Demo1_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body Demo1_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'a1' (Demo1.gpa:1:7)";
    when 101 => return "oczekiwano 'b2' (Demo1.gpa:1:12)";
    when 102 => return "oczekiwano 'c3' (Demo1.gpa:1:17)";
    when 103 => return "oczekiwano 'd4' (Demo1.gpa:1:22)";
    when 104 => return "oczekiwano 'e5' (Demo1.gpa:1:27)";
    when 105 => return "oczekiwano 'f6' (Demo1.gpa:1:32)";
    when 106 => return "oczekiwano 'g7' (Demo1.gpa:1:37)";
    when 107 => return "oczekiwano 'h8' (Demo1.gpa:1:42)";
    when 108 => return "oczekiwano 'i9' (Demo1.gpa:1:47)";
    when 109 => return "oczekiwano 'j10' (Demo1.gpa:1:52)";
    when 110 => return "oczekiwano 'k11' (Demo1.gpa:1:58)";
    when 111 => return "oczekiwano 'l12' (Demo1.gpa:1:64)";
    when others => return "nieznany blad";
  end case;
end Opis;

end Demo1_Bledy;
