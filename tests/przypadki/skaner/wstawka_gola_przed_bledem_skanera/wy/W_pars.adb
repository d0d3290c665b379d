-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with W_Skan; use W_Skan;
with W_zbiory;use W_zbiory;

package body W_Pars is

Tok: Token_Typ;
Y : Integer; -- <- kod uzytkownika
