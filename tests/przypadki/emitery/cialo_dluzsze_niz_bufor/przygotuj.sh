# 150 productions give a body of 71 KB; the 6 characters of the insert put the end of the
# first 64 KiB written out inside the indentation of a line, which must still come out whole.
{ echo "\"P1\" = 'a' #\$xxxxxx\$# 'b' 'c' ."; for i in $(seq 2 150); do echo "\"P$i\" = 'a' 'b' 'c' ."; done; } > B.gpa
