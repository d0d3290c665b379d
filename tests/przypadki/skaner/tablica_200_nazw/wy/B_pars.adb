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
  N_1;
end Parsuj;

procedure N_1 is
begin
  if Tok.Kod=t_1 then
    -- tu wpisz obsluge tokena 't_1'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=100; raise Blad_Parsera;
  end if;
  N_2;
end N_1;


procedure N_2 is
begin
  if Tok.Kod=t_2 then
    -- tu wpisz obsluge tokena 't_2'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=101; raise Blad_Parsera;
  end if;
  N_3;
end N_2;

procedure N_3 is
begin
  if Tok.Kod=t_3 then
    -- tu wpisz obsluge tokena 't_3'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=102; raise Blad_Parsera;
  end if;
  N_4;
end N_3;

procedure N_4 is
begin
  if Tok.Kod=t_4 then
    -- tu wpisz obsluge tokena 't_4'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=103; raise Blad_Parsera;
  end if;
  N_5;
end N_4;

procedure N_5 is
begin
  if Tok.Kod=t_5 then
    -- tu wpisz obsluge tokena 't_5'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=104; raise Blad_Parsera;
  end if;
  N_6;
end N_5;

procedure N_6 is
begin
  if Tok.Kod=t_6 then
    -- tu wpisz obsluge tokena 't_6'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=105; raise Blad_Parsera;
  end if;
  N_7;
end N_6;

procedure N_7 is
begin
  if Tok.Kod=t_7 then
    -- tu wpisz obsluge tokena 't_7'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=106; raise Blad_Parsera;
  end if;
  N_8;
end N_7;

procedure N_8 is
begin
  if Tok.Kod=t_8 then
    -- tu wpisz obsluge tokena 't_8'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=107; raise Blad_Parsera;
  end if;
  N_9;
end N_8;

procedure N_9 is
begin
  if Tok.Kod=t_9 then
    -- tu wpisz obsluge tokena 't_9'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=108; raise Blad_Parsera;
  end if;
  N_10;
end N_9;

procedure N_10 is
begin
  if Tok.Kod=t_10 then
    -- tu wpisz obsluge tokena 't_10'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=109; raise Blad_Parsera;
  end if;
  N_11;
end N_10;

procedure N_11 is
begin
  if Tok.Kod=t_11 then
    -- tu wpisz obsluge tokena 't_11'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=110; raise Blad_Parsera;
  end if;
  N_12;
end N_11;

procedure N_12 is
begin
  if Tok.Kod=t_12 then
    -- tu wpisz obsluge tokena 't_12'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=111; raise Blad_Parsera;
  end if;
  N_13;
end N_12;

procedure N_13 is
begin
  if Tok.Kod=t_13 then
    -- tu wpisz obsluge tokena 't_13'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=112; raise Blad_Parsera;
  end if;
  N_14;
end N_13;

procedure N_14 is
begin
  if Tok.Kod=t_14 then
    -- tu wpisz obsluge tokena 't_14'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=113; raise Blad_Parsera;
  end if;
  N_15;
end N_14;

procedure N_15 is
begin
  if Tok.Kod=t_15 then
    -- tu wpisz obsluge tokena 't_15'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=114; raise Blad_Parsera;
  end if;
  N_16;
end N_15;

procedure N_16 is
begin
  if Tok.Kod=t_16 then
    -- tu wpisz obsluge tokena 't_16'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=115; raise Blad_Parsera;
  end if;
  N_17;
end N_16;

procedure N_17 is
begin
  if Tok.Kod=t_17 then
    -- tu wpisz obsluge tokena 't_17'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=116; raise Blad_Parsera;
  end if;
  N_18;
end N_17;

procedure N_18 is
begin
  if Tok.Kod=t_18 then
    -- tu wpisz obsluge tokena 't_18'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=117; raise Blad_Parsera;
  end if;
  N_19;
end N_18;

procedure N_19 is
begin
  if Tok.Kod=t_19 then
    -- tu wpisz obsluge tokena 't_19'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=118; raise Blad_Parsera;
  end if;
  N_20;
end N_19;

procedure N_20 is
begin
  if Tok.Kod=t_20 then
    -- tu wpisz obsluge tokena 't_20'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=119; raise Blad_Parsera;
  end if;
  N_21;
end N_20;

procedure N_21 is
begin
  if Tok.Kod=t_21 then
    -- tu wpisz obsluge tokena 't_21'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=120; raise Blad_Parsera;
  end if;
  N_22;
end N_21;

procedure N_22 is
begin
  if Tok.Kod=t_22 then
    -- tu wpisz obsluge tokena 't_22'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=121; raise Blad_Parsera;
  end if;
  N_23;
end N_22;

procedure N_23 is
begin
  if Tok.Kod=t_23 then
    -- tu wpisz obsluge tokena 't_23'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=122; raise Blad_Parsera;
  end if;
  N_24;
end N_23;

procedure N_24 is
begin
  if Tok.Kod=t_24 then
    -- tu wpisz obsluge tokena 't_24'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=123; raise Blad_Parsera;
  end if;
  N_25;
end N_24;

procedure N_25 is
begin
  if Tok.Kod=t_25 then
    -- tu wpisz obsluge tokena 't_25'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=124; raise Blad_Parsera;
  end if;
  N_26;
end N_25;

procedure N_26 is
begin
  if Tok.Kod=t_26 then
    -- tu wpisz obsluge tokena 't_26'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=125; raise Blad_Parsera;
  end if;
  N_27;
end N_26;

procedure N_27 is
begin
  if Tok.Kod=t_27 then
    -- tu wpisz obsluge tokena 't_27'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=126; raise Blad_Parsera;
  end if;
  N_28;
end N_27;

procedure N_28 is
begin
  if Tok.Kod=t_28 then
    -- tu wpisz obsluge tokena 't_28'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=127; raise Blad_Parsera;
  end if;
  N_29;
end N_28;

procedure N_29 is
begin
  if Tok.Kod=t_29 then
    -- tu wpisz obsluge tokena 't_29'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=128; raise Blad_Parsera;
  end if;
  N_30;
