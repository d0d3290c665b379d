-- pakiet Sk_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Sk.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Sk_Zbiory; use Sk_Zbiory;

package Sk_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure S;
