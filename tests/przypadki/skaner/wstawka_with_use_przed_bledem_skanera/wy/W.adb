-- procedura glowna W 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  W_Pars; use W_Pars;

procedure W is
begin
  Parsuj;
end  W;
