--  Counts the tokens that the scanner generated from Ini.tok reads from
--  standard input, up to the end token, and prints the count.
with Ada.Text_IO;
with Ini_Skan; use Ini_Skan;

procedure Licz_Gen is
   Ile : Natural := 0;
begin
   while Skanuj.Kod /= KONIECPL loop
      Ile := Ile + 1;
   end loop;
   Ada.Text_IO.Put_Line (Natural'Image (Ile));
end Licz_Gen;
