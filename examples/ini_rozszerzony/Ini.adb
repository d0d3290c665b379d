--  Main procedure of the INI converter in the extended notation. bryzas
--  writes a main procedure only when none exists, so this one stays: it
--  gives the statuses of ../ini/Ini.adb. Parsuj has already reported a
--  syntax or scanner error when it raises one (status 1); anything else it
--  does not report becomes "Blad!" (status 1) or a file failure (status 3).
with Ada.Text_IO; use Ada.Text_IO;
with Ada.Command_Line; use Ada.Command_Line;
with Ada.Exceptions; use Ada.Exceptions;
with Ini_Pars;
with Ini_Skan;
with Ini_We;
with Ini_Wy;

procedure Ini is
begin
   begin
      Ini_Pars.Parsuj;
   exception
      when Ini_We.Blad_Odczytu | Ini_Wy.Blad_Zapisu =>
         raise;
      when Ini_Pars.Blad_Parsera | Ini_Skan.Blad_Skanera =>
         Set_Exit_Status (Failure);
         Ini_Wy.Zamknij_Jesli_Otwarty;
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
