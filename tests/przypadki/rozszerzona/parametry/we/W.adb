-- The main procedure that a start symbol with parameters asks for: it
-- takes the values that Parsuj hands out.
with Ada.Text_IO; use Ada.Text_IO;
with Ada.Strings.Unbounded; use Ada.Strings.Unbounded;
with W_Pars;

procedure W is
  Nazwy : Unbounded_String;
  Ile : Natural;
begin
  W_Pars.Parsuj (Nazwy, Ile);
  Put_Line (To_String (Nazwy) & Natural'Image (Ile));
exception
  when W_Pars.Blad_Parsera => null;
end W;
