-- pakiet T_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body T_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when 100 => return "oczekiwano 'Koniec' (T.gpa:2:15)";
    when others => return "nieznany blad";
  end case;
end Opis;

end T_Bledy;
