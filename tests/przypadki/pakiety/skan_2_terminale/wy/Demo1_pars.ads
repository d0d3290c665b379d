-- pakiet Demo1_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Demo1.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Demo1_Zbiory; use Demo1_Zbiory;

package Demo1_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure S;
Blad_Parsera: exception;

private

First_S: Zbior_Tok;

end Demo1_Pars;
