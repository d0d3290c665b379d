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
    if not (Zawiera_Sie(Tok.Kod,First_K)) then exit;
    end if;
    K;
  end loop;
  if Tok.Kod=Koniec then
    -- tu wpisz obsluge tokena 'Koniec'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
end S;


procedure K is
begin
  if Tok.Kod=Zero then
    -- tu wpisz obsluge tokena 'Zero';
    null;
    Tok:=Skanuj;
  elsif Tok.Kod=Raz then
    -- tu wpisz obsluge tokena 'Raz';
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
end K;

procedure Init_Zbiory is
begin
  Zeruj(First_S);
  Zeruj(First_K);
  First_S := First_S+Zero+Raz+Koniec;
  First_K := First_K+Zero+Raz;
end Init_Zbiory;

end T_Pars;
