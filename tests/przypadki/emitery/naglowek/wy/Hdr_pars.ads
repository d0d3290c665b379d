-- pakiet Hdr_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Hdr.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Hdr_Zbiory; use Hdr_Zbiory;

package Hdr_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure Zdanie;
procedure Reszta;
Blad_Parsera: exception;

private

First_Zdanie: Zbior_Tok;
First_Reszta: Zbior_Tok;

end Hdr_Pars;
