#!/usr/bin/env bash
# Builds the calculator in a directory of its own, the way a user does:
# copies the grammar, the hand-written scanner body and the GNAT naming
# pragmas there, generates the parser with bryzas and builds it with
# gnatmake. bryzas's console goes to standard output; gnatmake's messages
# go to gnatmake.log in that directory (and to standard output).
# Usage: buduj.sh BRYZAS DIR
set -eu
bryzas=$(realpath "$1")
cel=$2
zrodla=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$cel"
cp "$zrodla/Kalk.gpa" "$zrodla/Kalk_skan.adb" "$zrodla/Kalk.adc" "$cel/"
cd "$cel"
status=0
"$bryzas" Kalk || status=$?
if [ "$status" != 0 ]; then
  echo "bryzas Kalk ended with status $status"
  exit 1
fi
status=0
gnatmake -q -gnatec=Kalk.adc Kalk.adb > gnatmake.log 2>&1 || status=$?
cat gnatmake.log
if [ "$status" != 0 ]; then
  echo "gnatmake ended with status $status"
  exit 1
fi
