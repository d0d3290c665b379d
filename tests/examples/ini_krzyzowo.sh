#!/usr/bin/env bash
# Compares the INI converter generated from examples/ini with ostrew.
# Builds the example from a clean directory (bryzas, then gprbuild), then
# runs both programs on every input: the a.ini of ostrew's cases and the
# edge-case and random inputs of ini_wejscia/. For each input both must leave
# the same a.xml (or none), end with the same status and print the same
# console lines. The two parsers number their syntax errors differently but
# check the same things in the same order: ostrew's 11 to 16 are the
# example's 101 to 106 (the terminal checks of Sekcja and Element and the
# closing of Wartosc's alternatives, numbered in grammar order), and
# ostrew's 17 is 100 ('KONIECPL' in Plik). Every a.xml of a successful run
# must be well-formed XML.
# Usage: ini_krzyzowo.sh BRYZAS OSTREW EXAMPLE_DIR CASES_DIR
set -u
bryzas=$(realpath "$1")
ostrew=$(realpath "$2")
przyklad=$(realpath "$3")
przypadki_ostrew=$4
tu=$(dirname "$(realpath "$0")")
praca=$(mktemp -d)
trap 'chmod -R u+rwx "$praca" 2>/dev/null; rm -rf "$praca"' EXIT
ulimit -f 8192

if ! bash "$przyklad/buduj.sh" "$bryzas" "$praca/ini" > "$praca/budowa.out" 2>&1; then
  cat "$praca/budowa.out"; echo "FAIL: the INI example does not build"; exit 1
fi
bledy=0
zle() { echo "FAIL: $*"; bledy=1; }
[ -s "$praca/ini/budowa.log" ] && { zle "GNAT warns about the INI example:"; cat "$praca/ini/budowa.log"; }
ini=$praca/ini/Ini
bash "$tu/opisy.sh" "$praca/ini" Ini || bledy=1

# Every input becomes a directory of the files a run starts with, and
# possibly a script that prepares it.
mkdir "$praca/przypadki"
for we in "$tu"/ini_wejscia/*.ini; do
  mkdir "$praca/przypadki/$(basename "$we" .ini)"
  cp "$we" "$praca/przypadki/$(basename "$we" .ini)/a.ini"
done
for przypadek in "$przypadki_ostrew"/*/; do
  cel=$praca/przypadki/ostrew_$(basename "$przypadek")
  mkdir "$cel"
  [ -d "$przypadek/we" ] && cp -a "$przypadek/we/." "$cel/"
  [ -f "$przypadek/przygotuj.sh" ] && cp "$przypadek/przygotuj.sh" "$cel/.przygotuj.sh"
done

# Runs PROGRAM on the input CASE in a fresh directory DIR; leaves .konsola,
# .stderr, .status and whatever the program wrote there.
uruchom() {
  mkdir "$3"
  cp -a "$2/." "$3/"
  (cd "$3" && { [ ! -f .przygotuj.sh ] || bash .przygotuj.sh; } &&
     timeout 20 "$1" > .konsola 2> .stderr < /dev/null; echo $? > .status)
}

# ostrew's console with its syntax error numbers turned into the example's.
jak_w_przykladzie() {
  awk '/^Blad parsera: [0-9]+ l:/ { n = $3 + 0; $3 = (n == 17) ? 100 : n + 90 } { print }' "$1"
}

ile=0; dobre=0; zle_wejscia=0
for przypadek in "$praca"/przypadki/*; do
  nazwa=$(basename "$przypadek")
  a=$praca/a_$nazwa; b=$praca/b_$nazwa
  uruchom "$ostrew" "$przypadek" "$a"
  uruchom "$ini" "$przypadek" "$b"
  ile=$((ile + 1))
  sa=$(cat "$a/.status"); sb=$(cat "$b/.status")
  if [ "$sa" != "$sb" ]; then
    zle "$nazwa: ostrew ended with status $sa, the example with $sb"
  fi
  if [ -f "$a/a.xml" ] && [ -f "$b/a.xml" ]; then
    cmp -s "$a/a.xml" "$b/a.xml" || { zle "$nazwa: a.xml differs"; diff "$a/a.xml" "$b/a.xml" | head -10; }
  elif [ -f "$a/a.xml" ] || [ -f "$b/a.xml" ]; then
    zle "$nazwa: only one of the programs wrote a.xml"
  fi
  if ! diff <(jak_w_przykladzie "$a/.konsola") "$b/.konsola" > "$praca/roznica"; then
    zle "$nazwa: console output differs (< ostrew, > example)"; head -10 "$praca/roznica"
  fi
  for p in "$a" "$b"; do
    [ -s "$p/.stderr" ] && zle "$nazwa: standard error is not empty: $(head -c 300 "$p/.stderr")"
  done
  if [ "$sb" = 0 ]; then
    dobre=$((dobre + 1))
    if [ "$(cat "$b/.konsola")" != $'** Poczatek\n** Koniec' ]; then
      zle "$nazwa: a successful run printed something else"
    fi
    xmllint --noout "$b/a.xml" 2> "$praca/xmllint" || { zle "$nazwa: a.xml is not well-formed"; head -5 "$praca/xmllint"; }
  else
    zle_wejscia=$((zle_wejscia + 1))
  fi
done

# Without a.ini both report the missing file and write nothing.
mkdir "$praca/a_brak" "$praca/b_brak"
(cd "$praca/a_brak" && "$ostrew" > konsola 2>&1; echo $? > status)
(cd "$praca/b_brak" && "$ini" > konsola 2>&1; echo $? > status)
for p in a_brak b_brak; do
  cmp -s "$praca/$p/konsola" <(printf '** Poczatek\n\n*** Brak pliku we o nazwie %s \nBlad!\n' "'a.ini'") ||
    zle "$p: wrong report of a missing a.ini: $(cat "$praca/$p/konsola")"
  [ "$(cat "$praca/$p/status")" = 1 ] || zle "$p: a missing a.ini ends with status $(cat "$praca/$p/status")"
  [ -e "$praca/$p/a.xml" ] && zle "$p: a.xml written without a.ini"
done

echo "INI converters compared on $ile inputs: $dobre accepted, $zle_wejscia rejected"
[ "$ile" -ge 50 ] || zle "fewer than 50 inputs"
[ "$dobre" -ge 20 ] || zle "fewer than 20 accepted inputs"
[ "$zle_wejscia" -ge 20 ] || zle "fewer than 20 rejected inputs"
exit $bledy
