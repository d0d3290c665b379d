-- procedura glowna W
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Ada.Command_Line; use Ada.Command_Line;
with Ada.Text_IO; use Ada.Text_IO;
with W_Pars;
with W_Skan;
with W_Bledy;

-- parsuje plik podany jako argument, bez niego standardowe wejscie;
-- po bledzie konczy sie ze statusem 1
procedure W is
  Wejscie : File_Type;
begin
  if Argument_Count > 0 then
    W_Bledy.Ustaw_Plik (Argument (1));
    Open (Wejscie, In_File, Argument (1));
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
