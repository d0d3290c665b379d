package body Ini_Blad is

   --  The reason in words for the error numbers a user meets (Linux).
   function Powod (Kod : Integer) return String is
   begin
      case Kod is
         when 2 => return "brak pliku lub katalogu";
         when 1 | 13 => return "brak uprawnien";
         when 21 => return "to jest katalog";
         when 20 => return "element sciezki nie jest katalogiem";
         when 28 => return "brak miejsca na dysku";
         when 122 => return "przekroczony przydzial dysku";
         when 30 => return "system plikow tylko do odczytu";
         when 36 => return "za dluga nazwa pliku";
         when 27 => return "za duzy plik";
         when 5 => return "blad urzadzenia";
         when 23 | 24 => return "za duzo otwartych plikow";
         when others =>
            declare
               Obraz : constant String := Integer'Image (Kod);
            begin
               return "blad systemowy nr " & Obraz (Obraz'First + 1 .. Obraz'Last);
            end;
      end case;
   end Powod;

   function Opis (Czynnosc : String; Plik : String;
                  Kod : Integer := GNAT.OS_Lib.Errno) return String is
     ("*** blad: nie mozna " & Czynnosc & " pliku [" & Plik & "]: " & Powod (Kod));

end Ini_Blad;
