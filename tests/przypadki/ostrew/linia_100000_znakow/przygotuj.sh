printf '[a]\nk = %99990s%-4s%-2s\n' '' tryb '' > a.ini
