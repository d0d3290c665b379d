-- pakiet D_Pars - tresc
-- plik wygenerowany na podstawie opisu w [D.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with D_Skan; use D_Skan;
with D_Bledy;

package body D_Pars is

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
    D_Bledy.Zglos_Parsera (Nr);
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
    if D_Bledy.Wziete < 2 then
      D_Bledy.Wziete := D_Bledy.Wziete + 1;
    end if;
  end Nastepny;
  pragma Inline (Nastepny);

  procedure Program (Stop : Zbior_Tokenow);
  procedure Instr (Stop : Zbior_Tokenow);

  procedure Program (Stop : Zbior_Tokenow) is
  begin
    while Tok.Kod in Jesli | X loop
      Instr (Stop or Dalej (1));
    end loop;
  end Program;

  procedure Instr (Stop : Zbior_Tokenow) is
  begin
    if Tok.Kod not in Jesli | X then
      Blad (1, Stop or Dalej (1));
    end if;
    case Tok.Kod is
      when Jesli =>
        Nastepny;
        if Tok.Kod = Warunek or else Znaleziony (Warunek, 2, Stop or Dalej (2)) then
          Nastepny;
        end if;
        if Tok.Kod = To or else Znaleziony (To, 3, Stop or Dalej (3)) then
          Nastepny;
        end if;
        Instr (Stop or Dalej (4));
        if Tok.Kod = Inaczej then
          Nastepny;
          Instr (Stop);
        end if;
      when X =>
        Nastepny;
      when others =>
        null;
    end case;
  end Instr;

  procedure Parsuj is
  begin
    Skanuj_Biezacy;
    Program (Dalej (5));
    if Tok.Kod /= Koniec then
      Blad (4, Dalej (5));
    end if;
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
    Zbiory : constant array (1 .. 5) of Zbior_Tokenow := (
      1 => (Jesli | X => True, others => False),
      2 => (Warunek | To => True, others => False),
      3 => (Jesli | To | X => True, others => False),
      4 => (Inaczej => True, others => False),
      5 => (Koniec => True, others => False));
  begin
    return Zbiory (Nr);
  end Dalej;

end D_Pars;
