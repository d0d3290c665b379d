#!/usr/bin/env bash
# Generates the parser of a grammar and compiles every generated unit with
# GNAT, together with a minimal scanner body. BRYZAS GRAMMAR_FILE
set -eu
bryzas=$(realpath "$1")
gramatyka=$(realpath "$2")
projekt=$(basename "$gramatyka" .gpa)
maly=$(echo "$projekt" | tr 'A-Z' 'a-z')
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
cd "$praca"
cp "$gramatyka" .
SOURCE_DATE_EPOCH=0 "$bryzas" "$projekt" > konsola || { cat konsola; exit 1; }
# GNAT looks for units under lower-case file names; the scanner package lives
# in the file with the _skan_t suffix.
mkdir ada && cd ada
cp "../${projekt}_pars.ads" "${maly}_pars.ads"
cp "../${projekt}_pars.adb" "${maly}_pars.adb"
cp "../${projekt}_zbiory.ads" "${maly}_zbiory.ads"
cp "../${projekt}_zbiory.adb" "${maly}_zbiory.adb"
cp "../${projekt}_skan_t.ads" "${maly}_skan.ads"
cp "../${projekt}_bledy.ads" "${maly}_bledy.ads"
cp "../${projekt}_bledy.adb" "${maly}_bledy.adb"
cp "../${projekt}.adb" "${maly}.adb"
cat > "${maly}_skan.adb" <<ADA
package body ${projekt}_Skan is
   function Skanuj return Token_Typ is
   begin
      return (Kod => Pusty, Wart => (others => ' '));
   end Skanuj;
end ${projekt}_Skan;
ADA
status=0
for f in *.adb; do
  if ! gcc -c -gnatc -gnatwa "$f" > "$f.msg" 2>&1; then status=1; fi
  # Warnings are listed, errors fail the check.
  if [ -s "$f.msg" ]; then echo "== $f"; cat "$f.msg"; fi
done
exit $status
