#!/usr/bin/env bash
# bryzas and bryzas_analiza parse the notation with the same scanner and the
# same checks: on every grammar of the cases that bryzas rejects with a
# scanner or syntax error, the analyser's first error is the same message at
# the same line and column. The analyser prints no error number; its message
# stands for it (numbers 28 to 33 share one message and differ by position).
# The one designed difference: a 201st production, which the generator's full
# table of left sides refuses as a repeated one, the analyser reports as too
# many productions.
# Usage: te_same_bledy.sh BIN_DIR CASES_DIR
set -u
bin=$(realpath "$1")
przypadki=$(realpath "$2")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0; porownane=0
for g in "$przypadki"/*/*/we/*.gpa; do
  case $g in */limit_produkcji/*) continue ;; esac
  p=$(basename "$g" .gpa)
  d=$(mktemp -d -p "$praca")
  cp "$g" "$d/"
  # "Blad parsera ( 36) - l: 1, k: 18: text" and "G.gpa:1:18: blad: text"
  # both become "1:18: text".
  gen=$(cd "$d" && timeout 20 "$bin/bryzas" "$p" 2>&1 |
        sed -n 's/^Blad \(parsera\|skanera\) ( *[0-9]*) - l: *\([0-9]*\), k: *\([0-9]*\): /\2:\3: /p')
  [ -n "$gen" ] || continue
  ana=$(cd "$d" && timeout 20 "$bin/bryzas_analiza" "$p" 2>&1 |
        sed -n "s/^$p\.gpa:\([0-9]*:[0-9]*: \)blad: /\1/p" | head -1)
  porownane=$((porownane + 1))
  [ "$gen" = "$ana" ] || { echo "FAIL: ${g#"$przypadki"/}: bryzas [$gen], bryzas_analiza [$ana]"; bledy=1; }
done
echo "compared on $porownane rejected grammars"
[ "$porownane" -ge 30 ] || { echo "FAIL: fewer than 30 rejected grammars"; bledy=1; }
exit $bledy
