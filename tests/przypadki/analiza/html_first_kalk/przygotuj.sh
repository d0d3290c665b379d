cp "$ZRODLA/examples/kalk/Kalk.gpa" "$ZRODLA/examples/kalk/Kalk.tok" .
