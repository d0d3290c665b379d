-- procedura glowna Kon 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Kon_Pars; use Kon_Pars;

procedure Kon is
begin
  Parsuj;
end  Kon;
