-- procedura glowna Demo1 
-- wygenerowano wg danych uzytkownia
-- dnia  28. 2. 2000, godz.  23: 59: 59

with  Demo1_Pars; use Demo1_Pars;

procedure Demo1 is
begin
  Parsuj;
end  Demo1;
