#!/usr/bin/env bash
# Every counterexample the analyser prints for the grammars of its cases is
# failed by the parser that bryzas generates and GNAT builds: "odrzuci" ends
# with a syntax error (status 1), "skonczy przed" with Parsuj returning
# before the end (status 2).
# Usage: dowody_gnat.sh BIN_DIR CASES_DIR
set -u
bin=$(realpath "$1")
przypadki=$(realpath "$2")
tu=$(dirname "$(realpath "$0")")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0 ile=0
for g in "$przypadki"/analiza/*/we/G.gpa; do
  # Code inserts of the cases are not meant to compile.
  grep -q '#\$' "$g" && continue
  nazwa=$(basename "$(dirname "$(dirname "$g")")")
  d=$praca/$nazwa && mkdir "$d" && cp "$g" "$d/" || exit 1
  # "G.gpa:1:7: uwaga: zdanie 'a' 'x' nalezy do jezyka, parser odrzuci je na 'x'"
  (cd "$d" && timeout 20 "$bin/bryzas_analiza" G) |
    sed -n "s/^G\.gpa:[0-9]*:[0-9]*: uwaga: zdanie \(.*\) nalezy do jezyka, parser \([a-z]*\).*/\2 \1/p" |
    sed "s/^odrzuci /1 /; s/^skonczy /2 /; s/(puste)//; s/'//g" > "$d/G.zdania"
  [ -s "$d/G.zdania" ] || continue
  ile=$((ile + $(wc -l < "$d/G.zdania")))
  bash "$tu/../ada/zdania.sh" "$bin/bryzas" "$d" G "$d/G.zdania" || { echo "in $nazwa"; bledy=1; }
done
echo "counterexamples checked with GNAT: $ile"
[ "$ile" -ge 10 ] || { echo "FAIL: fewer than 10 counterexamples"; bledy=1; }
exit $bledy