end N_29;

procedure N_30 is
begin
  if Tok.Kod=t_30 then
    -- tu wpisz obsluge tokena 't_30'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=129; raise Blad_Parsera;
  end if;
  N_31;
end N_30;

procedure N_31 is
begin
  if Tok.Kod=t_31 then
    -- tu wpisz obsluge tokena 't_31'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=130; raise Blad_Parsera;
  end if;
  N_32;
end N_31;

procedure N_32 is
begin
  if Tok.Kod=t_32 then
    -- tu wpisz obsluge tokena 't_32'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=131; raise Blad_Parsera;
  end if;
  N_33;
end N_32;

procedure N_33 is
begin
  if Tok.Kod=t_33 then
    -- tu wpisz obsluge tokena 't_33'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=132; raise Blad_Parsera;
  end if;
  N_34;
end N_33;

procedure N_34 is
begin
  if Tok.Kod=t_34 then
    -- tu wpisz obsluge tokena 't_34'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=133; raise Blad_Parsera;
  end if;
  N_35;
end N_34;

procedure N_35 is
begin
  if Tok.Kod=t_35 then
    -- tu wpisz obsluge tokena 't_35'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=134; raise Blad_Parsera;
  end if;
  N_36;
end N_35;

procedure N_36 is
begin
  if Tok.Kod=t_36 then
    -- tu wpisz obsluge tokena 't_36'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=135; raise Blad_Parsera;
  end if;
  N_37;
end N_36;

procedure N_37 is
begin
  if Tok.Kod=t_37 then
    -- tu wpisz obsluge tokena 't_37'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=136; raise Blad_Parsera;
  end if;
  N_38;
end N_37;

procedure N_38 is
begin
  if Tok.Kod=t_38 then
    -- tu wpisz obsluge tokena 't_38'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=137; raise Blad_Parsera;
  end if;
  N_39;
end N_38;

procedure N_39 is
begin
  if Tok.Kod=t_39 then
    -- tu wpisz obsluge tokena 't_39'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=138; raise Blad_Parsera;
  end if;
  N_40;
end N_39;

procedure N_40 is
begin
  if Tok.Kod=t_40 then
    -- tu wpisz obsluge tokena 't_40'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=139; raise Blad_Parsera;
  end if;
  N_41;
end N_40;

procedure N_41 is
begin
  if Tok.Kod=t_41 then
    -- tu wpisz obsluge tokena 't_41'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=140; raise Blad_Parsera;
  end if;
  N_42;
end N_41;

procedure N_42 is
begin
  if Tok.Kod=t_42 then
    -- tu wpisz obsluge tokena 't_42'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=141; raise Blad_Parsera;
  end if;
  N_43;
end N_42;

procedure N_43 is
begin
  if Tok.Kod=t_43 then
    -- tu wpisz obsluge tokena 't_43'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=142; raise Blad_Parsera;
  end if;
  N_44;
end N_43;

procedure N_44 is
begin
  if Tok.Kod=t_44 then
    -- tu wpisz obsluge tokena 't_44'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=143; raise Blad_Parsera;
  end if;
  N_45;
end N_44;

procedure N_45 is
begin
  if Tok.Kod=t_45 then
    -- tu wpisz obsluge tokena 't_45'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=144; raise Blad_Parsera;
  end if;
  N_46;
end N_45;

procedure N_46 is
begin
  if Tok.Kod=t_46 then
    -- tu wpisz obsluge tokena 't_46'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=145; raise Blad_Parsera;
  end if;
  N_47;
end N_46;

procedure N_47 is
begin
  if Tok.Kod=t_47 then
    -- tu wpisz obsluge tokena 't_47'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=146; raise Blad_Parsera;
  end if;
  N_48;
end N_47;

procedure N_48 is
begin
  if Tok.Kod=t_48 then
    -- tu wpisz obsluge tokena 't_48'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=147; raise Blad_Parsera;
  end if;
  N_49;
end N_48;

procedure N_49 is
begin
  if Tok.Kod=t_49 then
    -- tu wpisz obsluge tokena 't_49'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=148; raise Blad_Parsera;
  end if;
  N_50;
end N_49;

procedure N_50 is
begin
  if Tok.Kod=t_50 then
    -- tu wpisz obsluge tokena 't_50'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=149; raise Blad_Parsera;
  end if;
  N_51;
end N_50;

procedure N_51 is
begin
  if Tok.Kod=t_51 then
    -- tu wpisz obsluge tokena 't_51'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=150; raise Blad_Parsera;
  end if;
  N_52;
end N_51;

procedure N_52 is
begin
  if Tok.Kod=t_52 then
    -- tu wpisz obsluge tokena 't_52'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=151; raise Blad_Parsera;
  end if;
  N_53;
end N_52;

procedure N_53 is
begin
  if Tok.Kod=t_53 then
    -- tu wpisz obsluge tokena 't_53'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=152; raise Blad_Parsera;
  end if;
  N_54;
end N_53;

procedure N_54 is
begin
  if Tok.Kod=t_54 then
    -- tu wpisz obsluge tokena 't_54'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=153; raise Blad_Parsera;
  end if;
  N_55;
end N_54;

procedure N_55 is
begin
  if Tok.Kod=t_55 then
    -- tu wpisz obsluge tokena 't_55'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=154; raise Blad_Parsera;
  end if;
  N_56;
end N_55;

procedure N_56 is
begin
  if Tok.Kod=t_56 then
    -- tu wpisz obsluge tokena 't_56'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=155; raise Blad_Parsera;
  end if;
  N_57;
end N_56;

procedure N_57 is
begin
  if Tok.Kod=t_57 then
    -- tu wpisz obsluge tokena 't_57'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=156; raise Blad_Parsera;
  end if;
  N_58;
end N_57;

procedure N_58 is
begin
  if Tok.Kod=t_58 then
    -- tu wpisz obsluge tokena 't_58'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=157; raise Blad_Parsera;
  end if;
  N_59;
end N_58;

