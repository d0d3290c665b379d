stara tresc
