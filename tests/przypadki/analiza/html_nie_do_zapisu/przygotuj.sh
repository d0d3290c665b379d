cp "$ZRODLA/examples/analiza/Instr.gpa" .
mkdir Instr.html