procedure N_59 is
begin
  if Tok.Kod=t_59 then
    -- tu wpisz obsluge tokena 't_59'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=158; raise Blad_Parsera;
  end if;
  N_60;
end N_59;

procedure N_60 is
begin
  if Tok.Kod=t_60 then
    -- tu wpisz obsluge tokena 't_60'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=159; raise Blad_Parsera;
  end if;
  N_61;
end N_60;

procedure N_61 is
begin
  if Tok.Kod=t_61 then
    -- tu wpisz obsluge tokena 't_61'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=160; raise Blad_Parsera;
  end if;
  N_62;
end N_61;

procedure N_62 is
begin
  if Tok.Kod=t_62 then
    -- tu wpisz obsluge tokena 't_62'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=161; raise Blad_Parsera;
  end if;
  N_63;
end N_62;

procedure N_63 is
begin
  if Tok.Kod=t_63 then
    -- tu wpisz obsluge tokena 't_63'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=162; raise Blad_Parsera;
  end if;
  N_64;
end N_63;

procedure N_64 is
begin
  if Tok.Kod=t_64 then
    -- tu wpisz obsluge tokena 't_64'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=163; raise Blad_Parsera;
  end if;
  N_65;
end N_64;

procedure N_65 is
begin
  if Tok.Kod=t_65 then
    -- tu wpisz obsluge tokena 't_65'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=164; raise Blad_Parsera;
  end if;
  N_66;
end N_65;

procedure N_66 is
begin
  if Tok.Kod=t_66 then
    -- tu wpisz obsluge tokena 't_66'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=165; raise Blad_Parsera;
  end if;
  N_67;
end N_66;

procedure N_67 is
begin
  if Tok.Kod=t_67 then
    -- tu wpisz obsluge tokena 't_67'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=166; raise Blad_Parsera;
  end if;
  N_68;
end N_67;

procedure N_68 is
begin
  if Tok.Kod=t_68 then
    -- tu wpisz obsluge tokena 't_68'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=167; raise Blad_Parsera;
  end if;
  N_69;
end N_68;

procedure N_69 is
begin
  if Tok.Kod=t_69 then
    -- tu wpisz obsluge tokena 't_69'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=168; raise Blad_Parsera;
  end if;
  N_70;
end N_69;

procedure N_70 is
begin
  if Tok.Kod=t_70 then
    -- tu wpisz obsluge tokena 't_70'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=169; raise Blad_Parsera;
  end if;
  N_71;
end N_70;

procedure N_71 is
begin
  if Tok.Kod=t_71 then
    -- tu wpisz obsluge tokena 't_71'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=170; raise Blad_Parsera;
  end if;
  N_72;
end N_71;

procedure N_72 is
begin
  if Tok.Kod=t_72 then
    -- tu wpisz obsluge tokena 't_72'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=171; raise Blad_Parsera;
  end if;
  N_73;
end N_72;

procedure N_73 is
begin
  if Tok.Kod=t_73 then
    -- tu wpisz obsluge tokena 't_73'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=172; raise Blad_Parsera;
  end if;
  N_74;
end N_73;

procedure N_74 is
begin
  if Tok.Kod=t_74 then
    -- tu wpisz obsluge tokena 't_74'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=173; raise Blad_Parsera;
  end if;
  N_75;
end N_74;

procedure N_75 is
begin
  if Tok.Kod=t_75 then
    -- tu wpisz obsluge tokena 't_75'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=174; raise Blad_Parsera;
  end if;
  N_76;
end N_75;

procedure N_76 is
begin
  if Tok.Kod=t_76 then
    -- tu wpisz obsluge tokena 't_76'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=175; raise Blad_Parsera;
  end if;
  N_77;
end N_76;

procedure N_77 is
begin
  if Tok.Kod=t_77 then
    -- tu wpisz obsluge tokena 't_77'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=176; raise Blad_Parsera;
  end if;
  N_78;
end N_77;

procedure N_78 is
begin
  if Tok.Kod=t_78 then
    -- tu wpisz obsluge tokena 't_78'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=177; raise Blad_Parsera;
  end if;
  N_79;
end N_78;

procedure N_79 is
begin
  if Tok.Kod=t_79 then
    -- tu wpisz obsluge tokena 't_79'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=178; raise Blad_Parsera;
  end if;
  N_80;
end N_79;

procedure N_80 is
begin
  if Tok.Kod=t_80 then
    -- tu wpisz obsluge tokena 't_80'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=179; raise Blad_Parsera;
  end if;
  N_81;
end N_80;

procedure N_81 is
begin
  if Tok.Kod=t_81 then
    -- tu wpisz obsluge tokena 't_81'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=180; raise Blad_Parsera;
  end if;
  N_82;
end N_81;

procedure N_82 is
begin
  if Tok.Kod=t_82 then
    -- tu wpisz obsluge tokena 't_82'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=181; raise Blad_Parsera;
  end if;
  N_83;
end N_82;

procedure N_83 is
begin
  if Tok.Kod=t_83 then
    -- tu wpisz obsluge tokena 't_83'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=182; raise Blad_Parsera;
  end if;
  N_84;
end N_83;

procedure N_84 is
begin
  if Tok.Kod=t_84 then
    -- tu wpisz obsluge tokena 't_84'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=183; raise Blad_Parsera;
  end if;
  N_85;
end N_84;

procedure N_85 is
begin
  if Tok.Kod=t_85 then
    -- tu wpisz obsluge tokena 't_85'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=184; raise Blad_Parsera;
  end if;
  N_86;
end N_85;

procedure N_86 is
begin
  if Tok.Kod=t_86 then
    -- tu wpisz obsluge tokena 't_86'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=185; raise Blad_Parsera;
  end if;
  N_87;
end N_86;

procedure N_87 is
begin
  if Tok.Kod=t_87 then
    -- tu wpisz obsluge tokena 't_87'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=186; raise Blad_Parsera;
  end if;
  N_88;
end N_87;

procedure N_88 is
begin
  if Tok.Kod=t_88 then
    -- tu wpisz obsluge tokena 't_88'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=187; raise Blad_Parsera;
  end if;
  N_89;
end N_88;

