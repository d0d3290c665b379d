ln -s /dev/full Kalk_zbiory.ads
