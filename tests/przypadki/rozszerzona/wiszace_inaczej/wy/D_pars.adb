-- pakiet D_Pars - tresc
-- plik wygenerowany na podstawie opisu w [D.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with D_Skan; use D_Skan;
with D_Bledy;

package body D_Pars is

  Tok : Token_Typ;

  procedure Program;
  procedure Instr;

  -- blad skladni numer Nr przy biezacym tokenie
  procedure Blad (Nr : Positive) is
  begin
    Nr_Bledu_Pars := Nr;
    D_Bledy.Zglos_Parsera (Nr);
    raise Blad_Parsera;
  end Blad;

  -- biezacy token musi byc rodzaju Kod, inaczej blad numer Nr
  procedure Sprawdz (Kod : Token_Kod; Nr : Positive) is
  begin
    if Tok.Kod /= Kod then
      Blad (Nr);
    end if;
  end Sprawdz;

  procedure Program is
  begin
    while Tok.Kod in Jesli | X loop
      Instr;
    end loop;
  end Program;

  procedure Instr is
  begin
    case Tok.Kod is
      when Jesli =>
        Tok := Skanuj;
        Sprawdz (Warunek, 2);
        Tok := Skanuj;
        Sprawdz (To, 3);
        Tok := Skanuj;
        Instr;
        if Tok.Kod = Inaczej then
          Tok := Skanuj;
          Instr;
        end if;
      when X =>
        Tok := Skanuj;
      when others =>
        Blad (1);
    end case;
  end Instr;

  procedure Parsuj is
  begin
    Tok := Skanuj;
    Program;
    Sprawdz (Koniec, 4);
  exception
    when Blad_Skanera =>
      D_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      D_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

end D_Pars;
