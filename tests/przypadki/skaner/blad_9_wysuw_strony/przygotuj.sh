# Outputs equal to those of skaner/blad_0_po_krzyzyku and skaner/blad_1_minus_na_koncu and parser/blad_13_brak_rownosci stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/skaner/blad_0_po_krzyzyku/wy/{B.adb,B_skan_t.ads,B_zbiory.adb,B_zbiory.ads} .
cp "$ZRODLA"/tests/przypadki/skaner/blad_1_minus_na_koncu/wy/B_pars.adb .
cp "$ZRODLA"/tests/przypadki/parser/blad_13_brak_rownosci/wy/B_pars.ads .
