-- procedura glowna Dwa__Podkreslniki 
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Dwa__Podkreslniki_Pars; use Dwa__Podkreslniki_Pars;

procedure Dwa__Podkreslniki is
begin
  Parsuj;
end  Dwa__Podkreslniki;
