-- pakiet Hdr_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Hdr.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Text_IO; use Ada.Text_IO; -- <- kod uzytkownika
with Pomoc; use Pomoc; -- <- kod uzytkownika

with Hdr_Skan; use Hdr_Skan;
with Hdr_zbiory;use Hdr_zbiory;

package body Hdr_Pars is

Tok: Token_Typ;
Licznik: Integer := 0; -- <- kod uzytkownika
Suma: Integer := 0; -- <- kod uzytkownika
procedure Pisz is begin null; end Pisz; -- <- kod uzytkownika

procedure Parsuj is
  X: Integer; -- <- kod uzytkownika
begin
  Init_Zbiory;
  Put_Line("start"); -- <- kod uzytkownika
  Licznik := 1; -- <- kod uzytkownika
  Suma := 2; -- <- kod uzytkownika
  Tok := Skanuj;
  Zdanie;
  Put_Line("koniec"); -- <- kod uzytkownika
exception
  when Blad_Skanera =>Put_Line("skaner"); -- <- kod uzytkownika
  when Blad_Parsera =>Put_Line("parser"); -- <- kod uzytkownika
end Parsuj;

procedure Zdanie is
  N: Integer; -- <- kod uzytkownika
begin
  N := 0; -- <- kod uzytkownika
  if Tok.Kod=Slowo then
    -- tu wpisz obsluge tokena 'Slowo'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  Reszta;
end Zdanie;


procedure Reszta is
begin
  if Tok.Kod=Kropka then
    -- tu wpisz obsluge tokena 'Kropka'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
end Reszta;

procedure Init_Zbiory is
begin
  Zeruj(First_Zdanie);
  Zeruj(First_Reszta);
  First_Zdanie := First_Zdanie+Slowo;
  First_Reszta := First_Reszta+Kropka;
end Init_Zbiory;

end Hdr_Pars;
