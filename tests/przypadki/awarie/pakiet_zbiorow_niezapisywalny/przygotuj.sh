# A directory stands where the sets package specification is to be created.
mkdir Demo1_zbiory.ads
