cp "$ZRODLA/tests/przypadki/analiza/skladnia_brak_nawiasu/we/G.gpa" .
