-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;
  Ile : Natural := 0;

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

  procedure Program;
  procedure Instrukcja;

  procedure Program is
  begin
    while Tok.Kod in Nazwa | Pisz loop
      Instrukcja;
      Ile := Ile + 1;
    end loop;
  end Program;

  procedure Instrukcja is
  begin
    case Tok.Kod is
      when Nazwa =>
        Skanuj_Biezacy;
        case Tok.Kod is
          when Plus | Minus =>
            case Tok.Kod is
              when Plus =>
                Skanuj_Biezacy;
              when Minus =>
                Skanuj_Biezacy;
              when others =>
                Blad (2);
            end case;
            Sprawdz (Liczba, 3);
            Skanuj_Biezacy;
          when Nawias =>
            Skanuj_Biezacy;
            Program;
            Sprawdz (Zamknij, 4);
            Skanuj_Biezacy;
          when others =>
            null;
        end case;
        Sprawdz (Srednik, 5);
        Skanuj_Biezacy;
      when Pisz =>
        Skanuj_Biezacy;
        while Tok.Kod in Nazwa | Liczba loop
          case Tok.Kod is
            when Liczba =>
              Skanuj_Biezacy;
            when Nazwa =>
              Skanuj_Biezacy;
            when others =>
              null;
          end case;
        end loop;
        null;
        Sprawdz (Srednik, 6);
        Skanuj_Biezacy;
      when others =>
        Blad (1);
    end case;
  end Instrukcja;

  procedure Parsuj is
  begin
    Skanuj_Biezacy;
    Program;
    Sprawdz (Koniec, 7);
    Put_Line ("instrukcji:" & Natural'Image (Ile));
  exception
    when Blad_Skanera =>
      W_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

end W_Pars;
