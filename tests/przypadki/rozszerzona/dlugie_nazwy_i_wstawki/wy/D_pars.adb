-- pakiet D_Pars - tresc
-- plik wygenerowany na podstawie opisu w [D.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with D_Skan; use D_Skan;
with D_Bledy;

package body D_Pars is

  Tok : Token_Typ;

  procedure S;

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

  procedure S is
  begin
    null;
    null;
    Sprawdz (Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X, 1);
    null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null;
    Tok := Skanuj;
  end S;

  procedure Parsuj is
  begin
    Tok := Skanuj;
    S;
  exception
    when Blad_Skanera =>
      D_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      D_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

end D_Pars;
