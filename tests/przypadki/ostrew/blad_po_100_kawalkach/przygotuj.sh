printf '[a]\nk = %99990s%-4s%-2s\n-\n' '' tryb '' > a.ini
