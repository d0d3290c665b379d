#!/usr/bin/env bash
# Builds the PL/0 parser of pl0/ from a clean directory: bryzas writes the
# parser from Pl0.gpa and the scanner from Pl0.tok, gprbuild builds them
# without a message. Then every pl0/programy/P.pl0 runs through it on its
# standard input: the output followed by the line "status N" (the exit
# status) must equal P.ocz, with nothing on standard error.
# Usage: pl0.sh BIN_DIR
set -u
bin=$(realpath "$1")
zrodla=$(dirname "$(realpath "$0")")/pl0
if ! command -v gprbuild > /dev/null; then
  echo "SKIP: gprbuild not found, so the PL/0 parser cannot be built"; exit 0
fi
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
cp "$zrodla/Pl0.gpa" "$zrodla/Pl0.tok" "$praca/"
cd "$praca" || exit 1

wynik=$(timeout 20 "$bin/bryzas_analiza" Pl0 2>&1)
[ "$wynik" = "*** bledy: 0, ostrzezenia: 0" ] || { echo "FAIL: the grammar is not clean: $wynik"; exit 1; }
status=0
timeout 20 "$bin/bryzas" Pl0 > bryzas.out 2>&1 || status=$?
[ "$status" = 0 ] || { cat bryzas.out; echo "FAIL: bryzas Pl0 ended with status $status"; exit 1; }
for plik in Pl0_skan.adb pl0_pozycja.ads; do
  [ -s "$plik" ] || { echo "FAIL: bryzas did not write $plik from Pl0.tok"; exit 1; }
done
status=0
timeout 300 gprbuild -q -P Pl0.gpr > budowa.log 2>&1 || status=$?
if [ "$status" != 0 ] || [ -s budowa.log ]; then
  cat budowa.log; echo "FAIL: gprbuild -P Pl0.gpr ended with status $status or a message"; exit 1
fi

bledy=0 ile=0
for program in "$zrodla"/programy/*.pl0; do
  nazwa=$(basename "$program" .pl0)
  timeout 10 ./Pl0 < "$program" > "$nazwa.wy" 2> "$nazwa.err"
  echo "status $?" >> "$nazwa.wy"
  ile=$((ile + 1))
  if ! cmp -s "${program%.pl0}.ocz" "$nazwa.wy" || [ -s "$nazwa.err" ]; then
    echo "FAIL: $nazwa.pl0 (expected, then got):"
    diff "${program%.pl0}.ocz" "$nazwa.wy"; cat "$nazwa.err"; bledy=1
  fi
done
[ "$ile" -ge 9 ] || { echo "FAIL: only $ile programs in $zrodla/programy"; bledy=1; }
echo "PL/0: $ile programs"
exit $bledy
