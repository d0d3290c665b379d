-- pakiet Sk_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Sk.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Sk_Skan; use Sk_Skan;
with Sk_zbiory;use Sk_zbiory;

package body Sk_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  S;
end Parsuj;

procedure S is
begin
