-- pakiet _Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package _Bledy is

-- co parser _Pars oczekiwal przy bledzie numer Nr i gdzie w gramatyce
function Opis (Nr : Integer) return String;

end _Bledy;
