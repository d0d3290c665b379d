#!/usr/bin/env bash
# Builds the parser of DIR/P.gpa with bryzas and GNAT, its scanner reading
# words that name token kinds, and runs each sentence of ZDANIA through it.
# A line of ZDANIA is the expected status and the sentence:
#   0 x y      parsed whole
#   1 x x      rejected on a token
#   2 x y y    Parsuj returns before the end
# Usage: zdania.sh BRYZAS DIR P ZDANIA
set -u
bryzas=$(realpath "$1"); cd "$2" || exit 1; p=$3; zdania=$(realpath "$4")
slowa=$(dirname "$(realpath "$0")")/slowa
ulimit -f 8192
sed "s/@P@/$p/g" "$slowa/skan.adb.in" > "${p}_skan.adb"
sed "s/@P@/$p/g" "$slowa/main.adb.in" > "$p.adb"
cp "$slowa/stan.ads" slowa_stan.ads
timeout 20 "$bryzas" "$p" > bryzas.out || { cat bryzas.out; echo "FAIL: bryzas $p"; exit 1; }
timeout 120 gprbuild -q -P "$p.gpr" > gnat.out 2>&1 || { cat gnat.out; echo "FAIL: gprbuild $p"; exit 1; }
bledy=0 ile=0
while read -r oczekiwany zdanie; do
  [ -z "$oczekiwany" ] && continue
  echo "$zdanie" | timeout 10 "./$p" > /dev/null 2>&1
  jest=$?
  ile=$((ile + 1))
  [ "$jest" = "$oczekiwany" ] || { echo "FAIL: $p: '$zdanie' gives status $jest, expected $oczekiwany"; bledy=1; }
done < "$zdania"
[ "$ile" -gt 0 ] || { echo "FAIL: no sentence in $zdania"; bledy=1; }
exit $bledy
