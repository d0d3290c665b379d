-- pakiet B_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [B.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with B_Zbiory; use B_Zbiory;

package B_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure A;
