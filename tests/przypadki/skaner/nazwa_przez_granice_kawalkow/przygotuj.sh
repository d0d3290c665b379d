# A line of 2500 characters, read as pieces of 1000, 1000 and 500, with 'ab'
# across the first cut: its quote is the last character of the first piece.
printf '"S" =%994s'"'ab'"'%1497s\n.\n' '' '' > B.gpa
# Outputs equal to those of skaner/blad_0_po_krzyzyku stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/skaner/blad_0_po_krzyzyku/wy/{B.adb,B_zbiory.adb,B_zbiory.ads} .
