# 150 productions give a body of 71 KB; the 6 characters of the insert put the end of the
# first 64 KiB written out inside the indentation of a line, which must still come out whole.
{ echo "\"P1\" = 'a' #\$xxxxxx\$# 'b' 'c' ."; for i in $(seq 2 150); do echo "\"P$i\" = 'a' 'b' 'c' ."; done; } > B.gpa
# Outputs equal to those of skaner/blad_0_po_krzyzyku stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/skaner/blad_0_po_krzyzyku/wy/{B.adb,B_zbiory.adb,B_zbiory.ads} .
