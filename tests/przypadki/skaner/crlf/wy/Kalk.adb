-- procedura glowna Kalk 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Kalk_Pars; use Kalk_Pars;

procedure Kalk is
begin
  Parsuj;
end  Kalk;
