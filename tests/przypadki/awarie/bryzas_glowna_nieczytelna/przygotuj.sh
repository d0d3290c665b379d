chmod 000 Kalk.adb
