-- pakiet Wersja9_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body Wersja9_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when others => return "nieznany blad";
  end case;
end Opis;

end Wersja9_Bledy;
