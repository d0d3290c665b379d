mkdir Kalk_pars.ads
