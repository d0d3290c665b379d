#!/usr/bin/env bash
# Builds the bench's PL/0 recognisers, each in a directory of its own under
# DIR, as DIR/NAME/rozpoznaj; each parses the program named by its argument,
# prints the number of non-empty statements in it and ends with status 0, or
# 1 after an error:
#   bryzas  bench/pl0/Pl0.gpa and tests/examples/pl0/Pl0.tok through bryzas,
#           built by `gprbuild -P Pl0.gpr` as the user does
#   re2c    bench/peers/pl0/pl0.re (scanner and parser) through re2c, cc -O2
# A recogniser whose tools are missing or whose build fails is left out and
# DIR/NAME.blad says why in one line; the other is still built.
# Usage: buduj.sh BRYZAS DIR   (BRYZAS "" leaves out bryzas's)
set -u
[ $# = 2 ] || { echo "usage: buduj.sh BRYZAS DIR" >&2; exit 2; }
bryzas=${1:+$(realpath "$1")}
cel=$(realpath -m "$2")
tu=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$cel" || exit 1

# nie, narzedzia, krok, nowy: the steps of a build in $cel
. "$tu/../kroki_budowy.sh"

nowy bryzas
if [ -z "$bryzas" ]; then
  nie bryzas "no bryzas given"
elif narzedzia bryzas gprbuild; then
  cp "$tu/Pl0.gpa" "$tu/../../tests/examples/pl0/Pl0.tok" "$cel/bryzas/"
  krok bryzas "$bryzas" Pl0 && krok bryzas gprbuild -q -P Pl0.gpr && krok bryzas mv Pl0 rozpoznaj
fi

nowy re2c
if narzedzia re2c re2c cc; then
  krok re2c re2c -W -o pl0.c "$tu/../peers/pl0/pl0.re" && krok re2c cc -O2 -o rozpoznaj pl0.c
fi
exit 0
