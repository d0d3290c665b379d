-- pakiet T_Skan - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with  Ada.Text_IO; use Ada.Text_IO;

package T_Skan is

Dl_Tok: constant Integer:=100;

Nr_Bledu_Skan: Integer:=0;

-- deklaracje typow
type Token_Kod is (Koniec,Zero,Raz,Pusty);


type Token_Typ is record
    Kod : Token_Kod;
    Wart: String(1..Dl_Tok); 
  end record;

function Skanuj return Token_Typ;

Blad_Skanera: exception;

end  T_Skan;
