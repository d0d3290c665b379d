# An old file in place of the scanner specification is replaced.
printf '%5000s' '' | tr ' ' x > Demo1_skan_t.ads
# Outputs equal to those of pakiety/glowna_uzytkownika_zostaje stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/pakiety/glowna_uzytkownika_zostaje/wy/{Demo1_zbiory.adb,Demo1_zbiory.ads} .
