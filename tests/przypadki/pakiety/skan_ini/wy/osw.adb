-- procedura glowna osw 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  osw_Pars; use osw_Pars;

procedure osw is
begin
  Parsuj;
end  osw;
