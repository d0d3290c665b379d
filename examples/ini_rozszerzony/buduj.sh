#!/usr/bin/env bash
# Builds the INI converter of the extended notation in a directory of its
# own: copies the grammar, the scanner body, ini_pozycja.ads and the main
# procedure from here and the input and output packages from ../ini,
# generates the parser with bryzas (which keeps Ini.adb and writes the GNAT
# project Ini.gpr) and builds it with gprbuild, all warnings on. bryzas's
# console goes to standard output; gprbuild's messages go to budowa.log in
# that directory (and to standard output).
# Usage: buduj.sh BRYZAS DIR
set -eu
bryzas=$(realpath "$1")
cel=$2
zrodla=$(cd "$(dirname "$0")" && pwd)
ini=$zrodla/../ini
mkdir -p "$cel"
cp "$zrodla/Ini.gpa" "$zrodla/Ini_skan.adb" "$zrodla/Ini.adb" "$zrodla/ini_pozycja.ads" \
   "$ini"/ini_we.ad? "$ini"/ini_wy.ad? "$ini"/ini_blad.ad? "$cel/"
cd "$cel"
status=0
"$bryzas" Ini || status=$?
if [ "$status" != 0 ]; then
  echo "bryzas Ini ended with status $status"
  exit 1
fi
status=0
gprbuild -q -P Ini.gpr -cargs -gnatwa > budowa.log 2>&1 || status=$?
cat budowa.log
if [ "$status" != 0 ]; then
  echo "gprbuild ended with status $status"
  exit 1
fi
