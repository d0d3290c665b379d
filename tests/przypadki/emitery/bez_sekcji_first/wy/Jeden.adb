-- procedura glowna Jeden 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Jeden_Pars; use Jeden_Pars;

procedure Jeden is
begin
  Parsuj;
end  Jeden;
