--  Scanner of the calculator, written by hand for the token kinds that
--  bryzas declares in Kalk_skan_t.ads. It reads standard input; blanks,
--  tabs and line ends separate tokens, the end of the input is Koniec.
package body Kalk_Skan is

   Zn : Character := ' ';          --  lookahead: next character not yet used
   Na_Koncu : Boolean := False;    --  the input is used up

   --  Moves Zn to the next character; a line end reads as a blank.
   procedure Nastepny is
   begin
      if End_Of_File then
         Na_Koncu := True;
         Zn := ' ';
      elsif End_Of_Line then
         Skip_Line;
         Zn := ' ';
      else
         Get (Zn);
      end if;
   end Nastepny;

   procedure Blad (Numer : Integer) is
   begin
      Nr_Bledu_Skan := Numer;
      raise Blad_Skanera;
   end Blad;

   --  Error 1: a character that starts no token.
   --  Error 2: a number that does not fit an Integer.
   function Skanuj return Token_Typ is
      Wynik : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
      Dl : Natural := 0;
   begin
      while not Na_Koncu and then (Zn = ' ' or Zn = ASCII.HT) loop
         Nastepny;
      end loop;
      if Na_Koncu then
         Wynik.Kod := Koniec;
         return Wynik;
      end if;
      case Zn is
         when '0' .. '9' =>
            while not Na_Koncu and then Zn in '0' .. '9' loop
               if Dl = 10 then
                  Blad (2);
               end if;
               Dl := Dl + 1;
               Wynik.Wart (Dl) := Zn;
               Nastepny;
            end loop;
            if Long_Long_Integer'Value (Wynik.Wart (1 .. Dl))
               > Long_Long_Integer (Integer'Last)
            then
               Blad (2);
            end if;
            Wynik.Kod := Liczba;
            return Wynik;
         when '+' => Wynik.Kod := Plus;
         when '-' => Wynik.Kod := Minus;
         when '*' => Wynik.Kod := Razy;
         when '/' => Wynik.Kod := Dziel;
         when '(' => Wynik.Kod := LNawias;
         when ')' => Wynik.Kod := PNawias;
         when others => Blad (1);
      end case;
      Nastepny;
      return Wynik;
   end Skanuj;

end Kalk_Skan;
