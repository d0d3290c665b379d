-- pakiet B_Pars - tresc
-- plik wygenerowany na podstawie opisu w [B.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with B_Skan; use B_Skan;
with B_zbiory;use B_zbiory;

package body B_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  A;
end Parsuj;

procedure A is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
end A;


procedure a is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
end a;

