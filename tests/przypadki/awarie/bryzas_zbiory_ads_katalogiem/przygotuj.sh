mkdir Kalk_zbiory.ads
