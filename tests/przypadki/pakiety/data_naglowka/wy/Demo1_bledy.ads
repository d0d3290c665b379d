-- pakiet Demo1_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  28. 2. 2000, godz.  23: 59: 59

package Demo1_Bledy is

-- co parser Demo1_Pars oczekiwal przy bledzie numer Nr i gdzie w gramatyce
function Opis (Nr : Integer) return String;

end Demo1_Bledy;
