-- pakiet Demo1_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body Demo1_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'NAZWA' (Demo1.gpa:1:7)";
    when 101 => return "oczekiwano 'LICZBA' (Demo1.gpa:1:15)";
    when others => return "nieznany blad";
  end case;
end Opis;

end Demo1_Bledy;
