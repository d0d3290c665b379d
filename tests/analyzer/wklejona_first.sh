#!/usr/bin/env bash
# The FIRST section that bryzas_analiza --first computes, appended to a
# grammar without one, is what --first-w-miejscu writes in place of a stale
# section (a comment after it included), all before it kept byte for byte;
# the analyser passes the grammar so written, and its generated parser
# (built with GNAT) accepts the sentences of the language.
# Each wklejona/P.gpa has no FIRST section; P.zdania lists the sentences
# with the status the parser must end with (see tests/ada/zdania.sh). For
# the example grammars, the computed section declares what theirs does.
# Usage: wklejona_first.sh BIN_DIR
set -u
bin=$(realpath "$1")
tu=$(dirname "$(realpath "$0")")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0
for g in "$tu"/wklejona/*.gpa; do
  p=$(basename "$g" .gpa)
  mkdir "$praca/$p" && cd "$praca/$p" || exit 1
  cp "$g" "$p.gpa"
  timeout 20 "$bin/bryzas_analiza" --first "$p" >> "$p.gpa" 2> analiza.out
  grep -q '^%%$' "$p.gpa" || { echo "FAIL: $p: --first printed no section"; cat analiza.out; bledy=1; continue; }
  mv "$p.gpa" dopisana.gpa
  { cat "$g"; printf '%%%%\n"%s" : '\''Stary'\'' .\n-- after the section\n' "$p"; } > "$p.gpa"
  timeout 20 "$bin/bryzas_analiza" --first-w-miejscu "$p" > analiza2.out
  status=$?
  if [ "$status" != 0 ] || ! grep -q '^\*\*\* bledy: 0,' analiza2.out || ! cmp -s dopisana.gpa "$p.gpa"; then
    echo "FAIL: $p with the section written in place:"; diff dopisana.gpa "$p.gpa"; cat analiza2.out; bledy=1
  fi
  bash "$tu/../ada/zdania.sh" "$bin/bryzas" . "$p" "$tu/wklejona/$p.zdania" || bledy=1
done

# A FIRST section with each line's terminals sorted, the lines sorted.
zbiory() { sed -n '/^%%$/,/^\*\*\* bledy/p' "$1" | grep '^"' | tr -d '.' |
  while read -r n _ t; do echo "$n $(printf '%s\n' $t | sort | tr '\n' ' ')"; done | sort; }
for g in "$tu"/../../examples/kalk/Kalk.gpa "$tu"/../../examples/ini/Ini.gpa; do
  p=$(basename "$g" .gpa)
  mkdir -p "$praca/przyklad_$p" && cd "$praca/przyklad_$p" || exit 1
  sed '/^%%$/,$d' "$g" > "$p.gpa"
  timeout 20 "$bin/bryzas_analiza" --first "$p" > analiza.out
  if [ "$(zbiory analiza.out)" != "$(zbiory "$g")" ] || [ -z "$(zbiory "$g")" ]; then
    echo "FAIL: the section computed for $p is not the example's:"; diff <(zbiory "$g") <(zbiory analiza.out); bledy=1
  fi
done
exit $bledy
