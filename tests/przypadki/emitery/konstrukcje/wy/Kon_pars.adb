-- pakiet Kon_Pars - tresc
-- plik wygenerowany na podstawie opisu w [Kon.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with Kon_Skan; use Kon_Skan;
with Kon_zbiory;use Kon_zbiory;

package body Kon_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  Wyr;
end Parsuj;

procedure Wyr is
begin
  Skladnik;
  if Tok.Kod=Plus then
    -- wstawiony kod 
    Dodaj;
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'Plus'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  Skladnik;
end Wyr;


procedure Lista is
begin
  loop
    if not(Tok.Kod=Przecinek) then exit; end if;
    -- tu wpisz obsluge tokena 'Przecinek'
    Tok:=Skanuj;
    Arg;
  end loop;
  Koniec; -- <- kod uzytkownika
end Lista;

procedure Opcja is
begin
  if Zawiera_Sie(Tok.Kod,First_Znak) then
    Znak;
    if Tok.Kod=Liczba then
      -- tu wpisz obsluge tokena 'Liczba'
      null;
      Tok:=Skanuj;
    else Nr_Bledu_Pars:=101; raise Blad_Parsera;
    end if;
  end if;
  Po; -- <- kod uzytkownika
end Opcja;

procedure Czynnik is
begin
  if Tok.Kod=Liczba then
    -- tu wpisz obsluge tokena 'Liczba';
    null;
    Tok:=Skanuj;
  elsif Zawiera_Sie(Tok.Kod,First_Wywolanie) then
    Wywolanie;
  elsif Tok.Kod=LNawias then
    -- tu wpisz obsluge tokena 'LNawias';
    null;
    Tok:=Skanuj;
    Wyr;
    if Tok.Kod=PNawias then
      -- tu wpisz obsluge tokena 'PNawias'
      null;
      Tok:=Skanuj;
    else Nr_Bledu_Pars:=102; raise Blad_Parsera;
    end if;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
  Gotowe; -- <- kod uzytkownika
end Czynnik;

procedure Reszta is
begin
  loop
    if not (Zawiera_Sie(Tok.Kod,First_Arg)) then exit;
    end if;
    Arg;
    -- wstawiony kod 
    A;
    -- koniec kodu 
    if Tok.Kod=Srednik then
      -- tu wpisz obsluge tokena 'Srednik'
      null;
      Tok:=Skanuj;
    else Nr_Bledu_Pars:=104; raise Blad_Parsera;
    end if;
  end loop;
  if Tok.Kod=Minus then
    -- wstawiony kod 
    M;
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'Minus'
    null;
    Tok:=Skanuj;
  end if;
  if Zawiera_Sie(Tok.Kod,First_Wyr) then
    Wyr;
    -- wstawiony kod 
    W;
    -- koniec kodu 
    if Tok.Kod=X then
      -- tu wpisz obsluge tokena 'X'
      null;
      Tok:=Skanuj;
    else Nr_Bledu_Pars:=105; raise Blad_Parsera;
    end if;
  elsif Tok.Kod=Y then
    -- wstawiony kod 
    Y;
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'Y';
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=106; raise Blad_Parsera;
  end if;
end Reszta;

procedure Init_Zbiory is
begin
  Zeruj(First_Wyr);
  Zeruj(First_Skladnik);
  Zeruj(First_Lista);
  Zeruj(First_Arg);
  Zeruj(First_Opcja);
  Zeruj(First_Znak);
  Zeruj(First_Czynnik);
  Zeruj(First_Wywolanie);
  Zeruj(First_Reszta);
  First_Skladnik := First_Skladnik+Liczba;
  First_Znak := First_Znak+Plus+Minus;
  First_Znak := First_Znak+Tylda;
  First_Wywolanie := First_Wywolanie+Id;
  First_Arg := First_Arg+Liczba+Id;
  First_Wyr := First_Wyr+Liczba;
  First_Tylko := First_Tylko+Q;
end Init_Zbiory;

end Kon_Pars;
