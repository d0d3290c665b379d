-- procedura glowna Demo1 
-- wygenerowano wg danych uzytkownia
-- dnia  31. 12. 9999, godz.  23: 59: 59

with  Demo1_Pars; use Demo1_Pars;

procedure Demo1 is
begin
  Parsuj;
end  Demo1;
