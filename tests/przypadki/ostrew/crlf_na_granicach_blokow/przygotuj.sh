# A megabyte of blank lines of every length up to 999 ended by CR LF, then a bad sign.
for ((d = 0, n = 10; n < 1000000; n += d + 2, d = (d + 1) % 1000)); do printf '%*s\r\n' $d ''; done >> a.ini
printf -- '-\r\n' >> a.ini
