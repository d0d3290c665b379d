-- procedura glowna Wersja9 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Wersja9_Pars; use Wersja9_Pars;

procedure Wersja9 is
begin
  Parsuj;
end  Wersja9;
