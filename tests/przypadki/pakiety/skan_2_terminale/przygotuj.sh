# An old file in place of the scanner specification is replaced.
printf '%5000s' '' | tr ' ' x > Demo1_skan_t.ads
