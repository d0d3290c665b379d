-- pakiet osw_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [osw.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with osw_Zbiory; use osw_Zbiory;

package osw_Pars is

Nr_Bledu_Pars: Integer;

procedure Parsuj;
procedure Init_Zbiory;
procedure Plik;
procedure Sekcja;
procedure Element;
procedure Wartosc;
Blad_Parsera: exception;

private

First_Plik: Zbior_Tok;
First_Sekcja: Zbior_Tok;
First_Element: Zbior_Tok;
First_Wartosc: Zbior_Tok;

end osw_Pars;
