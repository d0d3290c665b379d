#!/usr/bin/env bash
# Builds the two INI token counters of the bench with GNAT at -O2:
#   DIR/gen/licz_gen    the scanner bryzas generates from Ini.tok (reads stdin)
#   DIR/recz/licz_recz  the hand-written scanner of examples/ini (reads the
#                       file named by its argument)
# Each prints the number of tokens before the end token. GNAT looks for units
# under lower-case file names, so the scanner files are copied under those.
# Usage: buduj.sh BRYZAS DIR   (the compiler's messages go to DIR/budowa.log)
set -eu
bryzas=$(realpath "$1")
cel=$(realpath -m "$2")
tu=$(cd "$(dirname "$0")" && pwd)
ini=$tu/../../examples/ini
mkdir -p "$cel/gen" "$cel/recz"
log=$cel/budowa.log
: > "$log"
# FILE...: copies each file bryzas wrote to the lower-case name GNAT looks for
pod_nazwa_gnat() {
  local f
  for f; do
    [ -f "$f" ] || f=${f,,}
    [ -f "$f" ] || { echo "bryzas did not write $f"; exit 1; }
    [ "$f" = "${f,,}" ] || cp "$f" "${f,,}"
  done
}

cd "$cel/gen"
cp "$ini/Ini.gpa" "$tu/Ini.tok" "$tu/licz_gen.adb" .
"$bryzas" Ini >> "$log" 2>&1 || { echo "bryzas Ini (with Ini.tok) failed, see $log"; exit 1; }
cp Ini_skan_t.ads ini_skan.ads
pod_nazwa_gnat Ini_skan.adb Ini_pozycja.ads
gnatmake -q -O2 licz_gen.adb >> "$log" 2>&1 || { echo "gnatmake licz_gen failed, see $log"; exit 1; }

cd "$cel/recz"
cp "$ini/Ini.gpa" "$tu/licz_recz.adb" "$ini"/ini_we.ad? "$ini"/ini_blad.ad? .
"$bryzas" Ini >> "$log" 2>&1 || { echo "bryzas Ini failed, see $log"; exit 1; }
cp Ini_skan_t.ads ini_skan.ads
cp "$ini/Ini_skan.adb" ini_skan.adb
gnatmake -q -O2 licz_recz.adb >> "$log" 2>&1 || { echo "gnatmake licz_recz failed, see $log"; exit 1; }
