cp "$ZRODLA/examples/pierwszy/Kalk.gpa" .
