--  Output side of the INI converter: the XML file, written line by line.
package Ini_Wy is

   --  The output file cannot be created, written or closed.
   Blad_Zapisu : exception;

   procedure Otworz_Plik_Wy (Nazwa : String);
   procedure Pisz_Plik_Wy (Tekst : String);
   procedure Zamknij_Plik_Wy;
   --  After a failure that Parsuj does not report: keep what was written.
   procedure Zamknij_Jesli_Otwarty;

   --  A token text as it goes into the XML: without the blanks that fill
   --  its field, every byte above 127 (input is ISO 8859-1) as UTF-8.
   function Tekst_Xml (Wart : String) return String;

end Ini_Wy;
