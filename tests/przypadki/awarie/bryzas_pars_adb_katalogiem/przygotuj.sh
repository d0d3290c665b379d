mkdir Kalk_pars.adb
