chmod 444 a.xml
