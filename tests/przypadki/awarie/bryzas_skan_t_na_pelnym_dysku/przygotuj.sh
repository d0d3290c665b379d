ln -s /dev/full Kalk_skan_t.ads
