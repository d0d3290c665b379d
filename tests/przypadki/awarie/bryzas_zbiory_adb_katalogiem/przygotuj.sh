mkdir Kalk_zbiory.adb
