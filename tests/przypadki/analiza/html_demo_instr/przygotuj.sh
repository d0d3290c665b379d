cp "$ZRODLA/examples/analiza/Instr.gpa" .
