#!/usr/bin/env bash
# Every counterexample the analyser prints for the grammars of its cases is
# failed by the parser that bryzas generates and GNAT builds: "odrzuci" ends
# with a syntax error (status 1), "skonczy przed" with Parsuj returning
# before the end (status 2). A grammar that GNAT cannot build as it stands is
# mended first, as its author would: a name Ada cannot carry gets "_1"
# appended, and a nonterminal without a production gets one of a token of
# its own. Neither may change a proof: names do not change what the parser
# does, and a proof's derivation and the parser's run on it keep off every
# nonterminal without a production.
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
  # Code inserts of the cases are not meant to compile; of a grammar in the
  # extended notation with an error bryzas writes no parser.
  grep -q '#\$' "$g" && continue
  grep -qi '^++rozszerzona' "$g" && continue
  nazwa=$(basename "$(dirname "$(dirname "$g")")")
  d=$praca/$nazwa && mkdir "$d" && cp "$g" "$d/" || exit 1
  (cd "$d" && timeout 20 "$bin/bryzas_analiza" G) > "$d/G.analiza"
  # "G.gpa:1:7: uwaga: zdanie 'a' 'x' nalezy do jezyka, parser odrzuci je na 'x'"
  sed -n "s/^G\.gpa:[0-9]*:[0-9]*: uwaga: zdanie \(.*\) nalezy do jezyka, parser \([a-z]*\).*/\2 \1/p" "$d/G.analiza" |
    sed "s/^odrzuci /1 /; s/^skonczy /2 /; s/(puste)//; s/'//g" > "$d/G.zdania"
  [ -s "$d/G.zdania" ] || continue
  # The productions added stand before the FIRST section.
  sed -n 's/^G\.gpa:[0-9]*:[0-9]*: blad: nieterminal "\(.*\)" nie ma produkcji$/\1/p' "$d/G.analiza" > "$d/G.bez"
  awk -v bez="$d/G.bez" 'function dopisz() { while ((getline n < bez) > 0) printf "\"%s\" = '"'"'Brak_%s'"'"' .\n", n, n; dopisane = 1 }
    /^%%/ && !dopisane { dopisz() } { print } END { if (!dopisane) dopisz() }' "$d/G.gpa" > "$d/G.nowa" &&
    mv "$d/G.nowa" "$d/G.gpa"
  # "G.gpa:4:58: blad: 'begin' jest slowem zastrzezonym Ady", and the other
  # name errors, each naming the name at fault first.
  sed -n "s/^G\.gpa:[0-9]*:[0-9]*: blad: \('[^']*'\|\"[^\"]*\"\) \(jest slowem\|przeslania\|nazywa to\|i [\"'].* roznia sie\).*/\1/p" \
    "$d/G.analiza" | sort -u | while read -r z; do
    q=${z:0:1} n=${z:1:${#z}-2}
    sed -i "s/$q$n$q/$q${n}_1$q/g" "$d/G.gpa"
    [ "$q" = "'" ] && awk -v n="$n" '{ for (i = 2; i <= NF; i++) if ($i == n) $i = n "_1" } 1' "$d/G.zdania" > "$d/G.z" &&
      mv "$d/G.z" "$d/G.zdania"
  done
  ile=$((ile + $(wc -l < "$d/G.zdania")))
  bash "$tu/../ada/zdania.sh" "$bin/bryzas" "$d" G "$d/G.zdania" || { echo "in $nazwa"; bledy=1; }
done
echo "counterexamples checked with GNAT: $ile"
[ "$ile" -ge 10 ] || { echo "FAIL: fewer than 10 counterexamples"; bledy=1; }
exit $bledy
