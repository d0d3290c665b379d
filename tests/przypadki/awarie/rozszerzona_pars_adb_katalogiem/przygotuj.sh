mkdir W_pars.adb
