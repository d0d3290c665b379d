# The example grammar without its FIRST section.
sed '/^%%$/,$d' "$ZRODLA/examples/ini/Ini.gpa" > Ini.gpa
