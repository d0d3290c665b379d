-- pakiet Wersja9_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package Wersja9_Bledy is

-- co parser Wersja9_Pars oczekiwal przy bledzie numer Nr i gdzie w gramatyce
function Opis (Nr : Integer) return String;

end Wersja9_Bledy;
