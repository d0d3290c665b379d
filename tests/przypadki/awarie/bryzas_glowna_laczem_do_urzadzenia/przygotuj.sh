ln -s /dev/full Kalk.adb
