mkdir a.ini
