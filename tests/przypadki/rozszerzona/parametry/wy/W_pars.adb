-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;
  subtype Liczba_Typ is Integer range 0 .. 1_000;

  type Zbior_Tokenow is array (Token_Kod) of Boolean with Pack;

  -- zbior numer Nr tokenow, z ktorymi parser moze isc dalej po bledzie w
  -- jednym z miejsc gramatyki; procedura produkcji dostaje w Stop te, z
  -- ktorymi moga isc dalej produkcje, ktore ja wywolaly
  function Dalej (Nr : Positive) return Zbior_Tokenow;
  pragma Inline (Dalej);

  -- blad skladni numer Nr przy biezacym tokenie; potem parser pomija tokeny
  -- do pierwszego z tych, z ktorymi moze isc dalej
  procedure Blad (Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow) is
  begin
    Nr_Bledu_Pars := Nr;
    W_Bledy.Zglos_Parsera (Nr);
    while not Z_Ktorymi_Dalej (Tok.Kod) loop
      Skanuj_Biezacy;
    end loop;
  end Blad;

  -- po bledzie numer Nr tam, gdzie mial stac token rodzaju Kod: czy stoi
  -- on tam, gdzie parser poszedl dalej
  function Znaleziony (Kod : Token_Kod; Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow) return Boolean is
  begin
    Blad (Nr, Z_Ktorymi_Dalej);
    return Tok.Kod = Kod;
  end Znaleziony;

  -- nastepny token po tym, ktory parser wzial tak, jak chce gramatyka
  procedure Nastepny is
  begin
    Skanuj_Biezacy;
    if W_Bledy.Wziete < 2 then
      W_Bledy.Wziete := W_Bledy.Wziete + 1;
    end if;
  end Nastepny;
  pragma Inline (Nastepny);

  procedure Lista (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                   Ile : out Natural; Stop : Zbior_Tokenow);
  procedure Element (Nazwy : in out Unbounded_String; Ile : in out Natural; Stop : Zbior_Tokenow);
  procedure Wartosc (L : out Liczba_Typ -- the value in brackets
                     ; Stop : Zbior_Tokenow);

  procedure Lista (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                   Ile : out Natural; Stop : Zbior_Tokenow) is
  begin
    Nazwy := Null_Unbounded_String; Ile := 0;
    Element (Nazwy, Ile, Stop or Dalej (1));
    while Tok.Kod in Przecinek | Liczba | Nazwa loop
      if Tok.Kod = Przecinek or else Znaleziony (Przecinek, 1, Stop or Dalej (2)) then
        Nastepny;
      end if;
      if Tok.Kod not in Liczba | Nazwa then
        Blad (2, Stop or Dalej (2));
      end if;
      case Tok.Kod is
        when Nazwa =>
          Element (Nazwy, Ile, Stop or Dalej (2));
        when Liczba =>
          Put_Line (Tekst);
          Nastepny;
        when others =>
          null;
      end case;
    end loop;
  end Lista;

  procedure Element (Nazwy : in out Unbounded_String; Ile : in out Natural; Stop : Zbior_Tokenow) is
    L : Liczba_Typ;
  begin
    if Tok.Kod = Nazwa or else Znaleziony (Nazwa, 3, Stop or Dalej (3)) then
      Append (Nazwy, Tekst); Ile := Ile + 1;
      Nastepny;
    end if;
    if Tok.Kod = Nawias then
      Nastepny;
      Wartosc (L, Stop or Dalej (4));
      if Tok.Kod = Zamknij or else Znaleziony (Zamknij, 4, Stop or Dalej (4)) then
        Ile := Ile + L;
        Nastepny;
      end if;
    end if;
  end Element;

  procedure Wartosc (L : out Liczba_Typ -- the value in brackets
                     ; Stop : Zbior_Tokenow) is
  begin
    if Tok.Kod = Liczba or else Znaleziony (Liczba, 5, Stop or Dalej (5)) then
      L := Liczba_Typ'Value (Tekst);
      Nastepny;
    end if;
  end Wartosc;

  procedure Parsuj (Nazwy : out Ada.Strings.Unbounded.Unbounded_String;
                    Ile : out Natural) is
  begin
    Skanuj_Biezacy;
    Lista (Nazwy, Ile, Dalej (6));
    if Tok.Kod /= Koniec then
      Blad (6, Dalej (6));
    end if;
    if W_Bledy.Zgloszone > 0 then
      raise Blad_Parsera;
    end if;
  exception
    when Blad_Skanera =>
      W_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      W_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

  function Dalej (Nr : Positive) return Zbior_Tokenow is
    Zbiory : constant array (1 .. 6) of Zbior_Tokenow := (
      1 => (Przecinek => True, others => False),
      2 => (Przecinek | Liczba | Nazwa => True, others => False),
      3 => (Nazwa | Nawias => True, others => False),
      4 => (Zamknij => True, others => False),
      5 => (Liczba => True, others => False),
      6 => (Koniec => True, others => False));
  begin
    return Zbiory (Nr);
  end Dalej;

end W_Pars;
