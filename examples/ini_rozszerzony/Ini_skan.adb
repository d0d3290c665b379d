--  Scanner of the INI converter in the extended notation. The token rules,
--  limits and error numbers are those of ../ini/Ini_skan.adb, so that both
--  converters accept the same files; this one also records in Ini_Pozycja
--  where each token begins, and keeps the last token for Tekst.
--
--  Errors (Nr_Bledu_Skan): 0 the input ends inside a string; 2 a name of
--  more than 100 characters; 3 a number of more than 100 digits; 4 a string
--  that does not begin with a letter or "_"; 5 any other bad character in a
--  string; 9 a character that begins no token. A number above 2147483647
--  or a string of more than 100 characters raises Constraint_Error, which
--  ends the run with "Blad!".
with Ada.Strings.Fixed;
with Ini_We; use Ini_We;
with Ini_Pozycja;

package body Ini_Skan is

   NUL : constant Character := ASCII.NUL;
   LF : constant Character := ASCII.LF;

   Zn : Character := ' ';   --  lookahead: the next character not yet used
   Ostatni : Token_Typ := (Kod => Pusty, Wart => (others => ' '));

   function Litera (Z : Character) return Boolean is
     (Z in 'A' .. 'Z' | 'a' .. 'z'
        | Character'Val (192) .. Character'Val (214)
        | Character'Val (216) .. Character'Val (246)
        | Character'Val (248) .. Character'Val (255));

   function Cyfra (Z : Character) return Boolean is (Z in '0' .. '9');

   function Znak_Nazwy (Z : Character) return Boolean is
     (Litera (Z) or else Cyfra (Z) or else Z = '_');

   --  The place of Zn, the character read last.
   procedure Zapamietaj_Miejsce is
   begin
      Miejsce (Ini_Pozycja.Linia, Ini_Pozycja.Kolumna);
   end Zapamietaj_Miejsce;

   procedure Blad (Numer : Integer) is
   begin
      Zapamietaj_Miejsce;
      Ini_Pozycja.Znak := Zn;
      Nr_Bledu_Skan := Numer;
      raise Blad_Skanera;
   end Blad;

   procedure Nastepny is
   begin
      Zn := Pobierz_Znak (False);
   end Nastepny;

   --  Digits above 2147483647, leading zeros aside.
   function Za_Duza (Cyfry : String) return Boolean is
      Od : Positive := Cyfry'First;
   begin
      while Od < Cyfry'Last and then Cyfry (Od) = '0' loop
         Od := Od + 1;
      end loop;
      return Cyfry'Last - Od + 1 > 10
        or else (Cyfry'Last - Od + 1 = 10
                 and then Cyfry (Od .. Cyfry'Last) > "2147483647");
   end Za_Duza;

   function Skanuj return Token_Typ is
      T : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
      Dl : Natural := 0;

      --  Appends Zn to the text; Numer is raised for a 101st character.
      procedure Dopisz (Numer : Integer) is
      begin
         if Dl = Dl_Tok then
            Blad (Numer);
         end if;
         Dl := Dl + 1;
         T.Wart (Dl) := Zn;
      end Dopisz;

   begin
      --  Blanks, line ends and comments from ";" to the end of the line.
      loop
         while Zn = ' ' or Zn = LF loop
            Nastepny;
         end loop;
         exit when Zn /= ';';
         Zn := Pobierz_Znak (True);
      end loop;
      Zapamietaj_Miejsce;

      if Litera (Zn) or Zn = '_' then
         Dopisz (2);
         Nastepny;
         while Znak_Nazwy (Zn) loop
            Dopisz (2);
            Nastepny;
         end loop;
         T.Kod := NAZWA;

      elsif Cyfra (Zn) then
         Dopisz (3);
         Nastepny;
         while Cyfra (Zn) loop
            Dopisz (3);
            Nastepny;
         end loop;
         if Za_Duza (T.Wart (1 .. Dl)) then
            raise Constraint_Error with "liczba poza zakresem";
         end if;
         T.Kod := LICZBA;

      --  The text of a string, in Wart as in the other scanner, is what
      --  stands between its quotes.
      elsif Zn = '"' then
         Nastepny;
         if Zn = NUL then
            Blad (0);
         elsif not (Litera (Zn) or Zn = '_') then
            Blad (4);
         end if;
         Dopisz (4);
         loop
            Nastepny;
            if Zn = '"' then
               Nastepny;
               exit when Zn /= '"';
            end if;
            if Zn = NUL then
               Blad (0);
            elsif not Znak_Nazwy (Zn) then
               Blad (5);
            elsif Dl = Dl_Tok then
               raise Constraint_Error with "napis za dlugi";
            end if;
            Dopisz (5);
         end loop;
         T.Kod := NAPIS;

      elsif Zn = NUL then
         T.Kod := KONIECPL;

      else
         case Zn is
            when '=' => T.Kod := ROWNE;
            when ',' => T.Kod := PRZECINEK;
            when '[' => T.Kod := LEWYNAWIASKW;
            when ']' => T.Kod := PRAWYNAWIASKW;
            when others => Blad (9);
         end case;
         T.Wart (1) := Zn;
         Nastepny;
      end if;
      Ostatni := T;
      return T;
   end Skanuj;

   --  No token is longer than 100 characters, so Wart holds it whole.
   function Tekst return String is
      Wart : constant String :=
        Ada.Strings.Fixed.Trim (Ostatni.Wart, Ada.Strings.Right);
   begin
      if Ostatni.Kod = NAPIS then
         return '"' & Wart & '"';
      end if;
      return Wart;
   end Tekst;

end Ini_Skan;
