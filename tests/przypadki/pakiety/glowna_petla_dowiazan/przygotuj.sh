# The main procedure's name is a link to itself: probing it fails for another reason than absence.
ln -s Demo1.adb Demo1.adb
# Outputs equal to those of pakiety/glowna_uzytkownika_zostaje stand here already; the run must leave them so.
cp "$ZRODLA"/tests/przypadki/pakiety/glowna_uzytkownika_zostaje/wy/{Demo1_skan_t.ads,Demo1_zbiory.adb,Demo1_zbiory.ads} .
