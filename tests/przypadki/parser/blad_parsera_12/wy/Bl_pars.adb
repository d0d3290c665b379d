-- pakiet Bl_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Bl.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Bl_Skan; use Bl_Skan;
with Bl_zbiory;use Bl_zbiory;

package body Bl_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
