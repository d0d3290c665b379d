-- pakiet B_Pars - tresc
-- plik wygenerowany na podstawie opisu w [B.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Text_IO; use Ada.Text_IO; -- <- kod uzytkownika

with B_Skan; use B_Skan;
with B_zbiory;use B_zbiory;

package body B_Pars is

Tok: Token_Typ;
N: Integer; -- <- kod uzytkownika

procedure Parsuj is
  D: Integer; -- <- kod uzytkownika
begin
  Init_Zbiory;
  N := 1; -- <- kod uzytkownika
  D := 2; -- <- kod uzytkownika
  Tok := Skanuj;
  S;
  N := 3; -- <- kod uzytkownika
exception
  when Blad_Skanera =>null; -- <- kod uzytkownika
  when Blad_Parsera =>null; -- <- kod uzytkownika
end Parsuj;

procedure S is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
end S;


procedure Init_Zbiory is
begin
  Zeruj(First_S);
end Init_Zbiory;

end B_Pars;
