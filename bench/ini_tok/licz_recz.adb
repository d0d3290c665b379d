--  Counts the tokens that the hand-written INI scanner (examples/ini) reads
--  from the file named by the argument, up to the end token, and prints the
--  count.
with Ada.Command_Line;
with Ada.Text_IO;
with Ini_We;
with Ini_Skan; use Ini_Skan;

procedure Licz_Recz is
   Ile : Natural := 0;
begin
   Ini_We.Otworz_Plik_We (Ada.Command_Line.Argument (1));
   while Skanuj.Kod /= KONIECPL loop
      Ile := Ile + 1;
   end loop;
   Ini_We.Zamknij_Plik_We;
   Ada.Text_IO.Put_Line (Natural'Image (Ile));
end Licz_Recz;
