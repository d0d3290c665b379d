# A line of exactly 2000 characters ended by CR LF: two pieces and no empty line after them.
printf '"S" = '"'a'"'%1990s.\r\n"T" = '"'b'"' .\r\n' '' > B.gpa
# Outputs equal to those of skaner/blad_0_po_krzyzyku stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/skaner/blad_0_po_krzyzyku/wy/{B.adb,B_zbiory.adb,B_zbiory.ads} .
