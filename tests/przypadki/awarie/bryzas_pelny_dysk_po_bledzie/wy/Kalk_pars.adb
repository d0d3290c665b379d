-- pakiet Kalk_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Kalk.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Kalk_Skan; use Kalk_Skan;
with Kalk_zbiory;use Kalk_zbiory;

package body Kalk_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  A;
end Parsuj;

procedure A is
begin
