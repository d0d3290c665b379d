-- pakiet B_Pars - tresc
-- plik wygenerowany na podstawie opisu w [B.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7


with B_Skan; use B_Skan;
with B_zbiory;use B_zbiory;

package body B_Pars is

Tok: Token_Typ;

procedure Parsuj is
begin
  Init_Zbiory;
  Tok := Skanuj;
  P1;
end Parsuj;

procedure P1 is
begin
  if Tok.Kod=a then
    -- wstawiony kod 
    xxxxxx
    -- koniec kodu 
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
end P1;


procedure P2 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=104; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=105; raise Blad_Parsera;
  end if;
end P2;

procedure P3 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=106; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=107; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=108; raise Blad_Parsera;
  end if;
end P3;

procedure P4 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=109; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=110; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=111; raise Blad_Parsera;
  end if;
end P4;

procedure P5 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=112; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=113; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=114; raise Blad_Parsera;
  end if;
end P5;

procedure P6 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=115; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=116; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=117; raise Blad_Parsera;
  end if;
end P6;

procedure P7 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=118; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=119; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=120; raise Blad_Parsera;
  end if;
end P7;

procedure P8 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=121; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=122; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=123; raise Blad_Parsera;
  end if;
end P8;

procedure P9 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=124; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=125; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=126; raise Blad_Parsera;
  end if;
end P9;

procedure P10 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=127; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=128; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=129; raise Blad_Parsera;
  end if;
end P10;

procedure P11 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=130; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=131; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=132; raise Blad_Parsera;
  end if;
end P11;

procedure P12 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=133; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=134; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=135; raise Blad_Parsera;
  end if;
end P12;

procedure P13 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=136; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=137; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=138; raise Blad_Parsera;
  end if;
end P13;

procedure P14 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=139; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=140; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=141; raise Blad_Parsera;
  end if;
end P14;

procedure P15 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=142; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=143; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=144; raise Blad_Parsera;
  end if;
end P15;

procedure P16 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=145; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=146; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=147; raise Blad_Parsera;
  end if;
end P16;

procedure P17 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=148; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=149; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=150; raise Blad_Parsera;
  end if;
end P17;

procedure P18 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=151; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=152; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=153; raise Blad_Parsera;
  end if;
end P18;

procedure P19 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=154; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=155; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=156; raise Blad_Parsera;
  end if;
end P19;

procedure P20 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=157; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=158; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=159; raise Blad_Parsera;
  end if;
end P20;

procedure P21 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=160; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=161; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=162; raise Blad_Parsera;
  end if;
end P21;

procedure P22 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=163; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=164; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=165; raise Blad_Parsera;
  end if;
end P22;

procedure P23 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=166; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=167; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=168; raise Blad_Parsera;
  end if;
end P23;

procedure P24 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=169; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=170; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=171; raise Blad_Parsera;
  end if;
end P24;

procedure P25 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=172; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=173; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=174; raise Blad_Parsera;
  end if;
end P25;

procedure P26 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=175; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=176; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=177; raise Blad_Parsera;
  end if;
end P26;

procedure P27 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=178; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=179; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=180; raise Blad_Parsera;
  end if;
end P27;

procedure P28 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=181; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=182; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=183; raise Blad_Parsera;
  end if;
end P28;

procedure P29 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=184; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=185; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=186; raise Blad_Parsera;
  end if;
end P29;

procedure P30 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=187; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=188; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=189; raise Blad_Parsera;
  end if;
end P30;

procedure P31 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=190; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=191; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=192; raise Blad_Parsera;
  end if;
end P31;

procedure P32 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=193; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=194; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=195; raise Blad_Parsera;
  end if;
end P32;

procedure P33 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=196; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=197; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=198; raise Blad_Parsera;
  end if;
end P33;

procedure P34 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=199; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=200; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=201; raise Blad_Parsera;
  end if;
end P34;

procedure P35 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=202; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=203; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=204; raise Blad_Parsera;
  end if;
end P35;

procedure P36 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=205; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=206; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=207; raise Blad_Parsera;
  end if;
end P36;

procedure P37 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=208; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=209; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=210; raise Blad_Parsera;
  end if;
end P37;

procedure P38 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=211; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=212; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=213; raise Blad_Parsera;
  end if;
end P38;

procedure P39 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=214; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=215; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=216; raise Blad_Parsera;
  end if;
end P39;

procedure P40 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=217; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=218; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=219; raise Blad_Parsera;
  end if;
end P40;

procedure P41 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=220; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=221; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=222; raise Blad_Parsera;
  end if;
end P41;

procedure P42 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=223; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=224; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=225; raise Blad_Parsera;
  end if;
end P42;

procedure P43 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=226; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=227; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=228; raise Blad_Parsera;
  end if;
end P43;

procedure P44 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=229; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=230; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=231; raise Blad_Parsera;
  end if;
end P44;

procedure P45 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=232; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=233; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=234; raise Blad_Parsera;
  end if;
end P45;

procedure P46 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=235; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=236; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=237; raise Blad_Parsera;
  end if;
end P46;

procedure P47 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=238; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=239; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=240; raise Blad_Parsera;
  end if;
end P47;

procedure P48 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=241; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=242; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=243; raise Blad_Parsera;
  end if;
end P48;

procedure P49 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=244; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=245; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=246; raise Blad_Parsera;
  end if;
end P49;

procedure P50 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=247; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=248; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=249; raise Blad_Parsera;
  end if;
end P50;

procedure P51 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=250; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=251; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=252; raise Blad_Parsera;
  end if;
end P51;

procedure P52 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=253; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=254; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=255; raise Blad_Parsera;
  end if;
end P52;

procedure P53 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=256; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=257; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=258; raise Blad_Parsera;
  end if;
end P53;

procedure P54 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=259; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=260; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=261; raise Blad_Parsera;
  end if;
end P54;

procedure P55 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=262; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=263; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=264; raise Blad_Parsera;
  end if;
end P55;

procedure P56 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=265; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=266; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=267; raise Blad_Parsera;
  end if;
end P56;

procedure P57 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=268; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=269; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=270; raise Blad_Parsera;
  end if;
end P57;

procedure P58 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=271; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=272; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=273; raise Blad_Parsera;
  end if;
end P58;

procedure P59 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=274; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=275; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=276; raise Blad_Parsera;
  end if;
end P59;

procedure P60 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=277; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=278; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=279; raise Blad_Parsera;
  end if;
end P60;

procedure P61 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=280; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=281; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=282; raise Blad_Parsera;
  end if;
end P61;

procedure P62 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=283; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=284; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=285; raise Blad_Parsera;
  end if;
end P62;

procedure P63 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=286; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=287; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=288; raise Blad_Parsera;
  end if;
end P63;

procedure P64 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=289; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=290; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=291; raise Blad_Parsera;
  end if;
end P64;

procedure P65 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=292; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=293; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=294; raise Blad_Parsera;
  end if;
end P65;

procedure P66 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=295; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=296; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=297; raise Blad_Parsera;
  end if;
end P66;

procedure P67 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=298; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=299; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=300; raise Blad_Parsera;
  end if;
end P67;

procedure P68 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=301; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=302; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=303; raise Blad_Parsera;
  end if;
end P68;

procedure P69 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=304; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=305; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=306; raise Blad_Parsera;
  end if;
end P69;

procedure P70 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=307; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=308; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=309; raise Blad_Parsera;
  end if;
end P70;

procedure P71 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=310; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=311; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=312; raise Blad_Parsera;
  end if;
end P71;

procedure P72 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=313; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=314; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=315; raise Blad_Parsera;
  end if;
end P72;

procedure P73 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=316; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=317; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=318; raise Blad_Parsera;
  end if;
end P73;

procedure P74 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=319; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=320; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=321; raise Blad_Parsera;
  end if;
end P74;

procedure P75 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=322; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=323; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=324; raise Blad_Parsera;
  end if;
end P75;

procedure P76 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=325; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=326; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=327; raise Blad_Parsera;
  end if;
end P76;

procedure P77 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=328; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=329; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=330; raise Blad_Parsera;
  end if;
end P77;

procedure P78 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=331; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=332; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=333; raise Blad_Parsera;
  end if;
end P78;

procedure P79 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=334; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=335; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=336; raise Blad_Parsera;
  end if;
end P79;

procedure P80 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=337; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=338; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=339; raise Blad_Parsera;
  end if;
end P80;

procedure P81 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=340; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=341; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=342; raise Blad_Parsera;
  end if;
end P81;

procedure P82 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=343; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=344; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=345; raise Blad_Parsera;
  end if;
end P82;

procedure P83 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=346; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=347; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=348; raise Blad_Parsera;
  end if;
end P83;

procedure P84 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=349; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=350; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=351; raise Blad_Parsera;
  end if;
end P84;

procedure P85 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=352; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=353; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=354; raise Blad_Parsera;
  end if;
end P85;

procedure P86 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=355; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=356; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=357; raise Blad_Parsera;
  end if;
end P86;

procedure P87 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=358; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=359; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=360; raise Blad_Parsera;
  end if;
end P87;

procedure P88 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=361; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=362; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=363; raise Blad_Parsera;
  end if;
end P88;

procedure P89 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=364; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=365; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=366; raise Blad_Parsera;
  end if;
end P89;

procedure P90 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=367; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=368; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=369; raise Blad_Parsera;
  end if;
end P90;

procedure P91 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=370; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=371; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=372; raise Blad_Parsera;
  end if;
end P91;

procedure P92 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=373; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=374; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=375; raise Blad_Parsera;
  end if;
end P92;

procedure P93 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=376; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=377; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=378; raise Blad_Parsera;
  end if;
end P93;

procedure P94 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=379; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=380; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=381; raise Blad_Parsera;
  end if;
end P94;

procedure P95 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=382; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=383; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=384; raise Blad_Parsera;
  end if;
end P95;

procedure P96 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=385; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=386; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=387; raise Blad_Parsera;
  end if;
end P96;

procedure P97 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=388; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=389; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=390; raise Blad_Parsera;
  end if;
end P97;

procedure P98 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=391; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=392; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=393; raise Blad_Parsera;
  end if;
end P98;

procedure P99 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=394; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=395; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=396; raise Blad_Parsera;
  end if;
end P99;

procedure P100 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=397; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=398; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=399; raise Blad_Parsera;
  end if;
end P100;

procedure P101 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=400; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=401; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=402; raise Blad_Parsera;
  end if;
end P101;

procedure P102 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=403; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=404; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=405; raise Blad_Parsera;
  end if;
end P102;

procedure P103 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=406; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=407; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=408; raise Blad_Parsera;
  end if;
end P103;

procedure P104 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=409; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=410; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=411; raise Blad_Parsera;
  end if;
end P104;

procedure P105 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=412; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=413; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=414; raise Blad_Parsera;
  end if;
end P105;

procedure P106 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=415; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=416; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=417; raise Blad_Parsera;
  end if;
end P106;

procedure P107 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=418; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=419; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=420; raise Blad_Parsera;
  end if;
end P107;

procedure P108 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=421; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=422; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=423; raise Blad_Parsera;
  end if;
end P108;

procedure P109 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=424; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=425; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=426; raise Blad_Parsera;
  end if;
end P109;

procedure P110 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=427; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=428; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=429; raise Blad_Parsera;
  end if;
end P110;

procedure P111 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=430; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=431; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=432; raise Blad_Parsera;
  end if;
end P111;

procedure P112 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=433; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=434; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=435; raise Blad_Parsera;
  end if;
end P112;

procedure P113 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=436; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=437; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=438; raise Blad_Parsera;
  end if;
end P113;

procedure P114 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=439; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=440; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=441; raise Blad_Parsera;
  end if;
end P114;

procedure P115 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=442; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=443; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=444; raise Blad_Parsera;
  end if;
end P115;

procedure P116 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=445; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=446; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=447; raise Blad_Parsera;
  end if;
end P116;

procedure P117 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=448; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=449; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=450; raise Blad_Parsera;
  end if;
end P117;

procedure P118 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=451; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=452; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=453; raise Blad_Parsera;
  end if;
end P118;

procedure P119 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=454; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=455; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=456; raise Blad_Parsera;
  end if;
end P119;

procedure P120 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=457; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=458; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=459; raise Blad_Parsera;
  end if;
end P120;

procedure P121 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=460; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=461; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=462; raise Blad_Parsera;
  end if;
end P121;

procedure P122 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=463; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=464; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=465; raise Blad_Parsera;
  end if;
end P122;

procedure P123 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=466; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=467; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=468; raise Blad_Parsera;
  end if;
end P123;

procedure P124 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=469; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=470; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=471; raise Blad_Parsera;
  end if;
end P124;

procedure P125 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=472; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=473; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=474; raise Blad_Parsera;
  end if;
end P125;

procedure P126 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=475; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=476; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=477; raise Blad_Parsera;
  end if;
end P126;

procedure P127 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=478; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=479; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=480; raise Blad_Parsera;
  end if;
end P127;

procedure P128 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=481; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=482; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=483; raise Blad_Parsera;
  end if;
end P128;

procedure P129 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=484; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=485; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=486; raise Blad_Parsera;
  end if;
end P129;

procedure P130 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=487; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=488; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=489; raise Blad_Parsera;
  end if;
end P130;

procedure P131 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=490; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=491; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=492; raise Blad_Parsera;
  end if;
end P131;

procedure P132 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=493; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=494; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=495; raise Blad_Parsera;
  end if;
end P132;

procedure P133 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=496; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=497; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=498; raise Blad_Parsera;
  end if;
end P133;

procedure P134 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=499; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=500; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=501; raise Blad_Parsera;
  end if;
end P134;

procedure P135 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=502; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=503; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=504; raise Blad_Parsera;
  end if;
end P135;

procedure P136 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=505; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=506; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=507; raise Blad_Parsera;
  end if;
end P136;

procedure P137 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=508; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=509; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=510; raise Blad_Parsera;
  end if;
end P137;

procedure P138 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=511; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=512; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=513; raise Blad_Parsera;
  end if;
end P138;

procedure P139 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=514; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=515; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=516; raise Blad_Parsera;
  end if;
end P139;

procedure P140 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=517; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=518; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=519; raise Blad_Parsera;
  end if;
end P140;

procedure P141 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=520; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=521; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=522; raise Blad_Parsera;
  end if;
end P141;

procedure P142 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=523; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=524; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=525; raise Blad_Parsera;
  end if;
end P142;

procedure P143 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=526; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=527; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=528; raise Blad_Parsera;
  end if;
end P143;

procedure P144 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=529; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=530; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=531; raise Blad_Parsera;
  end if;
end P144;

procedure P145 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=532; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=533; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=534; raise Blad_Parsera;
  end if;
end P145;

procedure P146 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=535; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=536; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=537; raise Blad_Parsera;
  end if;
end P146;

procedure P147 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=538; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=539; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=540; raise Blad_Parsera;
  end if;
end P147;

procedure P148 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=541; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=542; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=543; raise Blad_Parsera;
  end if;
end P148;

procedure P149 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=544; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=545; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=546; raise Blad_Parsera;
  end if;
end P149;

procedure P150 is
begin
  if Tok.Kod=a then
    -- tu wpisz obsluge tokena 'a'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=547; raise Blad_Parsera;
  end if;
  if Tok.Kod=b then
    -- tu wpisz obsluge tokena 'b'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=548; raise Blad_Parsera;
  end if;
  if Tok.Kod=c then
    -- tu wpisz obsluge tokena 'c'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=549; raise Blad_Parsera;
  end if;
end P150;

procedure Init_Zbiory is
begin
  Zeruj(First_P1);
  Zeruj(First_P2);
  Zeruj(First_P3);
  Zeruj(First_P4);
  Zeruj(First_P5);
  Zeruj(First_P6);
  Zeruj(First_P7);
  Zeruj(First_P8);
  Zeruj(First_P9);
  Zeruj(First_P10);
  Zeruj(First_P11);
  Zeruj(First_P12);
  Zeruj(First_P13);
  Zeruj(First_P14);
  Zeruj(First_P15);
  Zeruj(First_P16);
  Zeruj(First_P17);
  Zeruj(First_P18);
  Zeruj(First_P19);
  Zeruj(First_P20);
  Zeruj(First_P21);
  Zeruj(First_P22);
  Zeruj(First_P23);
  Zeruj(First_P24);
  Zeruj(First_P25);
  Zeruj(First_P26);
  Zeruj(First_P27);
  Zeruj(First_P28);
  Zeruj(First_P29);
  Zeruj(First_P30);
  Zeruj(First_P31);
  Zeruj(First_P32);
  Zeruj(First_P33);
  Zeruj(First_P34);
  Zeruj(First_P35);
  Zeruj(First_P36);
  Zeruj(First_P37);
  Zeruj(First_P38);
  Zeruj(First_P39);
  Zeruj(First_P40);
  Zeruj(First_P41);
  Zeruj(First_P42);
  Zeruj(First_P43);
  Zeruj(First_P44);
  Zeruj(First_P45);
  Zeruj(First_P46);
  Zeruj(First_P47);
  Zeruj(First_P48);
  Zeruj(First_P49);
  Zeruj(First_P50);
  Zeruj(First_P51);
  Zeruj(First_P52);
  Zeruj(First_P53);
  Zeruj(First_P54);
  Zeruj(First_P55);
  Zeruj(First_P56);
  Zeruj(First_P57);
  Zeruj(First_P58);
  Zeruj(First_P59);
  Zeruj(First_P60);
  Zeruj(First_P61);
  Zeruj(First_P62);
  Zeruj(First_P63);
  Zeruj(First_P64);
  Zeruj(First_P65);
  Zeruj(First_P66);
  Zeruj(First_P67);
  Zeruj(First_P68);
  Zeruj(First_P69);
  Zeruj(First_P70);
  Zeruj(First_P71);
  Zeruj(First_P72);
  Zeruj(First_P73);
  Zeruj(First_P74);
  Zeruj(First_P75);
  Zeruj(First_P76);
  Zeruj(First_P77);
  Zeruj(First_P78);
  Zeruj(First_P79);
  Zeruj(First_P80);
  Zeruj(First_P81);
  Zeruj(First_P82);
  Zeruj(First_P83);
  Zeruj(First_P84);
  Zeruj(First_P85);
  Zeruj(First_P86);
  Zeruj(First_P87);
  Zeruj(First_P88);
  Zeruj(First_P89);
  Zeruj(First_P90);
  Zeruj(First_P91);
  Zeruj(First_P92);
  Zeruj(First_P93);
  Zeruj(First_P94);
  Zeruj(First_P95);
  Zeruj(First_P96);
  Zeruj(First_P97);
  Zeruj(First_P98);
  Zeruj(First_P99);
  Zeruj(First_P100);
  Zeruj(First_P101);
  Zeruj(First_P102);
  Zeruj(First_P103);
  Zeruj(First_P104);
  Zeruj(First_P105);
  Zeruj(First_P106);
  Zeruj(First_P107);
  Zeruj(First_P108);
  Zeruj(First_P109);
  Zeruj(First_P110);
  Zeruj(First_P111);
  Zeruj(First_P112);
  Zeruj(First_P113);
  Zeruj(First_P114);
  Zeruj(First_P115);
  Zeruj(First_P116);
  Zeruj(First_P117);
  Zeruj(First_P118);
  Zeruj(First_P119);
  Zeruj(First_P120);
  Zeruj(First_P121);
  Zeruj(First_P122);
  Zeruj(First_P123);
  Zeruj(First_P124);
  Zeruj(First_P125);
  Zeruj(First_P126);
  Zeruj(First_P127);
  Zeruj(First_P128);
  Zeruj(First_P129);
  Zeruj(First_P130);
  Zeruj(First_P131);
  Zeruj(First_P132);
  Zeruj(First_P133);
  Zeruj(First_P134);
  Zeruj(First_P135);
  Zeruj(First_P136);
  Zeruj(First_P137);
  Zeruj(First_P138);
  Zeruj(First_P139);
  Zeruj(First_P140);
  Zeruj(First_P141);
  Zeruj(First_P142);
  Zeruj(First_P143);
  Zeruj(First_P144);
  Zeruj(First_P145);
  Zeruj(First_P146);
  Zeruj(First_P147);
  Zeruj(First_P148);
  Zeruj(First_P149);
  Zeruj(First_P150);
end Init_Zbiory;

end B_Pars;
