#!/usr/bin/env bash
# Builds the calculator in a directory of its own, the way a user does:
# copies the grammar and its token file there, generates the
# parser with bryzas (which also writes the GNAT project Kalk.gpr) and
# builds it with gprbuild. bryzas's console goes to standard output;
# gprbuild's messages go to budowa.log in that directory (and to standard
# output).
# Usage: buduj.sh BRYZAS DIR [SOURCES], SOURCES the folder of Kalk.gpa and
# Kalk.tok (this one unless given)
set -eu
bryzas=$(realpath "$1")
cel=$2
zrodla=$(cd "${3:-$(dirname "$0")}" && pwd)
mkdir -p "$cel"
cp "$zrodla/Kalk.gpa" "$zrodla/Kalk.tok" "$cel/"
cd "$cel"
status=0
"$bryzas" Kalk || status=$?
if [ "$status" != 0 ]; then
  echo "bryzas Kalk ended with status $status"
  exit 1
fi
status=0
gprbuild -q -P Kalk.gpr > budowa.log 2>&1 || status=$?
cat budowa.log
if [ "$status" != 0 ]; then
  echo "gprbuild ended with status $status"
  exit 1
fi
