-- pakiet Demo1_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Demo1.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Demo1_Skan; use Demo1_Skan;
with Demo1_zbiory;use Demo1_zbiory;

package body Demo1_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  S;
end Parsuj;

procedure S is
begin
  if Tok.Kod=NAZWA then
    -- tu wpisz obsluge tokena 'NAZWA'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  if Tok.Kod=LICZBA then
    -- tu wpisz obsluge tokena 'LICZBA'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
end S;


procedure Init_Zbiory is
begin
  Zeruj(First_S);
end Init_Zbiory;

end Demo1_Pars;
