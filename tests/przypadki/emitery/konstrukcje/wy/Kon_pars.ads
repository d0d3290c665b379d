-- pakiet Kon_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [Kon.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Kon_Zbiory; use Kon_Zbiory;

package Kon_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure Wyr;
procedure Lista;
procedure Opcja;
procedure Czynnik;
procedure Reszta;
Blad_Parsera: exception;

private

First_Wyr: Zbior_Tok;
First_Skladnik: Zbior_Tok;
First_Lista: Zbior_Tok;
First_Arg: Zbior_Tok;
First_Opcja: Zbior_Tok;
First_Znak: Zbior_Tok;
First_Czynnik: Zbior_Tok;
First_Wywolanie: Zbior_Tok;
First_Reszta: Zbior_Tok;
First_Tylko: Zbior_Tok;

end Kon_Pars;
