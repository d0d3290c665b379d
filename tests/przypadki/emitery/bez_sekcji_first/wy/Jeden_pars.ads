-- pakiet Jeden_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Jeden.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Jeden_Zbiory; use Jeden_Zbiory;

package Jeden_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure Start;
Blad_Parsera: exception;

private

First_Start: Zbior_Tok;

end Jeden_Pars;
