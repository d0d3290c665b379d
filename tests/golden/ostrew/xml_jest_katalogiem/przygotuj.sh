mkdir a.xml
