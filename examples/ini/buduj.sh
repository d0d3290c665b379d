#!/usr/bin/env bash
# Builds the INI converter in a directory of its own: copies the grammar,
# the hand-written scanner body, main procedure, input and output packages
# there, generates the parser with bryzas (which keeps the existing main
# procedure Ini.adb and writes the GNAT project Ini.gpr) and builds it with
# gprbuild. bryzas's console goes to standard output; gprbuild's messages go
# to budowa.log in that directory (and to standard output).
# Usage: buduj.sh BRYZAS DIR
set -eu
bryzas=$(realpath "$1")
cel=$2
zrodla=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$cel"
cp "$zrodla/Ini.gpa" "$zrodla/Ini_skan.adb" "$zrodla/Ini.adb" \
   "$zrodla"/ini_we.ad? "$zrodla"/ini_wy.ad? "$zrodla"/ini_blad.ad? "$cel/"
cd "$cel"
status=0
"$bryzas" Ini || status=$?
if [ "$status" != 0 ]; then
  echo "bryzas Ini ended with status $status"
  exit 1
fi
status=0
gprbuild -q -P Ini.gpr > budowa.log 2>&1 || status=$?
cat budowa.log
if [ "$status" != 0 ]; then
  echo "gprbuild ended with status $status"
  exit 1
fi