procedure N_89 is
begin
  if Tok.Kod=t_89 then
    -- tu wpisz obsluge tokena 't_89'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=188; raise Blad_Parsera;
  end if;
  N_90;
end N_89;

procedure N_90 is
begin
  if Tok.Kod=t_90 then
    -- tu wpisz obsluge tokena 't_90'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=189; raise Blad_Parsera;
  end if;
  N_91;
end N_90;

procedure N_91 is
begin
  if Tok.Kod=t_91 then
    -- tu wpisz obsluge tokena 't_91'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=190; raise Blad_Parsera;
  end if;
  N_92;
end N_91;

procedure N_92 is
begin
  if Tok.Kod=t_92 then
    -- tu wpisz obsluge tokena 't_92'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=191; raise Blad_Parsera;
  end if;
  N_93;
end N_92;

procedure N_93 is
begin
  if Tok.Kod=t_93 then
    -- tu wpisz obsluge tokena 't_93'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=192; raise Blad_Parsera;
  end if;
  N_94;
end N_93;

procedure N_94 is
begin
  if Tok.Kod=t_94 then
    -- tu wpisz obsluge tokena 't_94'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=193; raise Blad_Parsera;
  end if;
  N_95;
end N_94;

procedure N_95 is
begin
  if Tok.Kod=t_95 then
    -- tu wpisz obsluge tokena 't_95'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=194; raise Blad_Parsera;
  end if;
  N_96;
end N_95;

procedure N_96 is
begin
  if Tok.Kod=t_96 then
    -- tu wpisz obsluge tokena 't_96'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=195; raise Blad_Parsera;
  end if;
  N_97;
end N_96;

procedure N_97 is
begin
  if Tok.Kod=t_97 then
    -- tu wpisz obsluge tokena 't_97'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=196; raise Blad_Parsera;
  end if;
  N_98;
end N_97;

procedure N_98 is
begin
  if Tok.Kod=t_98 then
    -- tu wpisz obsluge tokena 't_98'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=197; raise Blad_Parsera;
  end if;
  N_99;
end N_98;

procedure N_99 is
begin
  if Tok.Kod=t_99 then
    -- tu wpisz obsluge tokena 't_99'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=198; raise Blad_Parsera;
  end if;
  N_100;
end N_99;

procedure N_100 is
begin
  if Tok.Kod=t_100 then
    -- tu wpisz obsluge tokena 't_100'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=199; raise Blad_Parsera;
  end if;
  N_101;
end N_100;

procedure N_101 is
begin
  if Tok.Kod=t_101 then
    -- tu wpisz obsluge tokena 't_101'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=200; raise Blad_Parsera;
  end if;
  N_102;
end N_101;

procedure N_102 is
begin
  if Tok.Kod=t_102 then
    -- tu wpisz obsluge tokena 't_102'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=201; raise Blad_Parsera;
  end if;
  N_103;
end N_102;

procedure N_103 is
begin
  if Tok.Kod=t_103 then
    -- tu wpisz obsluge tokena 't_103'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=202; raise Blad_Parsera;
  end if;
  N_104;
end N_103;

procedure N_104 is
begin
  if Tok.Kod=t_104 then
    -- tu wpisz obsluge tokena 't_104'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=203; raise Blad_Parsera;
  end if;
  N_105;
end N_104;

procedure N_105 is
begin
  if Tok.Kod=t_105 then
    -- tu wpisz obsluge tokena 't_105'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=204; raise Blad_Parsera;
  end if;
  N_106;
end N_105;

procedure N_106 is
begin
  if Tok.Kod=t_106 then
    -- tu wpisz obsluge tokena 't_106'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=205; raise Blad_Parsera;
  end if;
  N_107;
end N_106;

procedure N_107 is
begin
  if Tok.Kod=t_107 then
    -- tu wpisz obsluge tokena 't_107'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=206; raise Blad_Parsera;
  end if;
  N_108;
end N_107;

procedure N_108 is
begin
  if Tok.Kod=t_108 then
    -- tu wpisz obsluge tokena 't_108'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=207; raise Blad_Parsera;
  end if;
  N_109;
end N_108;

procedure N_109 is
begin
  if Tok.Kod=t_109 then
    -- tu wpisz obsluge tokena 't_109'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=208; raise Blad_Parsera;
  end if;
  N_110;
end N_109;

procedure N_110 is
begin
  if Tok.Kod=t_110 then
    -- tu wpisz obsluge tokena 't_110'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=209; raise Blad_Parsera;
  end if;
  N_111;
end N_110;

procedure N_111 is
begin
  if Tok.Kod=t_111 then
    -- tu wpisz obsluge tokena 't_111'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=210; raise Blad_Parsera;
  end if;
  N_112;
end N_111;

procedure N_112 is
begin
  if Tok.Kod=t_112 then
    -- tu wpisz obsluge tokena 't_112'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=211; raise Blad_Parsera;
  end if;
  N_113;
end N_112;

procedure N_113 is
begin
  if Tok.Kod=t_113 then
    -- tu wpisz obsluge tokena 't_113'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=212; raise Blad_Parsera;
  end if;
  N_114;
end N_113;

procedure N_114 is
begin
  if Tok.Kod=t_114 then
    -- tu wpisz obsluge tokena 't_114'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=213; raise Blad_Parsera;
  end if;
  N_115;
end N_114;

procedure N_115 is
begin
  if Tok.Kod=t_115 then
    -- tu wpisz obsluge tokena 't_115'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=214; raise Blad_Parsera;
  end if;
  N_116;
end N_115;

procedure N_116 is
begin
  if Tok.Kod=t_116 then
    -- tu wpisz obsluge tokena 't_116'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=215; raise Blad_Parsera;
  end if;
  N_117;
end N_116;

procedure N_117 is
begin
  if Tok.Kod=t_117 then
    -- tu wpisz obsluge tokena 't_117'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=216; raise Blad_Parsera;
  end if;
  N_118;
end N_117;

procedure N_118 is
begin
  if Tok.Kod=t_118 then
    -- tu wpisz obsluge tokena 't_118'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=217; raise Blad_Parsera;
  end if;
  N_119;
