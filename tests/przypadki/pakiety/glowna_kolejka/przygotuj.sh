# A FIFO named as the main procedure counts as present; probing it must not wait for a writer.
mkfifo Demo1.adb
# Outputs equal to those of pakiety/glowna_uzytkownika_zostaje stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/pakiety/glowna_uzytkownika_zostaje/wy/{Demo1_skan_t.ads,Demo1_zbiory.adb,Demo1_zbiory.ads} .
