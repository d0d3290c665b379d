chmod 000 a.ini
