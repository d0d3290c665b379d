#!/usr/bin/env bash
# Every error number that the generated parser body DIR/P_pars.adb can raise
# has its own text in DIR/P_bledy.adb, and no other number has one.
# Usage: opisy.sh DIR P
set -u
cd "$1" || exit 1
podniesione=$(grep -o 'Nr_Bledu_Pars:=[0-9]*' "$2_pars.adb" | cut -d= -f2 | sort -n)
opisane=$(grep -o 'when [0-9]* => return "oczekiwano [^"]* ('"$2"'\.gpa:[0-9]*:[0-9]*)";' "$2_bledy.adb" |
          cut -d' ' -f2 | sort -n)
if [ -z "$podniesione" ] || [ "$podniesione" != "$opisane" ]; then
  echo "FAIL: $2: numbers raised [$(echo $podniesione)], described [$(echo $opisane)]"; exit 1
fi
echo "$2: $(echo "$podniesione" | wc -l) error numbers, each described"
