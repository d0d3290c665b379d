ln -s /dev/full Kalk_pars.ads
