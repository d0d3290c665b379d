#!/usr/bin/env bash
# The INI converter end to end, in a scratch directory: bryzas turns Ini.gpa
# into an Ada parser, gprbuild builds it with the hand-written scanner body,
# input and output packages and main procedure, and the program converts the
# sample a.ini. ostrew converts the same file, and the two a.xml are compared.
# Usage: demo.sh BRYZAS OSTREW
set -u
bryzas=$(realpath "$1")
ostrew=$(realpath "$2")
tu=$(cd "$(dirname "$0")" && pwd)
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT

echo "##### INI converter: bryzas Ini, then gprbuild -P Ini.gpr"
bash "$tu/buduj.sh" "$bryzas" "$praca/ini" || exit 1
echo "##### a.ini"
cat "$tu/a.ini"
mkdir "$praca/a" "$praca/b"
cp "$tu/a.ini" "$praca/a/"
cp "$tu/a.ini" "$praca/b/"
echo "##### ./Ini"
(cd "$praca/a" && "$praca/ini/Ini")
echo "##### a.xml"
cat "$praca/a/a.xml"
echo "##### ostrew on the same a.ini"
(cd "$praca/b" && "$ostrew")
if cmp -s "$praca/a/a.xml" "$praca/b/a.xml"; then
  echo "##### the two a.xml are identical"
else
  echo "##### the two a.xml differ:"
  diff "$praca/a/a.xml" "$praca/b/a.xml"
  exit 1
fi
