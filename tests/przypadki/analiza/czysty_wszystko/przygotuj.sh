cp "$ZRODLA/tests/ada/Wszystko.gpa" .
