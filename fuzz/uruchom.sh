#!/usr/bin/env bash
# Runs every fuzz target for the given number of seconds, one after the
# other: uruchom.sh BUILD_DIR SECONDS [TARGET...]
# Each target starts from the seed corpus and the inputs of past findings and
# keeps what it learns in BUILD_DIR/korpus_<target>. A finding is written to
# BUILD_DIR/znaleziska/ and makes the script fail; turn it into a regression
# input under fuzz/regresja/ once the fault is fixed.
set -uo pipefail
zrodla=$(cd "$(dirname "$0")" && pwd)
budowa=$(cd "$1" && pwd)
sekundy=$2
shift 2
cele=("$@")
[ ${#cele[@]} -eq 0 ] && cele=(bryzas ostrew ostrew_bloki)

korpus_celu() {
  case $1 in
    bryzas) echo bryzas ;;
    *) echo ostrew ;;
  esac
}

mkdir -p "$budowa/znaleziska"
wynik=0
for cel in "${cele[@]}"; do
  k=$(korpus_celu "$cel")
  roboczy="$budowa/korpus_$cel"
  mkdir -p "$roboczy"
  ziarna=("$zrodla/korpus/$k")
  [ -d "$zrodla/regresja/$k" ] && ziarna+=("$zrodla/regresja/$k")
  log="$budowa/fuzz_$cel.log"
  # Lines of 1000 and more characters need inputs of a few kilobytes.
  "$budowa/fuzz_$cel" -max_total_time="$sekundy" -max_len=8192 -timeout=10 \
      -print_final_stats=1 -artifact_prefix="$budowa/znaleziska/${cel}-" \
      "$roboczy" "${ziarna[@]}" > "$log" 2>&1
  status=$?
  wykonania=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  na_sekunde=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  if [ $status -eq 0 ]; then
    echo "fuzz $cel: ${sekundy} s, ${wykonania:-?} runs, ${na_sekunde:-?} runs/s, no finding"
  else
    echo "fuzz $cel: FINDING (status $status), see $log and $budowa/znaleziska/"
    grep -E 'broken promise|ERROR|runtime error|SUMMARY' "$log" | head -5
    wynik=1
  fi
done
exit $wynik
