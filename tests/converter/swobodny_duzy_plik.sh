#!/usr/bin/env bash
# The free dialect streams: a large input, whose values include one of 4 MB
# in continuation lines and one line of 1 MB, converts in small memory.
# Usage: swobodny_duzy_plik.sh OSTREW [MEGABYTES] [bez_pamieci]
# With bez_pamieci (a sanitizer build) the peak memory is not checked. What
# may be held is one line and the names that must not repeat: a thousand
# sections here, of a thousand keys each.
set -u
ostrew=$(realpath "$1")
mb=${2:-20}
mierz_pamiec=1
[ "${3:-}" = bez_pamieci ] && mierz_pamiec=0
limit_kb=12288
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 131072

linia='wartosc = "napis", 1234567; nie komentarz # ani to'
sekcje=$(( mb * 1024 * 1024 / 1000 / (${#linia} + 12) ))
{
  awk -v s="$sekcje" -v l="$linia" 'BEGIN { for (i = 1; i <= s; ++i) {
      printf "[sekcja %d]\n", i
      for (k = 1; k <= 1000; ++k) printf "klucz_%d_%s\n", k, l } }'
  # 4 MB of value in 65536 continuation lines, and a line of 1 MB.
  echo '[ostatnia]'
  echo 'dluga ='
  yes '    64 bajty linii wartosci ciagnacej sie przez wiele linii....' | head -n 65536
  printf 'jedna_linia = '; head -c 1048576 /dev/zero | tr '\0' 'x'; echo
} > "$praca/a.ini"

if [ ! -x /usr/bin/time ]; then echo "FAIL: /usr/bin/time is needed"; exit 1; fi
(cd "$praca" && /usr/bin/time -f '%M %e' -o pomiar timeout 60 "$ostrew" --swobodny a.ini > konsola)
status=$?
read -r rss sekundy < "$praca/pomiar"
echo "$(du -m "$praca/a.ini" | cut -f1) MB, $sekundy s, peak memory $rss KB"

bledy=0
[ "$status" = 0 ] || { echo "FAIL: status $status"; cat "$praca/konsola"; bledy=1; }
if [ "$mierz_pamiec" = 1 ]; then
  [ "$rss" -lt "$limit_kb" ] || { echo "FAIL: peak memory $rss KB, limit $limit_kb KB"; bledy=1; }
else
  echo "peak memory not checked: sanitizer build"
fi
elementy=$(grep -c '^<element nazwa=' "$praca/a.xml")
[ "$elementy" = $(( sekcje * 1000 + 2 )) ] || { echo "FAIL: $elementy elements, expected $(( sekcje * 1000 + 2 ))"; bledy=1; }
# The long value: its first line after the key, 65536 lines of 60 characters.
[ "$(grep -c '^64 bajty linii wartosci' "$praca/a.xml")" = 65536 ] || { echo "FAIL: the long value is not whole"; bledy=1; }
[ "$(tail -n 4 "$praca/a.xml" | cut -c 1-30)" = $'<wartosc>xxxxxxxxxxxxxxxxxxxxx\n</element>\n</sekcja>\n</plik_ini>' ] ||
  { echo "FAIL: a.xml does not end with the long line's element"; bledy=1; }
exit $bledy
