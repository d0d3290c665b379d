with Ada.Streams; use Ada.Streams;
with Ada.Streams.Stream_IO;
with Ada.IO_Exceptions;
with Ada.Text_IO;
with Ada.Directories;
with GNAT.OS_Lib;
with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;
with Ini_Blad;

package body Ini_We is

   use type Ada.Directories.File_Kind;

   package SIO renames Ada.Streams.Stream_IO;

   LF : constant Character := ASCII.LF;
   CR : constant Character := ASCII.CR;
   NUL : constant Character := ASCII.NUL;
   Max_Linia : constant := 1000;

   Plik : SIO.File_Type;
   Nazwa_Pliku : Unbounded_String;

   --  Bytes of the file read in blocks; up to two bytes can be put back.
   Blok : Stream_Element_Array (1 .. 4096);
   W_Bloku : Stream_Element_Offset := 0;
   Pobrane : Stream_Element_Offset := 0;
   Cofniete : String (1 .. 2);
   Ile_Cofnietych : Natural := 0;

   --  The current line (or a 1000-character piece of a longer one), with
   --  the line feed that follows a finished line.
   Linia : String (1 .. Max_Linia + 1);
   Dlug : Natural := 0;
   Poz : Natural := 0;
   Licznik : Natural := 0;
   Koniec : Boolean := False;   --  no further line will be read

   --  For Miejsce: whether the piece in Linia ends its line, the line of the
   --  file it belongs to, the characters of that line in earlier pieces, and
   --  whether the last character returned was the end of the input.
   Cala : Boolean := True;
   Wiersz : Natural := 0;
   Przed : Natural := 0;
   Na_Koncu : Boolean := False;

   procedure Blad (Co : String) is
   begin
      raise Blad_Odczytu with Ini_Blad.Opis (Co, To_String (Nazwa_Pliku));
   end Blad;

   procedure Otworz_Plik_We (Nazwa : String) is
   begin
      Nazwa_Pliku := To_Unbounded_String (Nazwa);
      SIO.Open (Plik, SIO.In_File, Nazwa);
      --  A directory opens like a file; say so now, before a.xml is made.
      if Ada.Directories.Kind (Nazwa) = Ada.Directories.Directory then
         SIO.Close (Plik);
         raise Blad_Odczytu
           with Ini_Blad.Opis ("otworzyc", Nazwa, Ini_Blad.To_Jest_Katalog);
      end if;
   exception
      when Ada.IO_Exceptions.Name_Error =>
         if GNAT.OS_Lib.Errno /= Ini_Blad.Nie_Ma_Pliku then
            Blad ("otworzyc");
         end if;
         Ada.Text_IO.New_Line;
         Ada.Text_IO.Put_Line ("*** Brak pliku we o nazwie 'a.ini' ");
         raise Brak_Pliku;
      when Ada.IO_Exceptions.Use_Error | Ada.IO_Exceptions.Device_Error =>
         Blad ("otworzyc");
   end Otworz_Plik_We;

   procedure Zamknij_Plik_We is
   begin
      SIO.Close (Plik);
   end Zamknij_Plik_We;

   procedure Czytaj_Bajt (Z : out Character; Jest : out Boolean) is
   begin
      if Ile_Cofnietych > 0 then
         Z := Cofniete (Ile_Cofnietych);
         Ile_Cofnietych := Ile_Cofnietych - 1;
         Jest := True;
         return;
      end if;
      if W_Bloku = Pobrane then
         SIO.Read (Plik, Blok, Pobrane);
         W_Bloku := 0;
      end if;
      if Pobrane = 0 then
         Z := NUL;
         Jest := False;
      else
         W_Bloku := W_Bloku + 1;
         Z := Character'Val (Blok (W_Bloku));
         Jest := True;
      end if;
   exception
      when Ada.IO_Exceptions.Use_Error | Ada.IO_Exceptions.Device_Error
         | Ada.IO_Exceptions.End_Error =>
         Blad ("odczytac");
   end Czytaj_Bajt;

   procedure Cofnij (Z : Character) is
   begin
      Ile_Cofnietych := Ile_Cofnietych + 1;
      Cofniete (Ile_Cofnietych) := Z;
   end Cofnij;

   --  Reads the next line, or its next 1000-character piece, into Linia.
   --  A line ends at LF or CR LF; a lone CR is an ordinary character.
   --  Jest is False when the file has no line left.
   procedure Czytaj_Linie (Jest : out Boolean) is
      Z, Z2 : Character;
      Ok, Ok2 : Boolean;
   begin
      Cala := True;
      Dlug := 0;
      Czytaj_Bajt (Z, Ok);
      if not Ok then
         Jest := False;
         return;
      end if;
      loop
         exit when not Ok or else Z = LF;
         if Z = CR then
            Czytaj_Bajt (Z2, Ok2);
            exit when Ok2 and then Z2 = LF;
            if Ok2 then
               Cofnij (Z2);
            end if;
         end if;
         if Dlug = Max_Linia then
            Cofnij (Z);
            Cala := False;
            exit;
         end if;
         Dlug := Dlug + 1;
         Linia (Dlug) := Z;
         Czytaj_Bajt (Z, Ok);
      end loop;
      Jest := True;
      --  A NUL ends the input where it stands.
      for I in 1 .. Dlug loop
         if Linia (I) = NUL then
            Dlug := I - 1;
            Koniec := True;
            return;
         end if;
      end loop;
      if Cala and Dlug > 0 then
         Dlug := Dlug + 1;
         Linia (Dlug) := LF;
      end if;
   end Czytaj_Linie;

   function Pobierz_Znak (Nowa_Linia : Boolean) return Character is
      Jest, Nowy_Wiersz : Boolean;
   begin
      if Nowa_Linia then
         Poz := Dlug;
      end if;
      if Poz = Dlug then
         loop
            if Koniec then
               Na_Koncu := True;
               return NUL;
            end if;
            Nowy_Wiersz := Cala;
            Czytaj_Linie (Jest);
            if Nowy_Wiersz then
               Wiersz := Wiersz + 1;
               Przed := 0;
            else
               Przed := Przed + Max_Linia;
            end if;
            Poz := 0;
            if not Jest then
               Koniec := True;
               Na_Koncu := True;
               return NUL;
            end if;
            Licznik := Licznik + 1;
            exit when Dlug > 0;
         end loop;
      end if;
      Poz := Poz + 1;
      return Linia (Poz);
   end Pobierz_Znak;

   function Nr_Linii return Natural is (Licznik);

   procedure Miejsce (Linia : out Positive; Kolumna : out Positive) is
   begin
      Linia := Positive'Max (Wiersz, 1);
      Kolumna := Positive'Max (Przed + Poz + (if Na_Koncu then 1 else 0), 1);
   end Miejsce;

end Ini_We;
