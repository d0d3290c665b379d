# Every byte value from 255 down to 1, once.
for b in $(seq 255 -1 1); do printf "\\$(printf %03o $b)"; done > a.ini
