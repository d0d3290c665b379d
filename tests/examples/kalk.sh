#!/usr/bin/env bash
# Builds the calculator of examples/kalk from a clean directory (bryzas,
# then gprbuild) and runs every case of kalk_przypadki.txt through it; then
# the same with its FIRST section replaced by the one bryzas_analiza --first
# computes, which must analyse clean and compute alike.
# Usage: kalk.sh BIN_DIR EXAMPLE_DIR
set -u
bin=$(realpath "$1")
przyklad=$(realpath "$2")
przypadki=$(dirname "$(realpath "$0")")/kalk_przypadki.txt
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0

# Builds the example in EXAMPLE_DIR into DIR and runs the cases.
sprawdz() {
  if ! bash "$1/buduj.sh" "$bin/bryzas" "$2" > "$2.out" 2>&1; then
    cat "$2.out"; echo "FAIL: the calculator of $1 does not build"; bledy=1; return
  fi
  if [ -s "$2/budowa.log" ]; then
    echo "FAIL: GNAT warns about the calculator:"; cat "$2/budowa.log"; bledy=1
  fi
  local ile=0 wejscie oczekiwane status wynik jest
  while IFS='|' read -r wejscie oczekiwane status; do
    case $wejscie in \#*) continue ;; esac
    [ -z "$oczekiwane" ] && continue
    wynik=$(printf '%b' "$wejscie" | timeout 10 "$2/Kalk" 2> "$praca/stderr")
    jest=$?
    ile=$((ile + 1))
    if [ "$wynik" != "$oczekiwane" ] || [ "$jest" != "$status" ] || [ -s "$praca/stderr" ]; then
      echo "FAIL: $1, input '$wejscie': got '$wynik' (status $jest), expected '$oczekiwane' (status $status)"
      [ -s "$praca/stderr" ] && cat "$praca/stderr"
      bledy=1
    fi
  done < "$przypadki"
  [ "$ile" -ge 30 ] || { echo "FAIL: only $ile cases were read from $przypadki"; bledy=1; }
  bash "$(dirname "$0")/opisy.sh" "$2" Kalk || bledy=1
  echo "calculator of $1: $ile inputs"
}

sprawdz "$przyklad" "$praca/kalk"

# The grammar up to its FIRST section, and the section computed for it.
wklejony=$praca/wklejony
cp -r "$przyklad" "$wklejony"
sed -i '/^%%$/,$d' "$wklejony/Kalk.gpa"
(cd "$wklejony" && timeout 20 "$bin/bryzas_analiza" --first Kalk >> Kalk.gpa 2> /dev/null)
wynik=$(cd "$wklejony" && timeout 20 "$bin/bryzas_analiza" Kalk)
[ "$wynik" = "*** bledy: 0, ostrzezenia: 0" ] || { echo "FAIL: the pasted section is not clean: $wynik"; bledy=1; }
sprawdz "$wklejony" "$praca/kalk_wklejony"
exit $bledy
