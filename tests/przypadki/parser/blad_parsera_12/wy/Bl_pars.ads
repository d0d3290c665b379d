-- pakiet Bl_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Bl.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Bl_Zbiory; use Bl_Zbiory;

package Bl_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
