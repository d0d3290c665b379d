#!/usr/bin/env bash
# Builds the calculator of examples/kalk from a clean directory (bryzas,
# then gnatmake) and runs every case of kalk_przypadki.txt through it.
# Usage: kalk.sh BRYZAS EXAMPLE_DIR
set -u
bryzas=$(realpath "$1")
przyklad=$(realpath "$2")
przypadki=$(dirname "$(realpath "$0")")/kalk_przypadki.txt
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT

if ! bash "$przyklad/buduj.sh" "$bryzas" "$praca/kalk" > "$praca/budowa.out" 2>&1; then
  cat "$praca/budowa.out"; echo "FAIL: the calculator does not build"; exit 1
fi
bledy=0
if [ -s "$praca/kalk/gnatmake.log" ]; then
  echo "FAIL: GNAT warns about the calculator:"; cat "$praca/kalk/gnatmake.log"; bledy=1
fi

ile=0
while IFS='|' read -r wejscie oczekiwane status; do
  case $wejscie in \#*) continue ;; esac
  [ -z "$oczekiwane" ] && continue
  wynik=$(printf '%b' "$wejscie" | "$praca/kalk/Kalk" 2> "$praca/stderr")
  jest=$?
  ile=$((ile + 1))
  if [ "$wynik" != "$oczekiwane" ] || [ "$jest" != "$status" ] || [ -s "$praca/stderr" ]; then
    echo "FAIL: input '$wejscie': got '$wynik' (status $jest), expected '$oczekiwane' (status $status)"
    [ -s "$praca/stderr" ] && cat "$praca/stderr"
    bledy=1
  fi
done < "$przypadki"
if [ "$ile" -lt 30 ]; then
  echo "FAIL: only $ile cases were read from $przypadki"; bledy=1
fi
echo "calculator: $ile inputs"
exit $bledy
