-- pakiet T_Pars - tresc
-- plik wygenerowany na podstawie opisu w [T.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with T_Skan; use T_Skan;
with T_zbiory;use T_zbiory;

package body T_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  S;
end Parsuj;

procedure S is
begin
  loop
    if not(Tok.Kod=A) then exit; end if;
    -- tu wpisz obsluge tokena 'A'
    Tok:=Skanuj;
  end loop;
  if Tok.Kod=Koniec then
    -- tu wpisz obsluge tokena 'Koniec'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
end S;


procedure Init_Zbiory is
begin
  Zeruj(First_S);
  First_S := First_S+A+Koniec;
end Init_Zbiory;

end T_Pars;
