-- pakiet T_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package T_Bledy is

-- co parser T_Pars oczekiwal przy bledzie numer Nr i gdzie w gramatyce
function Opis (Nr : Integer) return String;

-- miejsce biezacego tokenu wg T_Pozycja: "linia:kolumna"
function Miejsce return String;
-- co zastal skaner przy bledzie numer Nr
function Opis_Skanera (Nr : Integer) return String;
-- "linia:kolumna: tekst" bledu parsera i bledu skanera numer Nr
function Komunikat_Parsera (Nr : Integer) return String;
function Komunikat_Skanera (Nr : Integer) return String;

end T_Bledy;
