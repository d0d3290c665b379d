-- pakiet D_Bledy - specyfikacja
-- wygenerowano wg danych uzytkownia
-- dnia  5. 12. 2026, godz.  9: 5: 7

with D_Skan;

package D_Bledy is

  -- nazwa czytanego pliku w komunikatach; bez niej "-", standardowe wejscie
  procedure Ustaw_Plik (Nazwa : String);

  -- miejsce w wejsciu: linia i kolumna (od 1) pierwszego znaku tokenu
  type Miejsce_We is record
    Linia, Kolumna : Natural := 0;
  end record;
  -- miejsce biezacego tokenu: skaner pisany recznie go nie podaje (0, 0)
  function Miejsce return Miejsce_We;

  -- "PLIK: Tekst" na standardowym wyjsciu bledow (skaner pisany recznie nie
  -- podaje miejsca tokenu), albo "PLIK:LINIA:KOLUMNA: Tekst" w miejscu Gdzie
  procedure Zglos (Tekst : String);
  procedure Zglos (Gdzie : Miejsce_We; Tekst : String);
  -- "PLIK: Tekst", bez miejsca
  procedure Zglos_Pliku (Tekst : String);

  -- blad wlasny wstawki: Tekst jak wyzej, liczony jak blad skladni, tak ze
  -- Parsuj konczy sie wyjatkiem Blad_Parsera
  procedure Zglos_Blad (Tekst : String);
  procedure Zglos_Blad (Gdzie : Miejsce_We; Tekst : String);

  -- co parser sprawdzal przy bledzie numer Nr
  function Opis (Nr : Integer) return String;

  -- blad skladni: tokeny, ktorych parser oczekiwal, i ten, ktory zastal;
  -- blad skanera numer Nr; zagniezdzenie glebsze, niz pozwala stos
  procedure Zglos_Parsera (Oczekiwane : D_Skan.Zbior_Tokenow);
  procedure Zglos_Skanera (Nr : Integer);
  procedure Zglos_Glebokosci;

  -- wiersz drzewa wyprowadzenia na standardowym wyjsciu, Poziom poziomow
  -- (po dwie spacje) od korzenia
  procedure Wiersz_Drzewa (Poziom : Natural; Tekst : String);

  -- bledy zgloszone dotad: skladni, skanera i wlasne wstawek
  Zgloszone : Natural := 0;
  -- tokeny wziete poprawnie: licznik modulo, ktory parser zwieksza bez
  -- sprawdzania, i jego stan przy ostatnim zgloszonym bledzie
  type Licznik_Tokenow is mod 2 ** 64;
  Wziete_Wszystkie : Licznik_Tokenow := 0;
  Wziete_Przy_Bledzie : Licznik_Tokenow := Licznik_Tokenow'Last - 1;
  -- tokeny wziete poprawnie od ostatniego bledu, najwyzej dwa: blad, zanim
  -- parser wezmie dwa, nie jest zglaszany; po stu zgloszonych parsowanie
  -- konczy sie wyjatkiem Blad_Parsera
  function Wziete return Natural is
    (Natural (Licznik_Tokenow'Min (Wziete_Wszystkie - Wziete_Przy_Bledzie, 2)));

end D_Bledy;
