mkdir Kalk.lst
