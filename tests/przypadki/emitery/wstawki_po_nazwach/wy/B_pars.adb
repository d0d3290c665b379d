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
  if Tok.Kod=a then
    -- wstawiony kod 
    
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- wstawiony kod 
    a  :=  b;
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- wstawiony kod 
    	x;
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
  S;
  -- wstawiony kod 
  a$b
  -- koniec kodu 
  if Tok.Kod=d then
    -- tu wpisz obsluge tokena 'd'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
end S;


procedure T is
begin
  if Tok.Kod=e then
    -- wstawiony kod 
    a$$#
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'e'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=104; raise Blad_Parsera;
  end if;
  if Tok.Kod=f then
    -- wstawiony kod 
    x	-- "'
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'f'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=105; raise Blad_Parsera;
  end if;
  if Tok.Kod=g then
    -- wstawiony kod 
    ab   cd
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'g'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=106; raise Blad_Parsera;
  end if;
  if Tok.Kod=h then
    -- wstawiony kod 
    ab$cd
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'h'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=107; raise Blad_Parsera;
  end if;
  if Tok.Kod=i then
    -- wstawiony kod 
    ab
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'i'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=108; raise Blad_Parsera;
  end if;
  if Tok.Kod=j then
    -- tu wpisz obsluge tokena 'j'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=109; raise Blad_Parsera;
  end if;
end T;

procedure Init_Zbiory is
begin
  Zeruj(First_S);
  Zeruj(First_T);
end Init_Zbiory;

end B_Pars;