end N_118;

procedure N_119 is
begin
  if Tok.Kod=t_119 then
    -- tu wpisz obsluge tokena 't_119'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=218; raise Blad_Parsera;
  end if;
  N_120;
end N_119;

procedure N_120 is
begin
  if Tok.Kod=t_120 then
    -- tu wpisz obsluge tokena 't_120'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=219; raise Blad_Parsera;
  end if;
  N_121;
end N_120;

procedure N_121 is
begin
  if Tok.Kod=t_121 then
    -- tu wpisz obsluge tokena 't_121'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=220; raise Blad_Parsera;
  end if;
  N_122;
end N_121;

procedure N_122 is
begin
  if Tok.Kod=t_122 then
    -- tu wpisz obsluge tokena 't_122'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=221; raise Blad_Parsera;
  end if;
  N_123;
end N_122;

procedure N_123 is
begin
  if Tok.Kod=t_123 then
    -- tu wpisz obsluge tokena 't_123'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=222; raise Blad_Parsera;
  end if;
  N_124;
end N_123;

procedure N_124 is
begin
  if Tok.Kod=t_124 then
    -- tu wpisz obsluge tokena 't_124'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=223; raise Blad_Parsera;
  end if;
  N_125;
end N_124;

procedure N_125 is
begin
  if Tok.Kod=t_125 then
    -- tu wpisz obsluge tokena 't_125'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=224; raise Blad_Parsera;
  end if;
  N_126;
end N_125;

procedure N_126 is
begin
  if Tok.Kod=t_126 then
    -- tu wpisz obsluge tokena 't_126'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=225; raise Blad_Parsera;
  end if;
  N_127;
end N_126;

procedure N_127 is
begin
  if Tok.Kod=t_127 then
    -- tu wpisz obsluge tokena 't_127'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=226; raise Blad_Parsera;
  end if;
  N_128;
end N_127;

procedure N_128 is
begin
  if Tok.Kod=t_128 then
    -- tu wpisz obsluge tokena 't_128'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=227; raise Blad_Parsera;
  end if;
  N_129;
end N_128;

procedure N_129 is
begin
  if Tok.Kod=t_129 then
    -- tu wpisz obsluge tokena 't_129'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=228; raise Blad_Parsera;
  end if;
  N_130;
end N_129;

procedure N_130 is
begin
  if Tok.Kod=t_130 then
    -- tu wpisz obsluge tokena 't_130'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=229; raise Blad_Parsera;
  end if;
  N_131;
end N_130;

procedure N_131 is
begin
  if Tok.Kod=t_131 then
    -- tu wpisz obsluge tokena 't_131'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=230; raise Blad_Parsera;
  end if;
  N_132;
end N_131;

procedure N_132 is
begin
  if Tok.Kod=t_132 then
    -- tu wpisz obsluge tokena 't_132'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=231; raise Blad_Parsera;
  end if;
  N_133;
end N_132;

procedure N_133 is
begin
  if Tok.Kod=t_133 then
    -- tu wpisz obsluge tokena 't_133'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=232; raise Blad_Parsera;
  end if;
  N_134;
end N_133;

procedure N_134 is
begin
  if Tok.Kod=t_134 then
    -- tu wpisz obsluge tokena 't_134'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=233; raise Blad_Parsera;
  end if;
  N_135;
end N_134;

procedure N_135 is
begin
  if Tok.Kod=t_135 then
    -- tu wpisz obsluge tokena 't_135'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=234; raise Blad_Parsera;
  end if;
  N_136;
end N_135;

procedure N_136 is
begin
  if Tok.Kod=t_136 then
    -- tu wpisz obsluge tokena 't_136'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=235; raise Blad_Parsera;
  end if;
  N_137;
end N_136;

procedure N_137 is
begin
  if Tok.Kod=t_137 then
    -- tu wpisz obsluge tokena 't_137'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=236; raise Blad_Parsera;
  end if;
  N_138;
end N_137;

procedure N_138 is
begin
  if Tok.Kod=t_138 then
    -- tu wpisz obsluge tokena 't_138'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=237; raise Blad_Parsera;
  end if;
  N_139;
end N_138;

procedure N_139 is
begin
  if Tok.Kod=t_139 then
    -- tu wpisz obsluge tokena 't_139'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=238; raise Blad_Parsera;
  end if;
  N_140;
end N_139;

procedure N_140 is
begin
  if Tok.Kod=t_140 then
    -- tu wpisz obsluge tokena 't_140'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=239; raise Blad_Parsera;
  end if;
  N_141;
end N_140;

procedure N_141 is
begin
  if Tok.Kod=t_141 then
    -- tu wpisz obsluge tokena 't_141'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=240; raise Blad_Parsera;
  end if;
  N_142;
end N_141;

procedure N_142 is
begin
  if Tok.Kod=t_142 then
    -- tu wpisz obsluge tokena 't_142'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=241; raise Blad_Parsera;
  end if;
  N_143;
end N_142;

procedure N_143 is
begin
  if Tok.Kod=t_143 then
    -- tu wpisz obsluge tokena 't_143'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=242; raise Blad_Parsera;
  end if;
  N_144;
end N_143;

procedure N_144 is
begin
  if Tok.Kod=t_144 then
    -- tu wpisz obsluge tokena 't_144'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=243; raise Blad_Parsera;
  end if;
  N_145;
end N_144;

procedure N_145 is
begin
  if Tok.Kod=t_145 then
    -- tu wpisz obsluge tokena 't_145'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=244; raise Blad_Parsera;
  end if;
  N_146;
end N_145;

procedure N_146 is
begin
  if Tok.Kod=t_146 then
    -- tu wpisz obsluge tokena 't_146'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=245; raise Blad_Parsera;
  end if;
  N_147;
end N_146;

procedure N_147 is
begin
  if Tok.Kod=t_147 then
    -- tu wpisz obsluge tokena 't_147'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=246; raise Blad_Parsera;
  end if;
  N_148;
end N_147;

