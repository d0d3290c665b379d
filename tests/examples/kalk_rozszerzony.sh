#!/usr/bin/env bash
# The calculator of examples/kalk_rozszerzony, written in the extended
# notation, built with buduj.sh and run on every case of kalk_przypadki.txt
# (the cases of the calculator in today's notation): it computes the same
# values with the same status, and where the other one reports a syntax,
# scanner or arithmetic error it prints nothing on standard output, only
# located messages on standard error, and ends with status 1. Then random
# nested expressions, each value checked by kalk_wartosci.py, and errors
# held to their exact messages and places.
# Usage: kalk_rozszerzony.sh BIN_DIR EXAMPLE_DIR
set -u
bin=$(realpath "$1")
przyklad=$(realpath "$2")
przypadki=$(dirname "$(realpath "$0")")/kalk_przypadki.txt
if ! command -v gprbuild > /dev/null; then
  echo "SKIP: gprbuild not found, so the calculator cannot be built"; exit 0
fi
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
if ! bash "$przyklad/buduj.sh" "$bin/bryzas" "$praca/kalk" > "$praca/buduj.out" 2>&1 || [ -s "$praca/kalk/budowa.log" ]; then
  cat "$praca/buduj.out"; echo "FAIL: the calculator does not build without a message"; exit 1
fi
bledy=0 ile=0
while IFS='|' read -r wejscie oczekiwane status; do
  case $wejscie in \#*) continue ;; esac
  [ -z "$oczekiwane" ] && continue
  wynik=$(printf '%b' "$wejscie" | timeout 10 "$praca/kalk/Kalk" 2> "$praca/stderr")
  jest=$?
  ile=$((ile + 1))
  case $oczekiwane in
    "Blad parsera"* | "Blad skanera"* | "Blad obliczen")
      if [ -n "$wynik" ] || [ "$jest" != 1 ] || [ ! -s "$praca/stderr" ] ||
         grep -qvE '^-:[0-9]+:[0-9]+: ' "$praca/stderr"; then
        echo "FAIL: input '$wejscie': got '$wynik' (status $jest), expected located messages only:"
        cat "$praca/stderr"; bledy=1
      fi ;;
    *)
      if [ "$wynik" != "$oczekiwane" ] || [ "$jest" != "$status" ] || [ -s "$praca/stderr" ]; then
        echo "FAIL: input '$wejscie': got '$wynik' (status $jest), expected '$oczekiwane' (status $status)"
        cat "$praca/stderr"; bledy=1
      fi ;;
  esac
done < "$przypadki"
[ "$ile" -ge 30 ] || { echo "FAIL: only $ile cases were read from $przypadki"; bledy=1; }
echo "calculator in the extended notation: $ile inputs"
python3 "$(dirname "$0")/kalk_wartosci.py" "$praca/kalk/Kalk" 200 1 || bledy=1
# After a syntax error the parser goes on: three errors, each reported once
# at its place, nothing printed on standard output.
wynik=$(printf '1 + + 2 * * 3 -\n(4 5 ( 6\n' | timeout 10 "$praca/kalk/Kalk" 2> "$praca/stderr")
oczekiwane='-:1:5: oczekiwano '"'Liczba'"' albo "("; jest "+"
-:1:11: oczekiwano '"'Liczba'"' albo "("; jest "*"
-:2:4: oczekiwano "+", "-", "*", "/" albo ")"; jest "5"'
if [ -n "$wynik" ] || [ "$(cat "$praca/stderr")" != "$oczekiwane" ]; then
  echo "FAIL: three errors gave '$wynik' and"; cat "$praca/stderr"; bledy=1
fi
# Errors of the grammar's own: a number beyond Integer at the number, not as
# a scanner error; a division by zero or an overflow at its operator (the
# place remembered when the operator was read, not where the operand ends);
# none after an earlier error, whose values mean nothing. Each message is
# separated from the next by "\n" in the second column.
while IFS='|' read -r wejscie oczekiwane; do
  wynik=$(printf '%s' "$wejscie" | timeout 10 "$praca/kalk/Kalk" 2> "$praca/stderr")
  jest=$?
  if [ -n "$wynik" ] || [ "$jest" != 1 ] || [ "$(cat "$praca/stderr")" != "$(printf '%b' "$oczekiwane")" ]; then
    echo "FAIL: input '$wejscie' gave '$wynik' (status $jest) and"; cat "$praca/stderr"
    echo "instead of"; printf '%b\n' "$oczekiwane"; bledy=1
  fi
done << 'KONIEC'
99999999999|-:1:1: liczba poza zakresem
1/99999999999|-:1:3: liczba poza zakresem
5/(3-3)+1|-:1:2: dzielenie przez zero
-2147483647-2|-:1:12: wynik poza zakresem
65536 * 65536|-:1:7: wynik poza zakresem
-(-2147483647-1)|-:1:1: wynik poza zakresem
1/0 + 1/0|-:1:2: dzielenie przez zero
1/0 +|-:1:2: dzielenie przez zero\n-:2:1: oczekiwano 'Liczba' albo "("; jest koniec wejscia
(+) / 0|-:1:2: oczekiwano 'Liczba', "-" albo "("; jest "+"
KONIEC
exit $bledy
