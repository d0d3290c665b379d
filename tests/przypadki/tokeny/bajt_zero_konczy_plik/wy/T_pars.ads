-- pakiet T_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [T.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with T_Zbiory; use T_Zbiory;

package T_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure S;
Blad_Parsera: exception;

private

First_S: Zbior_Tok;

end T_Pars;
