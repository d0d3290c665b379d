-- procedura glowna Brak 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Brak_Pars; use Brak_Pars;

procedure Brak is
begin
  Parsuj;
end  Brak;
