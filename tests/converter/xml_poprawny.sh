#!/usr/bin/env bash
# Every a.xml of a successful run must be well-formed XML.
# Usage: xml_poprawny.sh OSTREW CASES_DIR [EXTRA_A_INI...]
# Checks with xmllint the expected a.xml of every case that ends with status
# 0, and what the converter writes for each extra a.ini and for generated
# inputs.
set -u
ostrew=$(realpath "$1")
przypadki=$2
shift 2
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0
sprawdzone=0

# Converts $praca/a.ini and checks the result; $1 names the input.
konwertuj() {
  rm -f "$praca/a.xml"
  if ! (cd "$praca" && "$ostrew" > konsola 2>&1); then
    echo "FAIL: $1: ostrew ended with a failure:"; cat "$praca/konsola"; bledy=1; return
  fi
  if ! xmllint --noout "$praca/a.xml"; then
    echo "FAIL: $1: a.xml is not well-formed"; bledy=1; return
  fi
  sprawdzone=$((sprawdzone + 1))
}

# The check must be able to fail: a raw ISO 8859-1 byte is not UTF-8.
printf '<?xml version="1.0"?>\n<a>\xe9</a>\n' > "$praca/zly.xml"
if xmllint --noout "$praca/zly.xml" 2> /dev/null; then
  echo "FAIL: xmllint accepts a file that is not UTF-8"; exit 1
fi

for xml in "$przypadki"/*/wy/a.xml; do
  [ "$(cat "$(dirname "$xml")/../status")" = 0 ] || continue
  if xmllint --noout "$xml"; then sprawdzone=$((sprawdzone + 1)); else echo "FAIL: $xml is not well-formed"; bledy=1; fi
done

for plik in "$@"; do
  cp "$plik" "$praca/a.ini"
  konwertuj "$plik"
done

# Every letter of ISO 8859-1 in section names, keys, strings and names.
{
  for kod in $(seq 65 90) $(seq 97 122) $(seq 192 214) $(seq 216 246) $(seq 248 255); do
    z=$(printf "\\$(printf '%03o' "$kod")")
    printf '[s%s_1]\n%s%s = "%sx", %s9, 0%d\n' "$z" "$z" "$z" "_$z" "$z" "$kod"
  done
} > "$praca/a.ini"
konwertuj "litery ISO 8859-1"

# The longest texts, one per kind, in CR LF lines.
n=$(printf 'N%.0s' $(seq 100))
liczba=$(printf '0%.0s' $(seq 99))7
printf '[%s]\r\n%s = "%s", %s, %s\r\n' "$n" "$n" "$n" "$n" "$liczba" > "$praca/a.ini"
konwertuj "najdluzsze teksty"

echo "$sprawdzone files checked"
[ "$sprawdzone" -gt 0 ] || { echo "FAIL: nothing was checked"; exit 1; }
exit $bledy
