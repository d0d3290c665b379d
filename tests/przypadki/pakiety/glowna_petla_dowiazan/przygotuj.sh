# The main procedure's name is a link to itself: probing it fails for another reason than absence.
ln -s Demo1.adb Demo1.adb
