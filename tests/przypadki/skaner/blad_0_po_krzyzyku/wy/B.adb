-- procedura glowna B 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  B_Pars; use B_Pars;

procedure B is
begin
  Parsuj;
end  B;
