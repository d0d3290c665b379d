mkdir Kalk.adb
