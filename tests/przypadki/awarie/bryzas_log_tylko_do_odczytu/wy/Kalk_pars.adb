-- pakiet Kalk_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Kalk.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Kalk_Skan; use Kalk_Skan;
with Kalk_zbiory;use Kalk_zbiory;

package body Kalk_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  Wyrazenie;
end Parsuj;

procedure Wyrazenie is
begin
  Liczba;
  if Tok.Kod=Plus then
    -- tu wpisz obsluge tokena 'Plus'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  Liczba;
end Wyrazenie;


procedure Liczba is
begin
  if Tok.Kod=Cyfra then
    -- tu wpisz obsluge tokena 'Cyfra'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
end Liczba;

procedure Init_Zbiory is
begin
  Zeruj(First_Wyrazenie);
  Zeruj(First_Liczba);
  First_Wyrazenie := First_Wyrazenie+Cyfra;
  First_Liczba := First_Liczba+Cyfra;
end Init_Zbiory;

end Kalk_Pars;
