# Outputs equal to those of skaner/blad_0_po_krzyzyku stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/skaner/blad_0_po_krzyzyku/wy/{B.adb,B_pars.adb,B_pars.ads,B_skan_t.ads,B_zbiory.adb,B_zbiory.ads} .
