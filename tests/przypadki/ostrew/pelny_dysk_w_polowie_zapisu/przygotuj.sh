# a.xml on a full device; a.ini gives megabytes of XML, then a syntax error.
ln -s /dev/full a.xml
{ echo '[s]'; yes 'klucz = wartosc' | head -n 100000; echo '= ='; } > a.ini
