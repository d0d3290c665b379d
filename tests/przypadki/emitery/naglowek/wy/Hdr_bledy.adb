-- pakiet Hdr_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body Hdr_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'Slowo' (Hdr.gpa:14:42)";
    when 101 => return "oczekiwano 'Kropka' (Hdr.gpa:15:12)";
    when others => return "nieznany blad";
  end case;
end Opis;

end Hdr_Bledy;
