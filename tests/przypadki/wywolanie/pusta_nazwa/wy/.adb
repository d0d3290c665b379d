-- procedura glowna  
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  _Pars; use _Pars;

procedure  is
begin
  Parsuj;
end  ;
