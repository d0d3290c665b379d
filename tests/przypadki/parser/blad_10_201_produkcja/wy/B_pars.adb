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
  N1;
end Parsuj;

procedure N1 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
end N1;


procedure N2 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
end N2;

procedure N3 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
end N3;

procedure N4 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
end N4;

procedure N5 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=104; raise Blad_Parsera;
  end if;
end N5;

procedure N6 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=105; raise Blad_Parsera;
  end if;
end N6;

procedure N7 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=106; raise Blad_Parsera;
  end if;
end N7;

procedure N8 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=107; raise Blad_Parsera;
  end if;
end N8;

procedure N9 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=108; raise Blad_Parsera;
  end if;
end N9;

procedure N10 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=109; raise Blad_Parsera;
  end if;
end N10;

procedure N11 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=110; raise Blad_Parsera;
  end if;
end N11;

procedure N12 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=111; raise Blad_Parsera;
  end if;
end N12;

procedure N13 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=112; raise Blad_Parsera;
  end if;
end N13;

procedure N14 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=113; raise Blad_Parsera;
  end if;
end N14;

procedure N15 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=114; raise Blad_Parsera;
  end if;
end N15;

procedure N16 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=115; raise Blad_Parsera;
  end if;
end N16;

procedure N17 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=116; raise Blad_Parsera;
  end if;
end N17;

procedure N18 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=117; raise Blad_Parsera;
  end if;
end N18;

procedure N19 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=118; raise Blad_Parsera;
  end if;
end N19;

procedure N20 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=119; raise Blad_Parsera;
  end if;
end N20;

procedure N21 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=120; raise Blad_Parsera;
  end if;
end N21;

procedure N22 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=121; raise Blad_Parsera;
  end if;
end N22;

procedure N23 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=122; raise Blad_Parsera;
  end if;
end N23;

procedure N24 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=123; raise Blad_Parsera;
  end if;
end N24;

procedure N25 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=124; raise Blad_Parsera;
  end if;
end N25;

procedure N26 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=125; raise Blad_Parsera;
  end if;
end N26;

procedure N27 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=126; raise Blad_Parsera;
  end if;
end N27;

procedure N28 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=127; raise Blad_Parsera;
  end if;
end N28;

procedure N29 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=128; raise Blad_Parsera;
  end if;
end N29;

procedure N30 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=129; raise Blad_Parsera;
  end if;
end N30;

procedure N31 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=130; raise Blad_Parsera;
  end if;
end N31;

procedure N32 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=131; raise Blad_Parsera;
  end if;
end N32;

procedure N33 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=132; raise Blad_Parsera;
  end if;
end N33;

procedure N34 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=133; raise Blad_Parsera;
  end if;
end N34;

procedure N35 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=134; raise Blad_Parsera;
  end if;
end N35;

procedure N36 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=135; raise Blad_Parsera;
  end if;
end N36;

procedure N37 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=136; raise Blad_Parsera;
  end if;
end N37;

procedure N38 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=137; raise Blad_Parsera;
  end if;
end N38;

procedure N39 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=138; raise Blad_Parsera;
  end if;
end N39;

procedure N40 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=139; raise Blad_Parsera;
  end if;
end N40;

procedure N41 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=140; raise Blad_Parsera;
  end if;
end N41;

procedure N42 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=141; raise Blad_Parsera;
  end if;
end N42;

procedure N43 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=142; raise Blad_Parsera;
  end if;
end N43;

procedure N44 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=143; raise Blad_Parsera;
  end if;
end N44;

procedure N45 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=144; raise Blad_Parsera;
  end if;
end N45;

procedure N46 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=145; raise Blad_Parsera;
  end if;
end N46;

procedure N47 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=146; raise Blad_Parsera;
  end if;
end N47;

procedure N48 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=147; raise Blad_Parsera;
  end if;
end N48;

procedure N49 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=148; raise Blad_Parsera;
  end if;
end N49;

procedure N50 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=149; raise Blad_Parsera;
  end if;
end N50;

procedure N51 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=150; raise Blad_Parsera;
  end if;
