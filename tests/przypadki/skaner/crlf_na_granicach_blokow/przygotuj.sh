# Half a megabyte of blank lines of every length up to 999, ended by CR LF.
{ for ((d = 0, n = 0; n < 500000; n += d + 2, d = (d + 1) % 1000)); do printf '%*s\r\n' $d ''; done; cat Kalk.gpa; } > g && mv g Kalk.gpa
