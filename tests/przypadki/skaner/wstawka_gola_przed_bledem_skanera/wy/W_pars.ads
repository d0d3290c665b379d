-- pakiet W_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Zbiory; use W_Zbiory;

package W_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
