# Outputs equal to those of pakiety/glowna_uzytkownika_zostaje and pakiety/skan_2_terminale stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/pakiety/glowna_uzytkownika_zostaje/wy/{Demo1_zbiory.adb,Demo1_zbiory.ads} .
cp "$ZRODLA"/tests/przypadki/pakiety/skan_2_terminale/wy/{Demo1.adb,Demo1_pars.ads} .