procedure N_148 is
begin
  if Tok.Kod=t_148 then
    -- tu wpisz obsluge tokena 't_148'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=247; raise Blad_Parsera;
  end if;
  N_149;
end N_148;

procedure N_149 is
begin
  if Tok.Kod=t_149 then
    -- tu wpisz obsluge tokena 't_149'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=248; raise Blad_Parsera;
  end if;
  N_150;
end N_149;

procedure N_150 is
begin
  if Tok.Kod=t_150 then
    -- tu wpisz obsluge tokena 't_150'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=249; raise Blad_Parsera;
  end if;
  N_151;
end N_150;

procedure N_151 is
begin
  if Tok.Kod=t_151 then
    -- tu wpisz obsluge tokena 't_151'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=250; raise Blad_Parsera;
  end if;
  N_152;
end N_151;

procedure N_152 is
begin
  if Tok.Kod=t_152 then
    -- tu wpisz obsluge tokena 't_152'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=251; raise Blad_Parsera;
  end if;
  N_153;
end N_152;

procedure N_153 is
begin
  if Tok.Kod=t_153 then
    -- tu wpisz obsluge tokena 't_153'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=252; raise Blad_Parsera;
  end if;
  N_154;
end N_153;

procedure N_154 is
begin
  if Tok.Kod=t_154 then
    -- tu wpisz obsluge tokena 't_154'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=253; raise Blad_Parsera;
  end if;
  N_155;
end N_154;

procedure N_155 is
begin
  if Tok.Kod=t_155 then
    -- tu wpisz obsluge tokena 't_155'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=254; raise Blad_Parsera;
  end if;
  N_156;
end N_155;

procedure N_156 is
begin
  if Tok.Kod=t_156 then
    -- tu wpisz obsluge tokena 't_156'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=255; raise Blad_Parsera;
  end if;
  N_157;
end N_156;

procedure N_157 is
begin
  if Tok.Kod=t_157 then
    -- tu wpisz obsluge tokena 't_157'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=256; raise Blad_Parsera;
  end if;
  N_158;
end N_157;

procedure N_158 is
begin
  if Tok.Kod=t_158 then
    -- tu wpisz obsluge tokena 't_158'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=257; raise Blad_Parsera;
  end if;
  N_159;
end N_158;

procedure N_159 is
begin
  if Tok.Kod=t_159 then
    -- tu wpisz obsluge tokena 't_159'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=258; raise Blad_Parsera;
  end if;
  N_160;
end N_159;

procedure N_160 is
begin
  if Tok.Kod=t_160 then
    -- tu wpisz obsluge tokena 't_160'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=259; raise Blad_Parsera;
  end if;
  N_161;
end N_160;

procedure N_161 is
begin
  if Tok.Kod=t_161 then
    -- tu wpisz obsluge tokena 't_161'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=260; raise Blad_Parsera;
  end if;
  N_162;
end N_161;

procedure N_162 is
begin
  if Tok.Kod=t_162 then
    -- tu wpisz obsluge tokena 't_162'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=261; raise Blad_Parsera;
  end if;
  N_163;
end N_162;

procedure N_163 is
begin
  if Tok.Kod=t_163 then
    -- tu wpisz obsluge tokena 't_163'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=262; raise Blad_Parsera;
  end if;
  N_164;
end N_163;

procedure N_164 is
begin
  if Tok.Kod=t_164 then
    -- tu wpisz obsluge tokena 't_164'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=263; raise Blad_Parsera;
  end if;
  N_165;
end N_164;

procedure N_165 is
begin
  if Tok.Kod=t_165 then
    -- tu wpisz obsluge tokena 't_165'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=264; raise Blad_Parsera;
  end if;
  N_166;
end N_165;

procedure N_166 is
begin
  if Tok.Kod=t_166 then
    -- tu wpisz obsluge tokena 't_166'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=265; raise Blad_Parsera;
  end if;
  N_167;
end N_166;

procedure N_167 is
begin
  if Tok.Kod=t_167 then
    -- tu wpisz obsluge tokena 't_167'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=266; raise Blad_Parsera;
  end if;
  N_168;
end N_167;

procedure N_168 is
begin
  if Tok.Kod=t_168 then
    -- tu wpisz obsluge tokena 't_168'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=267; raise Blad_Parsera;
  end if;
  N_169;
end N_168;

procedure N_169 is
begin
  if Tok.Kod=t_169 then
    -- tu wpisz obsluge tokena 't_169'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=268; raise Blad_Parsera;
  end if;
  N_170;
end N_169;

procedure N_170 is
begin
  if Tok.Kod=t_170 then
    -- tu wpisz obsluge tokena 't_170'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=269; raise Blad_Parsera;
  end if;
  N_171;
end N_170;

procedure N_171 is
begin
  if Tok.Kod=t_171 then
    -- tu wpisz obsluge tokena 't_171'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=270; raise Blad_Parsera;
  end if;
  N_172;
end N_171;

procedure N_172 is
begin
  if Tok.Kod=t_172 then
    -- tu wpisz obsluge tokena 't_172'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=271; raise Blad_Parsera;
  end if;
  N_173;
end N_172;

procedure N_173 is
begin
  if Tok.Kod=t_173 then
    -- tu wpisz obsluge tokena 't_173'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=272; raise Blad_Parsera;
  end if;
  N_174;
end N_173;

procedure N_174 is
begin
  if Tok.Kod=t_174 then
    -- tu wpisz obsluge tokena 't_174'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=273; raise Blad_Parsera;
  end if;
  N_175;
end N_174;

procedure N_175 is
begin
  if Tok.Kod=t_175 then
    -- tu wpisz obsluge tokena 't_175'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=274; raise Blad_Parsera;
  end if;
  N_176;
end N_175;

procedure N_176 is
begin
  if Tok.Kod=t_176 then
    -- tu wpisz obsluge tokena 't_176'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=275; raise Blad_Parsera;
  end if;
  N_177;
end N_176;

procedure N_177 is
begin
  if Tok.Kod=t_177 then
    -- tu wpisz obsluge tokena 't_177'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=276; raise Blad_Parsera;
  end if;
  N_178;
