-- pakiet osw_Pars - tresc
-- plik wygenerowany na podstawie opisu w [osw.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with osw_Skan; use osw_Skan;
with osw_zbiory;use osw_zbiory;

package body osw_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  Plik;
end Parsuj;

procedure Plik is
begin
  Sekcja;
  loop
    if not (Zawiera_Sie(Tok.Kod,First_Sekcja)) then exit;
    end if;
    Sekcja;
  end loop;
end Plik;


procedure Sekcja is
begin
  if Tok.Kod=LEWYNAWIASKW then
    -- tu wpisz obsluge tokena 'LEWYNAWIASKW'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  if Tok.Kod=NAZWA then
    -- tu wpisz obsluge tokena 'NAZWA'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  if Tok.Kod=PRAWYNAWIASKW then
    -- tu wpisz obsluge tokena 'PRAWYNAWIASKW'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
  Element;
  loop
    if not (Zawiera_Sie(Tok.Kod,First_Element)) then exit;
    end if;
    Element;
  end loop;
end Sekcja;

procedure Element is
begin
  if Tok.Kod=NAZWA then
    -- tu wpisz obsluge tokena 'NAZWA'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
  if Tok.Kod=ROWNE then
    -- tu wpisz obsluge tokena 'ROWNE'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=104; raise Blad_Parsera;
  end if;
  Wartosc;
  loop
    if not(Tok.Kod=PRZECINEK) then exit; end if;
    -- tu wpisz obsluge tokena 'PRZECINEK'
    Tok:=Skanuj;
    Wartosc;
  end loop;
end Element;

procedure Wartosc is
begin
  if Tok.Kod=NAPIS then
    -- tu wpisz obsluge tokena 'NAPIS';
    null;
    Tok:=Skanuj;
  elsif Tok.Kod=LICZBA then
    -- tu wpisz obsluge tokena 'LICZBA';
    null;
    Tok:=Skanuj;
  elsif Tok.Kod=NAZWA then
    -- tu wpisz obsluge tokena 'NAZWA';
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=105; raise Blad_Parsera;
  end if;
end Wartosc;

procedure Init_Zbiory is
begin
  Zeruj(First_Plik);
  Zeruj(First_Sekcja);
  Zeruj(First_Element);
  Zeruj(First_Wartosc);
  First_Plik := First_Plik+LEWYNAWIASKW;
  First_Sekcja := First_Sekcja+LEWYNAWIASKW;
  First_Element := First_Element+NAZWA;
  First_Wartosc := First_Wartosc+NAPIS+LICZBA+NAZWA;
end Init_Zbiory;

end osw_Pars;
