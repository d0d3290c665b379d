chmod 444 Kalk_pars.ads
