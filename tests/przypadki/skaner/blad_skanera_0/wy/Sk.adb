-- procedura glowna Sk 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Sk_Pars; use Sk_Pars;

procedure Sk is
begin
  Parsuj;
end  Sk;
