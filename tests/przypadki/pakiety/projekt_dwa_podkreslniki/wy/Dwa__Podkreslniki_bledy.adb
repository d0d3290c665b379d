-- pakiet Dwa__Podkreslniki_Bledy - tresc
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package body Dwa__Podkreslniki_Bledy is

function Opis (Nr : Integer) return String is
begin
  case Nr is
    when others => return "nieznany blad";
  end case;
end Opis;

end Dwa__Podkreslniki_Bledy;
