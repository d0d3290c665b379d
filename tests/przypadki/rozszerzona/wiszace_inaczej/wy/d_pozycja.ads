-- pakiet D_Pozycja - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package D_Pozycja is

-- linia i kolumna (od 1) pierwszego znaku biezacego tokenu albo bledu skanera
Linia : Natural := 0;
Kolumna : Natural := 0;
-- znak, od ktorego nie zaczyna sie zaden token (blad skanera 1)
Znak : Character := ' ';
-- pozycja w Token_Kod tokenu zaczetego, a nieskonczonego (blad skanera 4)
Niedokonczony : Natural := 0;

end D_Pozycja;
