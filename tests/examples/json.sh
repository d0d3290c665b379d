#!/usr/bin/env bash
# A JSON recogniser written in the extended notation (json/Json.gpa and
# Json.tok), built with GNAT, run on each line of json/dokumenty.txt as a
# document of its own and on strings of 10 000 characters: it must accept
# exactly what Python's strict JSON reader accepts, and report a rejected
# one as "FILE:LINE:COLUMN: ..." on standard error with status 1; after an
# error it goes on and reports the next (json_odtwarzanie.py).
# Usage: json.sh BIN_DIR
set -u
bin=$(realpath "$1")
zrodla=$(dirname "$(realpath "$0")")/json
if ! command -v gprbuild > /dev/null || ! command -v python3 > /dev/null; then
  echo "SKIP: gprbuild or python3 not found"; exit 0
fi
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
cp "$zrodla/Json.gpa" "$zrodla/Json.tok" "$praca/"
cd "$praca" || exit 1
status=0
timeout 20 "$bin/bryzas" Json > bryzas.out 2>&1 || status=$?
[ "$status" = 0 ] || { cat bryzas.out; echo "FAIL: bryzas Json ended with status $status"; exit 1; }
status=0
timeout 300 gprbuild -q -P Json.gpr -cargs -gnatwa > budowa.log 2>&1 || status=$?
if [ "$status" != 0 ] || [ -s budowa.log ]; then
  cat budowa.log; echo "FAIL: gprbuild -P Json.gpr ended with status $status or a message"; exit 1
fi

# The oracle: 0 when the document is JSON, 1 when it is not.
scisle() {
  python3 -c 'import json, sys
def nie(x): raise ValueError(x)
try: json.loads(open(sys.argv[1], "rb").read().decode("utf-8"), parse_constant=nie)
except ValueError: sys.exit(1)' "$1"
}
mkdir dok
n=0
while IFS= read -r linia; do n=$((n + 1)); printf '%s\n' "$linia" > "dok/$n.json"; done < "$zrodla/dokumenty.txt"
dlugi=$(head -c 10000 /dev/zero | tr '\0' 'x')
printf '["%s", {"%s": 1}]\n' "$dlugi" "$dlugi" > dok/dlugie.json
printf '["%s\n' "$dlugi" > dok/dlugie_bez_konca.json
bledy=0 przyjete=0 odrzucone=0
for d in dok/*.json; do
  scisle "$d"; oczekiwany=$?
  timeout 10 ./Json "$d" > wyjscie 2> komunikat; jest=$?
  if [ "$jest" != "$oczekiwany" ]; then
    echo "FAIL: $(basename "$d"): status $jest, a strict reader says $oczekiwany: $(head -c 80 "$d")"; cat komunikat; bledy=1
  elif [ -s wyjscie ]; then
    echo "FAIL: $(basename "$d"): the program printed on its standard output"; bledy=1
  elif [ "$jest" = 1 ] && ! grep -qE "^$d:[0-9]+:[0-9]+: " komunikat; then
    echo "FAIL: $(basename "$d"): no located message:"; cat komunikat; bledy=1
  fi
  [ "$jest" = 0 ] && przyjete=$((przyjete + 1)) || odrzucone=$((odrzucone + 1))
done
[ "$przyjete" -ge 8 ] && [ "$odrzucone" -ge 10 ] || { echo "FAIL: only $przyjete accepted and $odrzucone rejected"; bledy=1; }
# From standard input, named "-": what was expected, in the order of the
# definitions in Json.tok, and the token found as it stands.
printf '[1, 2,\n  ]' | timeout 10 ./Json 2> komunikat
oczekiwany="-:2:3: oczekiwano \"{\", \"[\", \"true\", \"false\", \"null\", 'Liczba' albo 'Napis'; jest \"]\""
[ "$(cat komunikat)" = "$oczekiwany" ] || { echo "FAIL: the message is"; cat komunikat; echo "instead of"; echo "$oczekiwany"; bledy=1; }
# The parser goes on after an error: every error of one input, each once.
printf '{"a": 1 "b": 2,, "c" 3, "d": [1 @ 2}\n' | timeout 10 ./Json 2> komunikat
oczekiwany='-:1:9: oczekiwano "}" albo ","; jest ""b""
-:1:16: oczekiwano '"'Napis'"'; jest ","
-:1:22: oczekiwano ":"; jest "3"
-:1:33: nieoczekiwany znak '"'@'"'
-:1:36: oczekiwano "]" albo ","; jest "}"'
[ "$(cat komunikat)" = "$oczekiwany" ] || { echo "FAIL: after recovery the messages are"; cat komunikat; echo "instead of"; echo "$oczekiwany"; bledy=1; }
python3 "$zrodla/../json_odtwarzanie.py" ./Json "$praca" 40 1 || bledy=1
echo "json: $przyjete accepted, $odrzucone rejected"
exit $bledy
