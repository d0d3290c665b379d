-- pakiet Kalk_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Kalk.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Kalk_Zbiory; use Kalk_Zbiory;

package Kalk_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure Wyrazenie;
procedure Liczba;
Blad_Parsera: exception;

private

First_Wyrazenie: Zbior_Tok;
First_Liczba: Zbior_Tok;

end Kalk_Pars;
