-- pakiet Jeden_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Jeden.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Jeden_Skan; use Jeden_Skan;
with Jeden_zbiory;use Jeden_zbiory;

package body Jeden_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  Start;
exception
  when Blad_Parsera =>Put_Line("blad"); -- <- kod uzytkownika
end Parsuj;

procedure Start is
begin
   -- <- kod uzytkownika
  Start;
  -- wstawiony kod 
  
  -- koniec kodu 
end Start;


procedure Init_Zbiory is
begin
  Zeruj(First_Start);
end Init_Zbiory;

end Jeden_Pars;
