cp "$ZRODLA/examples/kalk/Kalk.gpa" .
