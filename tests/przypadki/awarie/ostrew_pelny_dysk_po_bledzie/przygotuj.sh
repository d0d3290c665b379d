ln -s /dev/full a.xml
