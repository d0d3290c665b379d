-- pakiet Demo1_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  28. 2. 2000, godz.  23: 59: 59

package body Demo1_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when others => return "nieznany blad";
  end case;
end Opis;

end Demo1_Bledy;
