mkdir Kalk_skan_t.ads