end N_177;

procedure N_178 is
begin
  if Tok.Kod=t_178 then
    -- tu wpisz obsluge tokena 't_178'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=277; raise Blad_Parsera;
  end if;
  N_179;
end N_178;

procedure N_179 is
begin
  if Tok.Kod=t_179 then
    -- tu wpisz obsluge tokena 't_179'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=278; raise Blad_Parsera;
  end if;
  N_180;
end N_179;

procedure N_180 is
begin
  if Tok.Kod=t_180 then
    -- tu wpisz obsluge tokena 't_180'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=279; raise Blad_Parsera;
  end if;
  N_181;
end N_180;

procedure N_181 is
begin
  if Tok.Kod=t_181 then
    -- tu wpisz obsluge tokena 't_181'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=280; raise Blad_Parsera;
  end if;
  N_182;
end N_181;

procedure N_182 is
begin
  if Tok.Kod=t_182 then
    -- tu wpisz obsluge tokena 't_182'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=281; raise Blad_Parsera;
  end if;
  N_183;
end N_182;

procedure N_183 is
begin
  if Tok.Kod=t_183 then
    -- tu wpisz obsluge tokena 't_183'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=282; raise Blad_Parsera;
  end if;
  N_184;
end N_183;

procedure N_184 is
begin
  if Tok.Kod=t_184 then
    -- tu wpisz obsluge tokena 't_184'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=283; raise Blad_Parsera;
  end if;
  N_185;
end N_184;

procedure N_185 is
begin
  if Tok.Kod=t_185 then
    -- tu wpisz obsluge tokena 't_185'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=284; raise Blad_Parsera;
  end if;
  N_186;
end N_185;

procedure N_186 is
begin
  if Tok.Kod=t_186 then
    -- tu wpisz obsluge tokena 't_186'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=285; raise Blad_Parsera;
  end if;
  N_187;
end N_186;

procedure N_187 is
begin
  if Tok.Kod=t_187 then
    -- tu wpisz obsluge tokena 't_187'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=286; raise Blad_Parsera;
  end if;
  N_188;
end N_187;

procedure N_188 is
begin
  if Tok.Kod=t_188 then
    -- tu wpisz obsluge tokena 't_188'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=287; raise Blad_Parsera;
  end if;
  N_189;
end N_188;

procedure N_189 is
begin
  if Tok.Kod=t_189 then
    -- tu wpisz obsluge tokena 't_189'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=288; raise Blad_Parsera;
  end if;
  N_190;
end N_189;

procedure N_190 is
begin
  if Tok.Kod=t_190 then
    -- tu wpisz obsluge tokena 't_190'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=289; raise Blad_Parsera;
  end if;
  N_191;
end N_190;

procedure N_191 is
begin
  if Tok.Kod=t_191 then
    -- tu wpisz obsluge tokena 't_191'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=290; raise Blad_Parsera;
  end if;
  N_192;
end N_191;

procedure N_192 is
begin
  if Tok.Kod=t_192 then
    -- tu wpisz obsluge tokena 't_192'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=291; raise Blad_Parsera;
  end if;
  N_193;
end N_192;

procedure N_193 is
begin
  if Tok.Kod=t_193 then
    -- tu wpisz obsluge tokena 't_193'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=292; raise Blad_Parsera;
  end if;
  N_194;
end N_193;

procedure N_194 is
begin
  if Tok.Kod=t_194 then
    -- tu wpisz obsluge tokena 't_194'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=293; raise Blad_Parsera;
  end if;
  N_195;
end N_194;

procedure N_195 is
begin
  if Tok.Kod=t_195 then
    -- tu wpisz obsluge tokena 't_195'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=294; raise Blad_Parsera;
  end if;
  N_196;
end N_195;

procedure N_196 is
begin
  if Tok.Kod=t_196 then
    -- tu wpisz obsluge tokena 't_196'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=295; raise Blad_Parsera;
  end if;
  N_197;
end N_196;

procedure N_197 is
begin
  if Tok.Kod=t_197 then
    -- tu wpisz obsluge tokena 't_197'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=296; raise Blad_Parsera;
  end if;
  N_198;
end N_197;

procedure N_198 is
begin
  if Tok.Kod=t_198 then
    -- tu wpisz obsluge tokena 't_198'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=297; raise Blad_Parsera;
  end if;
  N_199;
end N_198;

procedure N_199 is
begin
  if Tok.Kod=t_199 then
    -- tu wpisz obsluge tokena 't_199'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=298; raise Blad_Parsera;
  end if;
  if Tok.Kod=t_200 then
    -- tu wpisz obsluge tokena 't_200'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=299; raise Blad_Parsera;
  end if;
  if Tok.Kod=t_201 then
    -- tu wpisz obsluge tokena 't_201'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=300; raise Blad_Parsera;
  end if;
  if Tok.Kod=t_1 then
    -- tu wpisz obsluge tokena 't_1'
    null;
    Tok:=Skanuj;
  else Nr_Bledu_Pars:=301; raise Blad_Parsera;
  end if;
  t_201;
end N_199;

