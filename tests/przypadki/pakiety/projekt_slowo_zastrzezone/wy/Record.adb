-- procedura glowna Record 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Record_Pars; use Record_Pars;

procedure Record is
begin
  Parsuj;
end  Record;
