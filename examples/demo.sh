#!/usr/bin/env bash
# Runs both programs on the shipped examples in a scratch directory and
# shows what they wrote.
set -u
build=${1:-build}
top=$(cd "$(dirname "$0")/.." && pwd)
bryzas=$top/$build/bryzas
ostrew=$top/$build/ostrew
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT

pokaz() { for f in "$@"; do echo "===== $f"; cat "$f"; done; }

echo "##### bryzas on examples/pierwszy/Kalk.gpa"
cp "$top/examples/pierwszy/Kalk.gpa" "$praca/"
(cd "$praca" && "$bryzas" Kalk; echo "(status $?)")
(cd "$praca" && pokaz Kalk.lst $(ls Kalk*.ad? Kalk.log 2>/dev/null))