end N51;

procedure N52 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=151; raise Blad_Parsera;
  end if;
end N52;

procedure N53 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=152; raise Blad_Parsera;
  end if;
end N53;

procedure N54 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=153; raise Blad_Parsera;
  end if;
end N54;

procedure N55 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=154; raise Blad_Parsera;
  end if;
end N55;

procedure N56 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=155; raise Blad_Parsera;
  end if;
end N56;

procedure N57 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=156; raise Blad_Parsera;
  end if;
end N57;

procedure N58 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=157; raise Blad_Parsera;
  end if;
end N58;

procedure N59 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=158; raise Blad_Parsera;
  end if;
end N59;

procedure N60 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=159; raise Blad_Parsera;
  end if;
end N60;

procedure N61 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=160; raise Blad_Parsera;
  end if;
end N61;

procedure N62 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=161; raise Blad_Parsera;
  end if;
end N62;

procedure N63 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=162; raise Blad_Parsera;
  end if;
end N63;

procedure N64 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=163; raise Blad_Parsera;
  end if;
end N64;

procedure N65 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=164; raise Blad_Parsera;
  end if;
end N65;

procedure N66 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=165; raise Blad_Parsera;
  end if;
end N66;

procedure N67 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=166; raise Blad_Parsera;
  end if;
end N67;

procedure N68 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=167; raise Blad_Parsera;
  end if;
end N68;

procedure N69 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=168; raise Blad_Parsera;
  end if;
end N69;

procedure N70 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=169; raise Blad_Parsera;
  end if;
end N70;

procedure N71 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=170; raise Blad_Parsera;
  end if;
end N71;

procedure N72 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=171; raise Blad_Parsera;
  end if;
end N72;

procedure N73 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=172; raise Blad_Parsera;
  end if;
end N73;

procedure N74 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=173; raise Blad_Parsera;
  end if;
end N74;

procedure N75 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=174; raise Blad_Parsera;
  end if;
end N75;

procedure N76 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=175; raise Blad_Parsera;
  end if;
end N76;

procedure N77 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=176; raise Blad_Parsera;
  end if;
end N77;

procedure N78 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=177; raise Blad_Parsera;
  end if;
end N78;

procedure N79 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=178; raise Blad_Parsera;
  end if;
end N79;

procedure N80 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=179; raise Blad_Parsera;
  end if;
end N80;

procedure N81 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=180; raise Blad_Parsera;
  end if;
end N81;

procedure N82 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=181; raise Blad_Parsera;
  end if;
end N82;

procedure N83 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=182; raise Blad_Parsera;
  end if;
end N83;

procedure N84 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=183; raise Blad_Parsera;
  end if;
end N84;

procedure N85 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=184; raise Blad_Parsera;
  end if;
end N85;

procedure N86 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=185; raise Blad_Parsera;
  end if;
end N86;

procedure N87 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=186; raise Blad_Parsera;
  end if;
end N87;

procedure N88 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=187; raise Blad_Parsera;
  end if;
end N88;

procedure N89 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=188; raise Blad_Parsera;
  end if;
end N89;

procedure N90 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=189; raise Blad_Parsera;
  end if;
end N90;

procedure N91 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=190; raise Blad_Parsera;
  end if;
end N91;

procedure N92 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=191; raise Blad_Parsera;
  end if;
end N92;

procedure N93 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=192; raise Blad_Parsera;
  end if;
end N93;

procedure N94 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=193; raise Blad_Parsera;
  end if;
end N94;

procedure N95 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=194; raise Blad_Parsera;
  end if;
end N95;

procedure N96 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=195; raise Blad_Parsera;
  end if;
end N96;

procedure N97 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=196; raise Blad_Parsera;
  end if;
end N97;

procedure N98 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=197; raise Blad_Parsera;
  end if;
end N98;

procedure N99 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=198; raise Blad_Parsera;
  end if;
end N99;

procedure N100 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=199; raise Blad_Parsera;
  end if;
end N100;

procedure N101 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=200; raise Blad_Parsera;
  end if;
