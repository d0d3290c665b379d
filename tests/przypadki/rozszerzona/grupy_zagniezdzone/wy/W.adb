-- procedura glowna W
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Command_Line; use Ada.Command_Line;
with Ada.Text_IO; use Ada.Text_IO;
with W_Pars;
with W_Skan;
with W_Bledy;

-- W [--drzewo] [PLIK | -]: parsuje plik, bez niego albo dla "-" standardowe
-- wejscie; z --drzewo wypisuje drzewo wyprowadzenia; po bledzie konczy sie
-- ze statusem 1
procedure W is
  Wejscie : File_Type;
  Plik : Positive := 1;  -- argument z nazwa pliku
begin
  if Argument_Count >= 1 and then Argument (1) = "--drzewo" then
    W_Pars.Drzewo := True;
    Plik := 2;
  end if;
  if Argument_Count >= Plik and then Argument (Plik) /= "-" then
    W_Bledy.Ustaw_Plik (Argument (Plik));
    Open (Wejscie, In_File, Argument (Plik));
    Set_Input (Wejscie);
  end if;
  W_Pars.Parsuj;
exception
  when W_Pars.Blad_Parsera | W_Skan.Blad_Skanera =>
    Set_Exit_Status (Failure);
  when Name_Error | Use_Error =>
    W_Bledy.Zglos_Pliku ("nie mozna otworzyc pliku");
    Set_Exit_Status (Failure);
end W;
