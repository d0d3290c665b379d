-- pakiet W_Skan - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package W_Skan is

  Dl_Tok : constant := 100;
  Nr_Bledu_Skan : Integer := 0;

  type Token_Kod is (Nazwa, Plus, Minus, Liczba, Nawias, Zamknij,
    Srednik, Pisz, Koniec, Pusty);

  -- rodzaj tokenu i pierwsze Dl_Tok znakow jego tekstu, dopelnione spacjami
  type Token_Typ is record
    Kod : Token_Kod;
    Wart : String (1 .. Dl_Tok);
  end record;

  -- nastepny token wejscia; na jego koncu token konca
  function Skanuj return Token_Typ;
  -- to samo w miejscu: Skanuj_Biezacy wpisuje nastepny token w Biezacy
  -- (bez Wart, ktorego gramatyka nie czyta: tekst daje Tekst)
  Biezacy : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
  procedure Skanuj_Biezacy;
  -- caly tekst tokenu, ktory Skanuj dal ostatnio
  function Tekst return String;

  Blad_Skanera : exception;

  -- zbior rodzajow tokenow: tych, ktorych parser oczekiwal przy bledzie, albo
  -- tych, z ktorymi moze isc dalej
  type Zbior_Tokenow is array (Token_Kod) of Boolean with Pack;

end W_Skan;
