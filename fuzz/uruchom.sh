#!/usr/bin/env bash
# Runs each fuzz target for the given number of seconds, one after the other:
# uruchom.sh BUILD_DIR SECONDS [TARGET...]. Each starts from the seed corpus
# and the inputs of past findings and keeps what it learns in
# BUILD_DIR/korpus_<target>. A finding is written to BUILD_DIR/znaleziska/
# and fails the script; once the fault is fixed, keep it under
# fuzz/regresja/<target>/.
set -uo pipefail
zrodla=$(cd "$(dirname "$0")" && pwd)
budowa=$(cd "$1" && pwd)
sekundy=$2
shift 2
mkdir -p "$budowa/znaleziska"
cele=("$@")
[ $# -eq 0 ] && cele=(bryzas ostrew analiza tokeny)
wynik=0
for cel in "${cele[@]}"; do
  mkdir -p "$budowa/korpus_$cel"
  log=$budowa/fuzz_$cel.log
  # Lines of 1000 and more characters need inputs of a few kilobytes.
  "$budowa/fuzz_$cel" -max_total_time="$sekundy" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$budowa/znaleziska/$cel-" \
      "$budowa/korpus_$cel" "$zrodla/korpus/${cel/analiza/bryzas}" $(ls -d "$zrodla/regresja/$cel" 2> /dev/null) > "$log" 2>&1
  if [ $? -eq 0 ]; then
    echo "fuzz $cel: $sekundy s, $(sed -n 's/^stat::number_of_executed_units: *//p' "$log") runs, no finding"
  else
    echo "fuzz $cel: FINDING, see $log and $budowa/znaleziska/"
    grep -E 'broken promise|ERROR|runtime error|SUMMARY' "$log" | head -5
    wynik=1
  fi
done
exit $wynik
