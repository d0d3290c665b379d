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
  À_ÿ;
end Parsuj;

procedure À_ÿ is
begin
  if Tok.Kod=été then
    -- tu wpisz obsluge tokena 'été'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  Liczba;
  if Tok.Kod=Liczba then
    -- tu wpisz obsluge tokena 'Liczba'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  if Tok.Kod=liczba then
    -- tu wpisz obsluge tokena 'liczba'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
end À_ÿ;


procedure Liczba is
begin
  if Tok.Kod=Liczba then
    -- tu wpisz obsluge tokena 'Liczba'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
end Liczba;

procedure Init_Zbiory is
begin
  Zeruj(First_À_ÿ);
  Zeruj(First_Liczba);
end Init_Zbiory;

end B_Pars;
