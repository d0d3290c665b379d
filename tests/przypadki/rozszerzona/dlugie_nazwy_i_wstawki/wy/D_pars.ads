-- pakiet D_Pars - specyfikacja
-- plik wygenerowany na podstawie opisu w [D.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

package D_Pars is

  -- czyta wejscie przez Skanuj i sprawdza, czy jest zdaniem gramatyki;
  -- blad zglasza przez pakiet bledow i konczy sie wyjatkiem
  procedure Parsuj;

  -- numer ostatniego bledu skladni
  Nr_Bledu_Pars : Integer := 0;
  Blad_Parsera : exception;

  -- z True Parsuj wypisuje na standardowym wyjsciu drzewo wyprowadzenia:
  -- kazda produkcje, w ktora wchodzi, i kazdy token, ktory bierze
  Drzewo : Boolean := False;

end D_Pars;
