-- pakiet Demo1_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  31. 12. 9999, godz.  23: 59: 59

package body Demo1_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when others => return "nieznany blad";
  end case;
end Opis;

end Demo1_Bledy;
