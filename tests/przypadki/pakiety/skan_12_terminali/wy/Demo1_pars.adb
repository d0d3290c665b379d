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
  if Tok.Kod=a1 then
    -- tu wpisz obsluge tokena 'a1'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  if Tok.Kod=b2 then
    -- tu wpisz obsluge tokena 'b2'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  if Tok.Kod=c3 then
    -- tu wpisz obsluge tokena 'c3'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
  if Tok.Kod=d4 then
    -- tu wpisz obsluge tokena 'd4'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
  if Tok.Kod=e5 then
    -- tu wpisz obsluge tokena 'e5'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=104; raise Blad_Parsera;
  end if;
  if Tok.Kod=f6 then
    -- tu wpisz obsluge tokena 'f6'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=105; raise Blad_Parsera;
  end if;
  if Tok.Kod=g7 then
    -- tu wpisz obsluge tokena 'g7'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=106; raise Blad_Parsera;
  end if;
  if Tok.Kod=h8 then
    -- tu wpisz obsluge tokena 'h8'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=107; raise Blad_Parsera;
  end if;
  if Tok.Kod=i9 then
    -- tu wpisz obsluge tokena 'i9'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=108; raise Blad_Parsera;
  end if;
  if Tok.Kod=j10 then
    -- tu wpisz obsluge tokena 'j10'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=109; raise Blad_Parsera;
  end if;
  if Tok.Kod=k11 then
    -- tu wpisz obsluge tokena 'k11'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=110; raise Blad_Parsera;
  end if;
  if Tok.Kod=l12 then
    -- tu wpisz obsluge tokena 'l12'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=111; raise Blad_Parsera;
  end if;
end S;


procedure Init_Zbiory is
begin
  Zeruj(First_S);
end Init_Zbiory;

end Demo1_Pars;
