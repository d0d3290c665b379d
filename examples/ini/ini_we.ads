--  Input side of the INI converter: reads the input file line by line and
--  hands the scanner one character at a time, counting the lines read.
package Ini_We is

   --  The input file does not exist (reported, then "Blad!").
   Brak_Pliku : exception;
   --  The input file exists but cannot be opened or read.
   Blad_Odczytu : exception;

   procedure Otworz_Plik_We (Nazwa : String);
   procedure Zamknij_Plik_We;

   --  The next character of the input; with Nowa_Linia the rest of the
   --  current line is dropped first. A line feed follows the last character
   --  of every non-empty line; NUL stands for the end of the input and is
   --  returned on every call from then on.
   function Pobierz_Znak (Nowa_Linia : Boolean) return Character;

   --  Lines read so far, empty ones included.
   function Nr_Linii return Natural;

   --  Line and column (from 1) of the character Pobierz_Znak returned last;
   --  for NUL, the place just after the last character of the input, the
   --  start of the next line after a line end. A line of more than 1000
   --  characters counts as one line here, unlike in Nr_Linii.
   procedure Miejsce (Linia : out Positive; Kolumna : out Positive);

end Ini_We;
