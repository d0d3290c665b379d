with GNAT.OS_Lib;

--  The console line of a file that could not be opened, created, read or
--  written, with the reason taken from the system's error number.
package Ini_Blad is

   --  System error numbers: no such file, and a directory where a file
   --  was expected.
   Nie_Ma_Pliku : constant := 2;
   To_Jest_Katalog : constant := 21;

   --  "*** blad: nie mozna " Czynnosc " pliku [" Plik "]: " reason; Kod is
   --  the error number of the failure, by default the system's last one.
   function Opis (Czynnosc : String; Plik : String;
                  Kod : Integer := GNAT.OS_Lib.Errno) return String;

end Ini_Blad;
