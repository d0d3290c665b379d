-- procedura glowna Hdr 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Hdr_Pars; use Hdr_Pars;

procedure Hdr is
begin
  Parsuj;
end  Hdr;
