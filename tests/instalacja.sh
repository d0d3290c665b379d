#!/usr/bin/env bash
# make install's step (cmake --install with a prefix, under DESTDIR) puts the
# three programs and their manual pages in place, the programs run from
# there, and make uninstall removes exactly what was installed.
# Usage: instalacja.sh SRC_DIR BIN_DIR
set -u
zrodla=$(realpath "$1")
bin=$(realpath "$2")
cel=$(mktemp -d)
trap 'rm -rf "$cel"' EXIT
ulimit -f 65536
bledy=0
zle() { echo "FAIL: $*"; bledy=1; }

DESTDIR=$cel timeout 60 cmake --install "$bin" --prefix /usr > "$cel.log" 2>&1 || { cat "$cel.log"; zle "cmake --install"; }
rm -f "$cel.log"
for p in bryzas ostrew bryzas_analiza; do
  [ -x "$cel/usr/bin/$p" ] || zle "$p not installed"
  wersja=$(timeout 10 "$cel/usr/bin/$p" --version)
  [ "$wersja" = "$p 0.1.1" ] || zle "$p --version printed '$wersja'"
  strona=$cel/usr/share/man/man1/$p.1
  [ -f "$strona" ] || { zle "no manual page for $p"; continue; }
  for sekcja in NAME SYNOPSIS DESCRIPTION "EXIT STATUS" EXAMPLE; do
    grep -q "^\.SH $sekcja" "$strona" || zle "$p.1 has no $sekcja"
  done
done
[ "$(find "$cel" -type f | wc -l)" = 6 ] || zle "expected 6 installed files: $(find "$cel" -type f)"

timeout 60 make -s -C "$zrodla" uninstall BUILD="$bin" DESTDIR="$cel" || zle "make uninstall"
[ -z "$(find "$cel" -type f)" ] || zle "left after make uninstall: $(find "$cel" -type f)"
[ ! -e "$bin/install_manifest.txt" ] || zle "the install manifest is left"
exit $bledy
