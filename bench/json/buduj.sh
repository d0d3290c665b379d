#!/usr/bin/env bash
# Builds the bench's JSON recognisers, each in a directory of its own under
# DIR, as DIR/NAME/rozpoznaj; each parses the file named by its argument,
# prints the number of values in it and ends with status 0, or 1 after an
# error:
#   bryzas     bench/json/Json.gpa and tests/examples/json/Json.tok through
#              bryzas, built by `gprbuild -P Json.gpr` as the user does
#   bryzas_o2  the same, built with -cargs -O2
#   coco       bench/peers/json/Json.atg through Debian's cococpp, g++ -O2
#   bison      bench/peers/json/json.y and json.l through bison and flex, cc -O2
#   bison_cf   the same with the scanner's tables from flex -CF
#   re2c       bench/peers/json/json.re (scanner and parser) through re2c, cc -O2
# A recogniser whose tools are missing or whose build fails is left out and
# DIR/NAME.blad says why in one line; the others are still built.
# Usage: buduj.sh BRYZAS DIR   (BRYZAS "" leaves out the two of bryzas)
set -u
[ $# = 2 ] || { echo "usage: buduj.sh BRYZAS DIR" >&2; exit 2; }
bryzas=${1:+$(realpath "$1")}
cel=$(realpath -m "$2")
tu=$(cd "$(dirname "$0")" && pwd)
peers=$tu/../peers/json
mkdir -p "$cel" || exit 1

# nie, narzedzia, krok, nowy: the steps of a build in $cel
. "$tu/../kroki_budowy.sh"

# bryzas's two: the project file it writes decides the first's switches.
for n in bryzas bryzas_o2; do
  nowy $n
  [ -n "$bryzas" ] || { nie $n "no bryzas given"; continue; }
  narzedzia $n gprbuild || continue
  cp "$tu/Json.gpa" "$tu/../../tests/examples/json/Json.tok" "$cel/$n/"
  krok $n "$bryzas" Json || continue
  opcje=()
  [ $n = bryzas_o2 ] && opcje=(-cargs -O2)
  krok $n gprbuild -q -P Json.gpr "${opcje[@]}" && krok $n mv Json rozpoznaj
done

nowy coco
if narzedzia coco cococpp c++; then
  krok coco cococpp "$peers/Json.atg" -frames /usr/share/coco-cpp -o . &&
    krok coco c++ -O2 -I. -o rozpoznaj Parser.cpp Scanner.cpp "$peers/coco_glowny.cpp"
fi

for n in bison bison_cf; do
  nowy $n
  narzedzia $n bison flex cc || continue
  flex_opcje=()
  [ $n = bison_cf ] && flex_opcje=(-CF)
  krok $n bison -d -o json.tab.c "$peers/json.y" &&
    krok $n flex "${flex_opcje[@]}" -o lex.yy.c "$peers/json.l" &&
    krok $n cc -O2 -I. -o rozpoznaj json.tab.c lex.yy.c
done
nowy re2c
if narzedzia re2c re2c cc; then
  krok re2c re2c -W -o json.c "$peers/json.re" && krok re2c cc -O2 -o rozpoznaj json.c
fi
exit 0
