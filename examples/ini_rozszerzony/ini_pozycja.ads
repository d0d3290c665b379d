--  Where the scanner of the INI converter stands, for the located messages
--  of Ini.gpa: the same package that bryzas writes beside a scanner it
--  generates from a token file.
package Ini_Pozycja is

   --  Line and column (from 1) of the current token's first character, or
   --  of the character of a scanner error; at the end of the input, the
   --  place just after its last character.
   Linia : Positive := 1;
   Kolumna : Positive := 1;
   --  The character of a scanner error.
   Znak : Character := ' ';

end Ini_Pozycja;
