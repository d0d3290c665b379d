#!/usr/bin/env bash
# The INI converter of the extended notation end to end, in a scratch
# directory: built with buduj.sh, run on ../ini/a.ini and compared with what
# ostrew writes for it, then run on a file with a syntax error to show the
# located message.
# Usage: demo.sh BRYZAS OSTREW
set -u
bryzas=$(realpath "$1")
ostrew=$(realpath "$2")
tu=$(cd "$(dirname "$0")" && pwd)
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT

echo "##### INI converter, extended notation: bryzas Ini, then gprbuild -P Ini.gpr"
bash "$tu/buduj.sh" "$bryzas" "$praca/ini" > "$praca/budowa.out" 2>&1 ||
  { cat "$praca/budowa.out"; exit 1; }
mkdir "$praca/a" "$praca/b" "$praca/c"
cp "$tu/../ini/a.ini" "$praca/a/"
cp "$tu/../ini/a.ini" "$praca/b/"
echo "##### ./Ini on ../ini/a.ini"
(cd "$praca/a" && "$praca/ini/Ini")
(cd "$praca/b" && "$ostrew" > /dev/null)
if cmp -s "$praca/a/a.xml" "$praca/b/a.xml"; then
  echo "##### its a.xml and ostrew's are identical"
else
  echo "##### its a.xml and ostrew's differ:"
  diff "$praca/a/a.xml" "$praca/b/a.xml"
  exit 1
fi
printf '[serwer]\nport = 8080,\n' > "$praca/c/a.ini"
echo "##### ./Ini on a.ini with a comma and no value after it:"
cat "$praca/c/a.ini"
(cd "$praca/c" && "$praca/ini/Ini" 2> bledy; echo "(status $?) on standard error:"; cat bledy)