end N101;

procedure N102 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=201; raise Blad_Parsera;
  end if;
end N102;

procedure N103 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=202; raise Blad_Parsera;
  end if;
end N103;

procedure N104 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=203; raise Blad_Parsera;
  end if;
end N104;

procedure N105 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=204; raise Blad_Parsera;
  end if;
end N105;

procedure N106 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=205; raise Blad_Parsera;
  end if;
end N106;

procedure N107 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=206; raise Blad_Parsera;
  end if;
end N107;

procedure N108 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=207; raise Blad_Parsera;
  end if;
end N108;

procedure N109 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=208; raise Blad_Parsera;
  end if;
end N109;

procedure N110 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=209; raise Blad_Parsera;
  end if;
end N110;

procedure N111 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=210; raise Blad_Parsera;
  end if;
end N111;

procedure N112 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=211; raise Blad_Parsera;
  end if;
end N112;

procedure N113 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=212; raise Blad_Parsera;
  end if;
end N113;

procedure N114 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=213; raise Blad_Parsera;
  end if;
end N114;

procedure N115 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=214; raise Blad_Parsera;
  end if;
end N115;

procedure N116 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=215; raise Blad_Parsera;
  end if;
end N116;

procedure N117 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=216; raise Blad_Parsera;
  end if;
end N117;

procedure N118 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=217; raise Blad_Parsera;
  end if;
end N118;

procedure N119 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=218; raise Blad_Parsera;
  end if;
end N119;

procedure N120 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=219; raise Blad_Parsera;
  end if;
end N120;

procedure N121 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=220; raise Blad_Parsera;
  end if;
end N121;

procedure N122 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=221; raise Blad_Parsera;
  end if;
end N122;

procedure N123 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=222; raise Blad_Parsera;
  end if;
end N123;

procedure N124 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=223; raise Blad_Parsera;
  end if;
end N124;

procedure N125 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=224; raise Blad_Parsera;
  end if;
end N125;

procedure N126 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=225; raise Blad_Parsera;
  end if;
end N126;

procedure N127 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=226; raise Blad_Parsera;
  end if;
end N127;

procedure N128 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=227; raise Blad_Parsera;
  end if;
end N128;

procedure N129 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=228; raise Blad_Parsera;
  end if;
end N129;

procedure N130 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=229; raise Blad_Parsera;
  end if;
end N130;

procedure N131 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=230; raise Blad_Parsera;
  end if;
end N131;

procedure N132 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=231; raise Blad_Parsera;
  end if;
end N132;

procedure N133 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=232; raise Blad_Parsera;
  end if;
end N133;

procedure N134 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=233; raise Blad_Parsera;
  end if;
end N134;

procedure N135 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=234; raise Blad_Parsera;
  end if;
end N135;

procedure N136 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=235; raise Blad_Parsera;
  end if;
end N136;

procedure N137 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=236; raise Blad_Parsera;
  end if;
end N137;

procedure N138 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=237; raise Blad_Parsera;
  end if;
end N138;

procedure N139 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=238; raise Blad_Parsera;
  end if;
end N139;

procedure N140 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=239; raise Blad_Parsera;
  end if;
end N140;

procedure N141 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=240; raise Blad_Parsera;
  end if;
end N141;

procedure N142 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=241; raise Blad_Parsera;
  end if;
end N142;

procedure N143 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=242; raise Blad_Parsera;
  end if;
end N143;

procedure N144 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=243; raise Blad_Parsera;
  end if;
end N144;

procedure N145 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=244; raise Blad_Parsera;
  end if;
end N145;

procedure N146 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=245; raise Blad_Parsera;
  end if;
end N146;

procedure N147 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=246; raise Blad_Parsera;
  end if;
end N147;

procedure N148 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=247; raise Blad_Parsera;
  end if;
end N148;

procedure N149 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=248; raise Blad_Parsera;
  end if;
end N149;

procedure N150 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=249; raise Blad_Parsera;
  end if;
end N150;

procedure N151 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=250; raise Blad_Parsera;
  end if;
end N151;

