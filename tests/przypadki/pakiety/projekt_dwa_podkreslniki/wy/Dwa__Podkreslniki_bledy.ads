-- pakiet Dwa__Podkreslniki_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package Dwa__Podkreslniki_Bledy is

-- co parser Dwa__Podkreslniki_Pars oczekiwal przy bledzie numer Nr i gdzie w gramatyce
function Opis (Nr : Integer) return String;

end Dwa__Podkreslniki_Bledy;
