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
  S;
end Parsuj;

procedure S is
begin
  A;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
  A;
  A;
end S;


procedure A is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
end A;

procedure Init_Zbiory is
begin
  Zeruj(First_S);
  Zeruj(First_A);
  First_B := First_B+c;
end Init_Zbiory;

end B_Pars;