procedure Init_Zbiory is
begin
  Zeruj(First_N_1);
  Zeruj(First_N_2);
  Zeruj(First_N_3);
  Zeruj(First_N_4);
  Zeruj(First_N_5);
  Zeruj(First_N_6);
  Zeruj(First_N_7);
  Zeruj(First_N_8);
  Zeruj(First_N_9);
  Zeruj(First_N_10);
  Zeruj(First_N_11);
  Zeruj(First_N_12);
  Zeruj(First_N_13);
  Zeruj(First_N_14);
  Zeruj(First_N_15);
  Zeruj(First_N_16);
  Zeruj(First_N_17);
  Zeruj(First_N_18);
  Zeruj(First_N_19);
  Zeruj(First_N_20);
  Zeruj(First_N_21);
  Zeruj(First_N_22);
  Zeruj(First_N_23);
  Zeruj(First_N_24);
  Zeruj(First_N_25);
  Zeruj(First_N_26);
  Zeruj(First_N_27);
  Zeruj(First_N_28);
  Zeruj(First_N_29);
  Zeruj(First_N_30);
  Zeruj(First_N_31);
  Zeruj(First_N_32);
  Zeruj(First_N_33);
  Zeruj(First_N_34);
  Zeruj(First_N_35);
  Zeruj(First_N_36);
  Zeruj(First_N_37);
  Zeruj(First_N_38);
  Zeruj(First_N_39);
  Zeruj(First_N_40);
  Zeruj(First_N_41);
  Zeruj(First_N_42);
  Zeruj(First_N_43);
  Zeruj(First_N_44);
  Zeruj(First_N_45);
  Zeruj(First_N_46);
  Zeruj(First_N_47);
  Zeruj(First_N_48);
  Zeruj(First_N_49);
  Zeruj(First_N_50);
  Zeruj(First_N_51);
  Zeruj(First_N_52);
  Zeruj(First_N_53);
  Zeruj(First_N_54);
  Zeruj(First_N_55);
  Zeruj(First_N_56);
  Zeruj(First_N_57);
  Zeruj(First_N_58);
  Zeruj(First_N_59);
  Zeruj(First_N_60);
  Zeruj(First_N_61);
  Zeruj(First_N_62);
  Zeruj(First_N_63);
  Zeruj(First_N_64);
  Zeruj(First_N_65);
  Zeruj(First_N_66);
  Zeruj(First_N_67);
  Zeruj(First_N_68);
  Zeruj(First_N_69);
  Zeruj(First_N_70);
  Zeruj(First_N_71);
  Zeruj(First_N_72);
  Zeruj(First_N_73);
  Zeruj(First_N_74);
  Zeruj(First_N_75);
  Zeruj(First_N_76);
  Zeruj(First_N_77);
  Zeruj(First_N_78);
  Zeruj(First_N_79);
  Zeruj(First_N_80);
  Zeruj(First_N_81);
  Zeruj(First_N_82);
  Zeruj(First_N_83);
  Zeruj(First_N_84);
  Zeruj(First_N_85);
  Zeruj(First_N_86);
  Zeruj(First_N_87);
  Zeruj(First_N_88);
  Zeruj(First_N_89);
  Zeruj(First_N_90);
  Zeruj(First_N_91);
  Zeruj(First_N_92);
  Zeruj(First_N_93);
  Zeruj(First_N_94);
  Zeruj(First_N_95);
  Zeruj(First_N_96);
  Zeruj(First_N_97);
  Zeruj(First_N_98);
  Zeruj(First_N_99);
  Zeruj(First_N_100);
  Zeruj(First_N_101);
  Zeruj(First_N_102);
  Zeruj(First_N_103);
  Zeruj(First_N_104);
  Zeruj(First_N_105);
  Zeruj(First_N_106);
  Zeruj(First_N_107);
  Zeruj(First_N_108);
  Zeruj(First_N_109);
  Zeruj(First_N_110);
  Zeruj(First_N_111);
  Zeruj(First_N_112);
  Zeruj(First_N_113);
  Zeruj(First_N_114);
  Zeruj(First_N_115);
  Zeruj(First_N_116);
  Zeruj(First_N_117);
  Zeruj(First_N_118);
  Zeruj(First_N_119);
  Zeruj(First_N_120);
  Zeruj(First_N_121);
  Zeruj(First_N_122);
  Zeruj(First_N_123);
  Zeruj(First_N_124);
  Zeruj(First_N_125);
  Zeruj(First_N_126);
  Zeruj(First_N_127);
  Zeruj(First_N_128);
  Zeruj(First_N_129);
  Zeruj(First_N_130);
  Zeruj(First_N_131);
  Zeruj(First_N_132);
  Zeruj(First_N_133);
  Zeruj(First_N_134);
  Zeruj(First_N_135);
  Zeruj(First_N_136);
  Zeruj(First_N_137);
  Zeruj(First_N_138);
  Zeruj(First_N_139);
  Zeruj(First_N_140);
  Zeruj(First_N_141);
  Zeruj(First_N_142);
  Zeruj(First_N_143);
  Zeruj(First_N_144);
  Zeruj(First_N_145);
  Zeruj(First_N_146);
  Zeruj(First_N_147);
  Zeruj(First_N_148);
  Zeruj(First_N_149);
  Zeruj(First_N_150);
  Zeruj(First_N_151);
  Zeruj(First_N_152);
  Zeruj(First_N_153);
  Zeruj(First_N_154);
  Zeruj(First_N_155);
  Zeruj(First_N_156);
  Zeruj(First_N_157);
  Zeruj(First_N_158);
  Zeruj(First_N_159);
  Zeruj(First_N_160);
  Zeruj(First_N_161);
  Zeruj(First_N_162);
  Zeruj(First_N_163);
  Zeruj(First_N_164);
  Zeruj(First_N_165);
  Zeruj(First_N_166);
  Zeruj(First_N_167);
  Zeruj(First_N_168);
  Zeruj(First_N_169);
  Zeruj(First_N_170);
  Zeruj(First_N_171);
  Zeruj(First_N_172);
  Zeruj(First_N_173);
  Zeruj(First_N_174);
  Zeruj(First_N_175);
  Zeruj(First_N_176);
  Zeruj(First_N_177);
  Zeruj(First_N_178);
  Zeruj(First_N_179);
  Zeruj(First_N_180);
  Zeruj(First_N_181);
  Zeruj(First_N_182);
  Zeruj(First_N_183);
  Zeruj(First_N_184);
  Zeruj(First_N_185);
  Zeruj(First_N_186);
  Zeruj(First_N_187);
  Zeruj(First_N_188);
  Zeruj(First_N_189);
  Zeruj(First_N_190);
  Zeruj(First_N_191);
  Zeruj(First_N_192);
  Zeruj(First_N_193);
  Zeruj(First_N_194);
  Zeruj(First_N_195);
  Zeruj(First_N_196);
  Zeruj(First_N_197);
  Zeruj(First_N_198);
  Zeruj(First_N_199);
  Zeruj(First_t_201);
end Init_Zbiory;

end B_Pars;
