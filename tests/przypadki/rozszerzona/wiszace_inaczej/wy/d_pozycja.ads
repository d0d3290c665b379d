-- pakiet D_Pozycja - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package D_Pozycja is

-- linia (od 1) pierwszego znaku biezacego tokenu albo bledu skanera
Linia : Natural := 0;
-- ten znak i pierwszy znak jego linii jako miejsca w buforze skanera:
-- kolumne liczy sie z nich dopiero wtedy, kiedy ktos o nia pyta
Pocz_Tokenu : Positive := 1;
Pocz_Linii : Integer := 1;
-- kolumna (od 1) tego znaku
function Kolumna return Natural is (if Linia = 0 then 0 else Pocz_Tokenu - Pocz_Linii + 1);
-- znak, od ktorego nie zaczyna sie zaden token (blad skanera 1)
Znak : Character := ' ';
-- pozycja w Token_Kod tokenu zaczetego, a nieskonczonego (blad skanera 4)
Niedokonczony : Natural := 0;

end D_Pozycja;
