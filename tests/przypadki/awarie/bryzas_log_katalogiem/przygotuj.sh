mkdir Kalk.log
