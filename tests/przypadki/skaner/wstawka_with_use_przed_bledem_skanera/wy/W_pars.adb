-- pakiet W_Pars - tresc
-- plik wygenerowany na podstawie opisu w [W.gpa]
-- dnia  5. 12. 2026, godz.  9: 5: 7

with Put_Line("x"); use Put_Line("x"); -- <- kod uzytkownika
