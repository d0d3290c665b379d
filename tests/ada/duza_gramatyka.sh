#!/usr/bin/env bash
# A grammar of 1000 productions and 4001 terminals in the extended notation
# (bench/generuj_lancuch.py), with its token file of 4001 keywords: bryzas
# accepts it, GNAT builds the parser without a warning, the parser accepts
# sentences of the language (the deepest one nests 1000 calls), and a token
# out of place and a character that begins no token are reported at their
# places.
# Usage: duza_gramatyka.sh BRYZAS GENERUJ_LANCUCH_PY
set -u
command -v gprbuild > /dev/null || { echo "SKIP: no gprbuild to build the parser with"; exit 77; }
bryzas=$(realpath "$1")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 65536
python3 "$2" 1000 "$praca/L" --zdania 3 || { echo "FAIL: the grammar could not be generated"; exit 1; }
cd "$praca" || exit 1
bledy=0
blad() { echo "FAIL: $*"; bledy=1; }

if ! timeout 120 "$bryzas" L > konsola 2>&1; then
  blad "bryzas rejects the grammar:"; head -20 konsola; exit 1
fi
# Every terminal is a kind of the scanner, the end token among them.
rodzaje=$(sed -n '/type Token_Kod is/,/);/p' L_skan_t.ads | tr ',()' '\n\n\n' | grep -cE '^ *[A-Za-z]')
[ "$rodzaje" = 4003 ] || blad "Token_Kod has $rodzaje names, not the 4001 terminals, Pusty and its own name"

if ! timeout 900 gprbuild -q -P L.gpr -XTRYB=debug -cargs -gnatwa > budowa.log 2>&1 || [ -s budowa.log ]; then
  blad "the parser does not build without a message:"; head -20 budowa.log; exit 1
fi

# The deepest sentence: down the whole chain, back up with a loop round at
# every level.
{
  for ((k = 1; k <= 1000; k++)); do printf 't%d\n' "$k"; done
  printf 'u1000 w1000\n'
  for ((k = 1000; k >= 1; k--)); do printf 'v%d t%d\n' "$k" "$k"; done
} > najglebsze
for z in najglebsze L_zdanie_1 L_zdanie_2 L_zdanie_3; do
  timeout 20 ./L "$z" > wyjscie 2>&1
  status=$?
  [ "$status" = 0 ] && [ ! -s wyjscie ] || { blad "the sentence $z gives status $status:"; head -5 wyjscie; }
done

# "v3" where N4 expects the next production's "t5" or its own "u4", on line
# 5 of the deepest sentence; in another input "@" on line 500. Each is the
# first error reported, at its place.
sed -e '5s/.*/v3/' najglebsze > zle_token
sed -e '500s/.*/@/' najglebsze > zly_znak
for z in zle_token:'zle_token:5:1: oczekiwano "u4" albo "t5"; jest "v3"' \
         zly_znak:"zly_znak:500:1: nieoczekiwany znak '@'"; do
  timeout 20 ./L "${z%%:*}" > wyjscie 2>&1
  status=$?
  [ "$status" = 1 ] || blad "status $status after ${z%%:*}, not 1"
  [ "$(head -1 wyjscie)" = "${z#*:}" ] || { blad "the error of ${z%%:*} is reported as:"; head -3 wyjscie; }
done
[ "$bledy" = 0 ] && echo "the parser of 1000 productions and 4001 terminals builds and parses"
exit $bledy
