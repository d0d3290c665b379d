-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ;
  subtype Liczba_Typ is Integer range 0 .. 1_000;

  procedure Lista (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                   Ile : out Natural);
  procedure Element (Nazwy : in out Unbounded_String; Ile : in out Natural);
  procedure Wartosc (L : out Liczba_Typ -- the value in brackets
                    );

  -- blad skladni numer Nr przy biezacym tokenie
  procedure Blad (Nr : Positive) is
  begin
    Nr_Bledu_Pars := Nr;
    W_Bledy.Zglos_Parsera (Nr);
    raise Blad_Parsera;
  end Blad;

  -- biezacy token musi byc rodzaju Kod, inaczej blad numer Nr
  procedure Sprawdz (Kod : Token_Kod; Nr : Positive) is
  begin
    if Tok.Kod /= Kod then
      Blad (Nr);
    end if;
  end Sprawdz;

  procedure Lista (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                   Ile : out Natural) is
  begin
    Nazwy := Null_Unbounded_String; Ile := 0;
    Element (Nazwy, Ile);
    while Tok.Kod = Przecinek loop
      Tok := Skanuj;
      case Tok.Kod is
        when Nazwa =>
          Element (Nazwy, Ile);
        when Liczba =>
          Put_Line (Tekst);
          Tok := Skanuj;
        when others =>
          Blad (1);
      end case;
    end loop;
  end Lista;

  procedure Element (Nazwy : in out Unbounded_String; Ile : in out Natural) is
    L : Liczba_Typ;
  begin
    Sprawdz (Nazwa, 2);
    Append (Nazwy, Tekst); Ile := Ile + 1;
    Tok := Skanuj;
    if Tok.Kod = Nawias then
      Tok := Skanuj;
      Wartosc (L);
      Sprawdz (Zamknij, 3);
      Ile := Ile + L;
      Tok := Skanuj;
    end if;
  end Element;

  procedure Wartosc (L : out Liczba_Typ -- the value in brackets
                    ) is
  begin
    Sprawdz (Liczba, 4);
    L := Liczba_Typ'Value (Tekst);
    Tok := Skanuj;
  end Wartosc;

  procedure Parsuj (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                    Ile : out Natural) is
  begin
    Tok := Skanuj;
    Lista (Nazwy, Ile);
    Sprawdz (Koniec, 5);
  exception
    when Blad_Skanera =>
      W_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

end W_Pars;
