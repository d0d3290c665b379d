#!/usr/bin/env bash
# The calculator end to end, in a scratch directory: bryzas turns Kalk.gpa
# into an Ada parser and Kalk.tok into its scanner, gprbuild builds them,
# and the program evaluates a few inputs.
# Usage: demo.sh BRYZAS
set -u
bryzas=$(realpath "$1")
tu=$(cd "$(dirname "$0")" && pwd)
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT

echo "##### calculator: bryzas Kalk, then gprbuild -P Kalk.gpr"
bash "$tu/buduj.sh" "$bryzas" "$praca" || exit 1
echo "##### files of the program (Kalk_skan.adb comes from Kalk.tok):"
(cd "$praca" && ls Kalk.adb Kalk_*.ad?)
echo "##### the calculator at work (echo INPUT | ./Kalk)"
for wejscie in "1 + 2" "2 * (3 + 4)" "-7 + 2" "100 / 10 / 5" "2 *" "(1" "1 / 0" "3.5"; do
  printf '%-14s => ' "$wejscie"
  printf '%s\n' "$wejscie" | "$praca/Kalk"
done
exit 0
