--  Main procedure of the INI converter. bryzas writes a main procedure only
--  when none exists, so this one stays: it turns what Parsuj does not
--  report itself into "Blad!" (status 1) or a file failure (status 3).
with Ada.Text_IO; use Ada.Text_IO;
with Ada.Command_Line; use Ada.Command_Line;
with Ada.Exceptions; use Ada.Exceptions;
with Ini_Pars; use Ini_Pars;
with Ini_We;
with Ini_Wy;

procedure Ini is
begin
   begin
      Parsuj;
   exception
      when Ini_We.Blad_Odczytu | Ini_Wy.Blad_Zapisu =>
         raise;
      when others =>
         --  A missing a.ini, or a number or string out of range.
         Put_Line ("Blad!");
         Set_Exit_Status (Failure);
         Ini_Wy.Zamknij_Jesli_Otwarty;
   end;
exception
   when E : Ini_We.Blad_Odczytu | Ini_Wy.Blad_Zapisu =>
      Put_Line (Exception_Message (E));
      Put_Line ("Blad!");
      Set_Exit_Status (3);
end Ini;
