-- pakiet W_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

package W_Bledy is

  -- nazwa czytanego pliku w komunikatach; bez niej "-", standardowe wejscie
  procedure Ustaw_Plik (Nazwa : String);

  -- "PLIK:LINIA:KOLUMNA: Tekst" na standardowym wyjsciu bledow, w miejscu
  -- biezacego tokenu
  procedure Zglos (Tekst : String);
  -- "PLIK: Tekst", bez miejsca
  procedure Zglos_Pliku (Tekst : String);

  -- co parser oczekiwal przy bledzie numer Nr
  function Opis (Nr : Integer) return String;

  -- blad parsera numer Nr z tym, co zastal; blad skanera numer Nr;
  -- zagniezdzenie glebsze, niz pozwala stos
  procedure Zglos_Parsera (Nr : Integer);
  procedure Zglos_Skanera (Nr : Integer);
  procedure Zglos_Glebokosci;

end W_Bledy;
