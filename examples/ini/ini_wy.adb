with Ada.Text_IO;
with Ada.IO_Exceptions;
with Ada.Strings.Fixed;
with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;
with Ini_Blad;

package body Ini_Wy is

   package TIO renames Ada.Text_IO;

   Plik : TIO.File_Type;
   Nazwa_Pliku : Unbounded_String;

   procedure Blad (Co : String) is
   begin
      raise Blad_Zapisu with Ini_Blad.Opis (Co, To_String (Nazwa_Pliku));
   end Blad;

   procedure Otworz_Plik_Wy (Nazwa : String) is
   begin
      Nazwa_Pliku := To_Unbounded_String (Nazwa);
      TIO.Create (Plik, TIO.Out_File, Nazwa);
   exception
      when Ada.IO_Exceptions.Name_Error | Ada.IO_Exceptions.Use_Error
         | Ada.IO_Exceptions.Device_Error =>
         Blad ("utworzyc");
   end Otworz_Plik_Wy;

   procedure Pisz_Plik_Wy (Tekst : String) is
   begin
      TIO.Put_Line (Plik, Tekst);
   exception
      when Ada.IO_Exceptions.Use_Error | Ada.IO_Exceptions.Device_Error =>
         Blad ("zapisac");
   end Pisz_Plik_Wy;

   --  Close flushes what is still buffered, so a full disk shows here.
   procedure Zamknij_Plik_Wy is
   begin
      TIO.Close (Plik);
   exception
      when Ada.IO_Exceptions.Use_Error | Ada.IO_Exceptions.Device_Error =>
         Blad ("zapisac");
   end Zamknij_Plik_Wy;

   procedure Zamknij_Jesli_Otwarty is
   begin
      if TIO.Is_Open (Plik) then
         Zamknij_Plik_Wy;
      end if;
   end Zamknij_Jesli_Otwarty;

   function Tekst_Xml (Wart : String) return String is
      Krotki : constant String := Ada.Strings.Fixed.Trim (Wart, Ada.Strings.Both);
      Wynik : String (1 .. 2 * Krotki'Length);
      Dl : Natural := 0;
   begin
      for Z of Krotki loop
         if Character'Pos (Z) > 127 then
            Wynik (Dl + 1) := Character'Val (16#C0# + Character'Pos (Z) / 64);
            Wynik (Dl + 2) := Character'Val (16#80# + Character'Pos (Z) mod 64);
            Dl := Dl + 2;
         else
            Dl := Dl + 1;
            Wynik (Dl) := Z;
         end if;
      end loop;
      return Wynik (1 .. Dl);
   end Tekst_Xml;

end Ini_Wy;
