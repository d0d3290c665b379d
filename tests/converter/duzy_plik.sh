#!/usr/bin/env bash
# A large a.ini is streamed: peak memory stays small whatever the input size.
# Usage: duzy_plik.sh OSTREW [MEGABYTES] [bez_pamieci]
# With bez_pamieci (a sanitizer build, whose shadow memory and allocator
# dwarf the program's own) the output is checked but the peak memory is not.
set -u
ostrew=$(realpath "$1")
mb=${2:-20}
mierz_pamiec=1
[ "${3:-}" = bez_pamieci ] && mierz_pamiec=0
limit_kb=10240
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
# The 25 MB input gives about 70 MB of XML; a fault that writes on stops there.
ulimit -f 131072

linia='klucz_pierwszy = "wartosc_napisowa", 1234567, nazwa_wartosci ; komentarz'
n=$(( mb * 1024 * 1024 / (${#linia} + 1) ))
{
  echo '[sekcja]'
  yes "$linia" | head -n "$n"
  # One line of 4 MB: its pieces are read one after another.
  printf 'dluga = '; head -c 4194304 /dev/zero | tr '\0' ' '; echo 1
} > "$praca/a.ini"

if [ ! -x /usr/bin/time ]; then echo "FAIL: /usr/bin/time is needed"; exit 1; fi
(cd "$praca" && /usr/bin/time -f '%M %e' -o pomiar "$ostrew" > konsola)
status=$?
read -r rss sekundy < "$praca/pomiar"
echo "$(du -m "$praca/a.ini" | cut -f1) MB in $sekundy s, peak memory $rss KB"

bledy=0
[ "$status" = 0 ] || { echo "FAIL: status $status"; cat "$praca/konsola"; bledy=1; }
if [ "$mierz_pamiec" = 1 ]; then
  [ "$rss" -lt "$limit_kb" ] || { echo "FAIL: peak memory $rss KB, limit $limit_kb KB"; bledy=1; }
else
  echo "peak memory not checked: sanitizer build"
fi
# Declaration, root, section, five lines per key, three for the long line,
# the two closing lines.
oczekiwane=$(( 3 + 5 * n + 3 + 2 ))
linie=$(wc -l < "$praca/a.xml")
[ "$linie" = "$oczekiwane" ] || { echo "FAIL: a.xml has $linie lines, expected $oczekiwane"; bledy=1; }
[ "$(tail -n 4 "$praca/a.xml")" = $'<wartosc>1</wartosc>\n</element>\n</sekcja>\n</plik_ini>' ] \
  || { echo "FAIL: a.xml does not end with the long line's element"; bledy=1; }
exit $bledy
