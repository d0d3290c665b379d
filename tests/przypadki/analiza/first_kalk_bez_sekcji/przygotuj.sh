# The example grammar without its FIRST section.
sed '/^%%$/,$d' "$ZRODLA/examples/kalk/Kalk.gpa" > Kalk.gpa
