#!/usr/bin/env bash
# Scanners that bryzas writes from token files, built with GNAT and run
# (the extended notation's too, by rozszerzone_tokeny.sh).
# Each folder tokeny/CASE holds a grammar T.gpa whose actions print every
# token (kind, text, line:column) and the error messages, its token file
# T.tok, and inputs N.we, each with N.wy: what T prints on that standard
# input, then the line "status S" (the exit status of T).
# With TOKENY_AKTUALIZUJ=1 the N.wy are written from the runs instead (read
# every one of them before committing it).
# Usage: tokeny.sh BRYZAS
set -u
bryzas=$(realpath "$1")
dane=$(dirname "$(realpath "$0")")/tokeny
if ! command -v gprbuild > /dev/null; then
  echo "SKIP: gprbuild not found, so the scanners cannot be built"; exit 0
fi
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0 ile=0

for przypadek in "$dane"/*/; do
  nazwa=$(basename "$przypadek")
  kat=$praca/$nazwa
  mkdir "$kat" && cp "$przypadek/T.gpa" "$przypadek/T.tok" "$kat/"
  cd "$kat" || exit 1
  status=0
  timeout 20 "$bryzas" T > bryzas.out 2>&1 || status=$?
  if [ "$status" != 0 ] || ! head -1 T_skan.adb | grep -q '^-- wygenerowano przez bryzas z pliku tokenow T.tok;'; then
    cat bryzas.out; echo "FAIL: $nazwa: bryzas ended with status $status or wrote no scanner"; bledy=1; continue
  fi
  status=0
  timeout 300 gprbuild -q -P T.gpr > budowa.log 2>&1 || status=$?
  if [ "$status" != 0 ] || [ -s budowa.log ]; then
    cat budowa.log; echo "FAIL: $nazwa: gprbuild ended with status $status or a message"; bledy=1; continue
  fi
  for we in "$przypadek"*.we; do
    oczekiwane=${we%.we}.wy
    timeout 10 ./T < "$we" > wynik 2> stderr
    echo "status $?" >> wynik
    ile=$((ile + 1))
    [ "${TOKENY_AKTUALIZUJ:-}" = 1 ] && cp wynik "$oczekiwane"
    if ! cmp -s "$oczekiwane" wynik || [ -s stderr ]; then
      echo "FAIL: $nazwa/$(basename "$we") (expected, then got):"
      diff "$oczekiwane" wynik | head -20; head -c 300 stderr; bledy=1
    fi
  done
done
# The scanner of znaki reads its input in blocks of Rozmiar_We bytes. A last
# line without a line end gets one wherever the blocks end, and the input
# is read byte for byte (a form feed after a line end too), so a file, a
# pipe and the same text with its line end all give the same tokens.
cd "$praca/znaki" || exit 1
blok=$(sed -n 's/^ *Rozmiar_We : constant := \([0-9_]*\);$/\1/p' T_skan.adb | tr -d _)
[ -n "$blok" ] || { echo "FAIL: no Rozmiar_We in the scanner of znaki"; bledy=1; blok=4096; }
for n in $((blok - 2)) $((blok - 1)) $blok $((2 * blok - 1)); do
  printf '%*sa' "$n" '' > bez_lf
  printf '\n' | cat bez_lf - > z_lf
  timeout 10 ./T < z_lf > wzor
  grep -q "^NL \[#10\] 1:$((n + 2))$" wzor || { echo "FAIL: $n blanks, a, line end:"; tail -3 wzor; bledy=1; }
  for sposob in plik potok; do
    if [ $sposob = plik ]; then timeout 10 ./T < bez_lf > wynik; else cat bez_lf | timeout 10 ./T > wynik; fi
    cmp -s wzor wynik || { echo "FAIL: $n blanks and a, no line end, from a $sposob:"; diff wzor wynik | head -5; bledy=1; }
  done
done
printf 'a\n\fb\n' > strona
for sposob in plik potok; do
  if [ $sposob = plik ]; then timeout 10 ./T < strona > wynik; else cat strona | timeout 10 ./T > wynik; fi
  grep -q '^2:1: nieoczekiwany znak #12$' wynik || { echo "FAIL: a form feed from a $sposob:"; cat wynik; bledy=1; }
done
# A pipe that stays open: the first line's tokens come before the input ends.
bash "$dane/../rura.sh" ./T 'ab' '^NAZWA \[ab\]' || bledy=1

[ "$ile" -ge 15 ] || { echo "FAIL: only $ile inputs were run"; bledy=1; }
echo "scanners from token files: $ile inputs"
bash "$dane/../rozszerzone_tokeny.sh" "$bryzas" "$praca/rozszerzony" || bledy=1
exit $bledy
