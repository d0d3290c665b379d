#!/usr/bin/env bash
# A program that reads a pipe which stays open: what it prints for the
# first line must come before the input ends, as a terminal's user expects.
# Usage: rura.sh PROGRAM LINE PATTERN   (run in a scratch directory; status 1
# and a FAIL line when nothing matching PATTERN came within 10 s)
set -u
mkfifo rura || exit 1
timeout 20 "$1" < rura > odpowiedz &
exec 3> rura
printf '%s\n' "$2" >&3
for _ in $(seq 100); do grep -q "$3" odpowiedz && break; sleep 0.1; done
wynik=0
grep -q "$3" odpowiedz || { echo "FAIL: no token of a line before the end of a pipe"; wynik=1; }
exec 3>&-
wait
rm -f rura odpowiedz
exit $wynik
