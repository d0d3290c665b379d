chmod 444 Kalk.log
