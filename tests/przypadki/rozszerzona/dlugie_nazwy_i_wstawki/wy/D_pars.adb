-- pakiet D_Pars - tresc
-- plik wygenerowany na podstawie opisu w [D.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with D_Skan; use D_Skan;
with D_Bledy;

package body D_Pars is

  Tok : Token_Typ;

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
    D_Bledy.Zglos_Parsera (Nr);
    while not Z_Ktorymi_Dalej (Tok.Kod) loop
      Tok := Skanuj;
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
    Tok := Skanuj;
    if D_Bledy.Wziete < 2 then
      D_Bledy.Wziete := D_Bledy.Wziete + 1;
    end if;
  end Nastepny;
  pragma Inline (Nastepny);

  procedure S (Stop : Zbior_Tokenow);

  procedure S (Stop : Zbior_Tokenow) is
  begin
    null;
    null;
    if Tok.Kod = Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X or else Znaleziony (Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X, 1, Stop or Dalej (1)) then
      null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null; null;
      Nastepny;
    end if;
  end S;

  procedure Parsuj is
  begin
    Tok := Skanuj;
    S (Dalej (2));
    if D_Bledy.Zgloszone > 0 then
      raise Blad_Parsera;
    end if;
  exception
    when Blad_Skanera =>
      D_Bledy.Zglos_Skanera (Nr_Bledu_Skan);
      raise;
    when Storage_Error =>
      D_Bledy.Zglos_Glebokosci;
      raise Blad_Parsera;
  end Parsuj;

  function Dalej (Nr : Positive) return Zbior_Tokenow is
    Zbiory : constant array (1 .. 2) of Zbior_Tokenow := (
      1 => (Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_Nazwa_X => True, others => False),
      2 => (Pusty => True, others => False));
  begin
    return Zbiory (Nr);
  end Dalej;

end D_Pars;
