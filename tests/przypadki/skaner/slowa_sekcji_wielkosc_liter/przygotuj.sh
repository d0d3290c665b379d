# Outputs equal to those of skaner/blad_0_po_krzyzyku and skaner/nazwa_przez_granice_kawalkow and skaner/nul_w_komentarzu stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/skaner/blad_0_po_krzyzyku/wy/{B.adb,B_zbiory.adb,B_zbiory.ads} .
cp "$ZRODLA"/tests/przypadki/skaner/nazwa_przez_granice_kawalkow/wy/B_pars.ads .
cp "$ZRODLA"/tests/przypadki/skaner/nul_w_komentarzu/wy/B_skan_t.ads .
