chmod 444 Kalk_zbiory.ads