procedure N152 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=251; raise Blad_Parsera;
  end if;
end N152;

procedure N153 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=252; raise Blad_Parsera;
  end if;
end N153;

procedure N154 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=253; raise Blad_Parsera;
  end if;
end N154;

procedure N155 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=254; raise Blad_Parsera;
  end if;
end N155;

procedure N156 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=255; raise Blad_Parsera;
  end if;
end N156;

procedure N157 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=256; raise Blad_Parsera;
  end if;
end N157;

procedure N158 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=257; raise Blad_Parsera;
  end if;
end N158;

procedure N159 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=258; raise Blad_Parsera;
  end if;
end N159;

procedure N160 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=259; raise Blad_Parsera;
  end if;
end N160;

procedure N161 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=260; raise Blad_Parsera;
  end if;
end N161;

procedure N162 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=261; raise Blad_Parsera;
  end if;
end N162;

procedure N163 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=262; raise Blad_Parsera;
  end if;
end N163;

procedure N164 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=263; raise Blad_Parsera;
  end if;
end N164;

procedure N165 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=264; raise Blad_Parsera;
  end if;
end N165;

procedure N166 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=265; raise Blad_Parsera;
  end if;
end N166;

procedure N167 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=266; raise Blad_Parsera;
  end if;
end N167;

procedure N168 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=267; raise Blad_Parsera;
  end if;
end N168;

procedure N169 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=268; raise Blad_Parsera;
  end if;
end N169;

procedure N170 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=269; raise Blad_Parsera;
  end if;
end N170;

procedure N171 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=270; raise Blad_Parsera;
  end if;
end N171;

procedure N172 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=271; raise Blad_Parsera;
  end if;
end N172;

procedure N173 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=272; raise Blad_Parsera;
  end if;
end N173;

procedure N174 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=273; raise Blad_Parsera;
  end if;
end N174;

procedure N175 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=274; raise Blad_Parsera;
  end if;
end N175;

procedure N176 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=275; raise Blad_Parsera;
  end if;
end N176;

procedure N177 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=276; raise Blad_Parsera;
  end if;
end N177;

procedure N178 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=277; raise Blad_Parsera;
  end if;
end N178;

procedure N179 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=278; raise Blad_Parsera;
  end if;
end N179;

procedure N180 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=279; raise Blad_Parsera;
  end if;
end N180;

procedure N181 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=280; raise Blad_Parsera;
  end if;
end N181;

procedure N182 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=281; raise Blad_Parsera;
  end if;
end N182;

procedure N183 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=282; raise Blad_Parsera;
  end if;
end N183;

procedure N184 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=283; raise Blad_Parsera;
  end if;
end N184;

procedure N185 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=284; raise Blad_Parsera;
  end if;
end N185;

procedure N186 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=285; raise Blad_Parsera;
  end if;
end N186;

procedure N187 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=286; raise Blad_Parsera;
  end if;
end N187;

procedure N188 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=287; raise Blad_Parsera;
  end if;
end N188;

procedure N189 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=288; raise Blad_Parsera;
  end if;
end N189;

procedure N190 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=289; raise Blad_Parsera;
  end if;
end N190;

procedure N191 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=290; raise Blad_Parsera;
  end if;
end N191;

procedure N192 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=291; raise Blad_Parsera;
  end if;
end N192;

procedure N193 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=292; raise Blad_Parsera;
  end if;
end N193;

procedure N194 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=293; raise Blad_Parsera;
  end if;
end N194;

procedure N195 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=294; raise Blad_Parsera;
  end if;
end N195;

procedure N196 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=295; raise Blad_Parsera;
  end if;
end N196;

procedure N197 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=296; raise Blad_Parsera;
  end if;
end N197;

procedure N198 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=297; raise Blad_Parsera;
  end if;
end N198;

procedure N199 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=298; raise Blad_Parsera;
  end if;
end N199;

procedure N200 is
begin
  if Tok.Kod=x then
    -- tu wpisz obsluge tokena 'x'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=299; raise Blad_Parsera;
  end if;
end N200;

