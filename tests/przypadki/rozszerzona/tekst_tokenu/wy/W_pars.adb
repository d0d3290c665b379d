-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with W_Skan; use W_Skan;
with W_Bledy;
with Ada.Text_IO; use Ada.Text_IO;

package body W_Pars is

  Tok : Token_Typ renames Biezacy;

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

  procedure Lista (Stop : Zbior_Tokenow);

  procedure Lista (Stop : Zbior_Tokenow) is
  begin
    while Tok.Kod = Nazwa loop
      Put_Line ("[" & Tok.Wart (1 .. 6) & "]" & Natural'Image (Tekst'Length));
      Nastepny;
    end loop;
    if Tok.Kod = Koniec or else Znaleziony (Koniec, 1, Stop or Dalej (1)) then
      Nastepny;
    end if;
  end Lista;

  procedure Parsuj is
  begin
    Skanuj_Biezacy;
    Lista (Dalej (1));
    if Tok.Kod /= Koniec then
      Blad (2, Dalej (1));
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
    Zbiory : constant array (1 .. 1) of Zbior_Tokenow := (
      1 => (Koniec => True, others => False));
  begin
    return Zbiory (Nr);
  end Dalej;

end W_Pars;
