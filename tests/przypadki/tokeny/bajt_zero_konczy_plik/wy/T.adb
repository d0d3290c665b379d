-- procedura glowna T 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  T_Pars; use T_Pars;

procedure T is
begin
  Parsuj;
end  T;
