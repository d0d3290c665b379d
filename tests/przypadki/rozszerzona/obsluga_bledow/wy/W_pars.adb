-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;

  -- blad skladni numer Nr przy biezacym tokenie
  procedure Blad (Nr : Positive) is
  begin
    Nr_Bledu_Pars := Nr;
    raise Blad_Parsera;
  end Blad;

  -- biezacy token musi byc rodzaju Kod, inaczej blad numer Nr
  procedure Sprawdz (Kod : Token_Kod; Nr : Positive) is
  begin
    if Tok.Kod /= Kod then
      Blad (Nr);
    end if;
  end Sprawdz;

  procedure Lista;

  procedure Lista is
  begin
    Sprawdz (Nazwa, 1);
    Skanuj_Biezacy;
    while Tok.Kod = Przecinek loop
      Skanuj_Biezacy;
      Sprawdz (Nazwa, 2);
      Skanuj_Biezacy;
    end loop;
    Sprawdz (Koniec, 3);
    Skanuj_Biezacy;
  end Lista;

  procedure Parsuj is
  begin
    Skanuj_Biezacy;
    Lista;
    Sprawdz (Koniec, 4);
  exception
    when Blad_Skanera =>
      Put_Line ("skaner:" & Integer'Image (Nr_Bledu_Skan));
      raise;
    when Blad_Parsera =>
      Put_Line ("parser:" & Integer'Image (Nr_Bledu_Pars));
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

end W_Pars;
