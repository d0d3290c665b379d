# A grammar of 1.5 KB where the program may write 1 KB: the new file cannot
# be written whole.
{
  for i in $(seq 30); do echo "-- comment line $i of fifty characters, or so..."; done
  cat "$ZRODLA/tests/przypadki/analiza/first_w_miejscu/we/G.gpa"
} > G.gpa
