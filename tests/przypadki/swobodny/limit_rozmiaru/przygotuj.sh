# About 300 KB of XML, past the limit of 16 KB: the new file is cut off
# and removed.
{ echo '[s]'; seq 1 5000 | sed 's/.*/klucz&=wartosc/'; } > a.ini
