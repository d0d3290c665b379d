#!/usr/bin/env bash
# The grammar analyser on a grammar with deliberate LL(1) conflicts: every
# problem located by line and column, then the FIRST section computed from
# the productions.
# Usage: demo.sh BRYZAS_ANALIZA
set -u
analiza=$(realpath "$1")
tu=$(cd "$(dirname "$0")" && pwd)
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
cp "$tu/Instr.gpa" "$praca/"
cd "$praca"

echo "##### the grammar, numbered"
cat -n Instr.gpa
echo "##### bryzas_analiza Instr"
"$analiza" Instr
echo "(status $?)"
echo "##### bryzas_analiza --first Instr (the section on standard output, the messages on standard error)"
"$analiza" --first Instr
echo "(status $?)"
exit 0
