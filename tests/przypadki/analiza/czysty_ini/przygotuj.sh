cp "$ZRODLA/examples/ini/Ini.gpa" .
