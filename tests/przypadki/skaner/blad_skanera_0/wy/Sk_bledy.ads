-- pakiet Sk_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package Sk_Bledy is

-- co parser Sk_Pars oczekiwal przy bledzie numer Nr i gdzie w gramatyce
function Opis (Nr : Integer) return String;

end Sk_Bledy;
