#!/usr/bin/env bash
# Every case of tests/przypadki/rozszerzona that generates a parser (status
# 0) is built with gprbuild and -gnatwa: the Ada written from the extended
# notation compiles, without a single warning. A case whose start symbol has
# parameters brings its own main procedure among its inputs; one without a
# token file has no scanner body to build with, and is left out. A case
# with a file wejscie is then run on it: what it prints, on either output,
# must be its file oczekiwane.
# Usage: rozszerzone.sh BRYZAS CASES_DIR
set -u
bryzas=$(realpath "$1")
przypadki=$(realpath "$2")
if ! command -v gprbuild > /dev/null; then
  echo "SKIP: gprbuild not found, so the generated parsers cannot be built"; exit 0
fi
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0 ile=0
for przypadek in "$przypadki"/*/; do
  [ "$(cat "$przypadek/status")" = 0 ] || continue
  nazwa=$(basename "$przypadek")
  projekt=$(tail -n 1 "$przypadek/polecenie")
  [ -f "$przypadek/we/$projekt.tok" ] || continue
  mkdir "$praca/$nazwa"
  cp "$przypadek"/we/* "$praca/$nazwa/"
  ile=$((ile + 1))
  if ! (cd "$praca/$nazwa" && timeout 60 "$bryzas" "$projekt" > konsola 2>&1 &&
        timeout 300 gprbuild -q -P "$projekt.gpr" -cargs -gnatwa > budowa.log 2>&1) ||
     [ -s "$praca/$nazwa/budowa.log" ]; then
    echo "FAIL: $nazwa does not build without a message:"
    cat "$praca/$nazwa/budowa.log" 2> /dev/null
    bledy=1
  elif [ -f "$przypadek/wejscie" ]; then
    (cd "$praca/$nazwa" && timeout 10 "./$projekt" < "$przypadek/wejscie" > wyjscie 2>&1)
    if ! cmp -s "$praca/$nazwa/wyjscie" "$przypadek/oczekiwane"; then
      echo "FAIL: $nazwa prints on its input:"; cat "$praca/$nazwa/wyjscie"; bledy=1
    fi
  fi
done
[ "$ile" -ge 3 ] || { echo "FAIL: only $ile cases found in $przypadki"; bledy=1; }
echo "$ile parsers from the extended notation built"
exit $bledy
