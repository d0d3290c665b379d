#!/usr/bin/env bash
# The scanner that bryzas writes for the extended notation (its automaton
# as code), built with GNAT and run; tokeny.sh runs this after its own
# cases, in a directory of its scratch one. rozszerzone_tokeny/T.gpa prints
# every token (kind, text, length, line:column); each N.we is run from a
# file and from a pipe, and both must print N.wy: the standard output, the
# line "-- bledy", the standard error, then "status S". Then tokens across
# the input's blocks and longer than a block, from a file and from a pipe,
# and a pipe that stays open. With TOKENY_AKTUALIZUJ=1 the N.wy are written
# from the runs instead (read every one of them before committing it).
# Usage: rozszerzone_tokeny.sh BRYZAS NEW_DIR
set -u
bryzas=$1
praca=$2
dane=$(dirname "$(realpath "$0")")/rozszerzone_tokeny
mkdir "$praca" || exit 1
cp "$dane/T.gpa" "$dane/T.tok" "$praca/"
cd "$praca" || exit 1
timeout 20 "$bryzas" T > bryzas.out 2>&1 || { cat bryzas.out; echo "FAIL: bryzas T"; exit 1; }
status=0
timeout 300 gprbuild -q -P T.gpr > budowa.log 2>&1 || status=$?
if [ "$status" != 0 ] || [ -s budowa.log ]; then
  cat budowa.log; echo "FAIL: gprbuild ended with status $status or a message"; exit 1
fi
bledy=0 ile=0

uruchom() { # FILE MODE: T on FILE from a file or a pipe, as N.wy holds it
  if [ "$2" = plik ]; then timeout 10 ./T < "$1" > wy 2> bl; else cat "$1" | timeout 10 ./T > wy 2> bl; fi
  local st=$?
  cat wy; echo "-- bledy"; cat bl; echo "status $st"
}
for we in "$dane"/*.we; do
  oczekiwane=${we%.we}.wy
  uruchom "$we" plik > wynik
  [ "${TOKENY_AKTUALIZUJ:-}" = 1 ] && cp wynik "$oczekiwane"
  for sposob in plik potok; do
    ile=$((ile + 1))
    [ $sposob = potok ] && uruchom "$we" potok > wynik
    cmp -s "$oczekiwane" wynik ||
      { echo "FAIL: $(basename "$we") from a $sposob:"; diff "$oczekiwane" wynik | head -20; bledy=1; }
  done
done

# Tokens that straddle the end of a block, or are longer than one: each is
# whole, at its place, and the next one after it too.
blok=$(sed -n 's/^ *Rozmiar_We : constant := \([0-9_]*\);$/\1/p' T_skan.adb | tr -d _)
[ -n "$blok" ] || { echo "FAIL: no Rozmiar_We in the scanner"; bledy=1; blok=65536; }
for n in $((blok - 3)) $((blok - 1)) $blok $((2 * blok - 2)); do
  { printf '%*s' "$n" ''; printf '12.5E+3 "ab""c" 7\nx'; } > przez_blok
  for sposob in plik potok; do
    uruchom przez_blok $sposob > wynik
    printf 'LICZBA [12.5E+3] 7 1: %d\nNAPIS ["ab""c"] 7 1: %d\nLICZBA [7] 1 1: %d\nNAZWA [x] 1 2: 1\n-- bledy\nstatus 0\n' \
      $((n + 1)) $((n + 9)) $((n + 17)) > wzor
    cmp -s wzor wynik || { echo "FAIL: $n blanks before tokens, from a $sposob:"; diff wzor wynik | head; bledy=1; }
  done
done
for dl in $((blok - 1)) $((3 * blok)); do
  { printf '\n"'; head -c "$dl" /dev/zero | tr '\0' 'a'; printf '" x\n"'; head -c "$dl" /dev/zero | tr '\0' 'b'; } > dlugi
  for sposob in plik potok; do
    uruchom dlugi $sposob > wynik
    printf 'NAPIS ["aaaaaaaaaaaaaaaaaaa] %d 2: 1\nNAZWA [x] 1 2: %d\n-- bledy\n-:3:1: niedokonczony '"'"'Napis'"'"'\nstatus 1\n' \
      $((dl + 2)) $((dl + 4)) > wzor
    cmp -s wzor wynik || { echo "FAIL: strings of $dl characters, from a $sposob:"; diff wzor wynik | head; bledy=1; }
  done
done
# A comment without its end, longer than a block and over lines, is reported
# where it begins; without recovery too (the scan then ends at the error).
{ printf 'x\n  (*'; for _ in $(seq $((blok / 20))); do printf '%79s\n' c; done; } > komentarz
printf 'NAZWA [x] 1 1: 1\n-- bledy\n-:2:3: komentarz bez konca\nstatus 1\n' > wzor
mkdir bez_odtwarzania && sed '1a ++bez_odtwarzania' T.gpa > bez_odtwarzania/T.gpa && cp T.tok bez_odtwarzania/ &&
  (cd bez_odtwarzania && timeout 20 "$bryzas" T > bryzas.out 2>&1 && timeout 300 gprbuild -q -P T.gpr > budowa.log 2>&1) ||
  { echo "FAIL: T without recovery"; cat bez_odtwarzania/bryzas.out bez_odtwarzania/budowa.log; bledy=1; }
for program in ./T bez_odtwarzania/T; do
  ( cd "$(dirname "$program")" && uruchom "$OLDPWD/komentarz" plik ) > wynik
  cmp -s wzor wynik || { echo "FAIL: a long comment without its end, $program:"; diff wzor wynik | head; bledy=1; }
done
# A pipe that stays open: the first line's tokens come before the input ends.
bash "$dane/../rura.sh" ./T 'ab 12' '^NAZWA \[ab\]' || bledy=1

echo "extended scanner: $ile inputs, and tokens across blocks"
exit $bledy
