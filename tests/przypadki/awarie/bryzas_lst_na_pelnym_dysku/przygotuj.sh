ln -s /dev/full Kalk.lst
