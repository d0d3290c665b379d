-- procedura glowna Demo1 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Demo1_Pars; use Demo1_Pars;

procedure Demo1 is
begin
  Parsuj;
end  Demo1;
