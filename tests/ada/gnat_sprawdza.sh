#!/usr/bin/env bash
# GNAT checks the extended notation's parser package before bryzas puts it
# in place: an Ada error in text copied from the grammar (an insert, a
# parameter, a header section) is reported at its line and column of G.gpa
# with status 1, and the files of the last good run stay as they were but
# the listing; Ada that GNAT takes (a start symbol whose parameters use a
# ++with_use package) goes through; --bez-gnat turns the check off.
# Usage: gnat_sprawdza.sh BRYZAS
set -u
bryzas=$(realpath "$1")
command -v gnatmake > /dev/null || { echo "SKIP: gnatmake not found"; exit 77; }
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
cd "$praca" || exit 1
bledy=0
zle() { echo "FAIL: $*"; bledy=1; }

# G.gpa from the lines given; the token file and a good run come first.
gramatyka() { printf '%s\n' '++rozszerzona' "$@" > G.gpa; }
printf '%s\n' "++koniec 'Koniec'" "'A' = \"a\" ." "'B' = \"b\" ." > G.tok
gramatyka '"S" #$ Ile : Natural := 0; $# = '"'A'"' { '"'B'"' #$ Ile := Ile + 1; $# } .'
timeout 60 "$bryzas" G > konsola || zle "the good grammar: status $?"; cat konsola | grep -q '^\*\*\* generacja kodu' ||
  zle "the good grammar was not generated"
ls -A | grep -v '^G\.\(gpa\|tok\|lst\)$\|^konsola$' | sort > pliki
cksum $(cat pliki) > sumy

# blad LINE FROM TO GRAMMAR-LINES...: status 1, an error in that line of
# G.gpa between those columns (where in the copied text GNAT places it is
# GNAT's), nothing but the listing changed, the run's directory gone.
blad() {
  local linia=$1 od=$2 do_=$3; shift 3
  local miejsce="$linia:$od-$do_"
  gramatyka "$@"
  timeout 60 "$bryzas" G > konsola; local status=$?
  [ "$status" = 1 ] || zle "$miejsce: status $status"
  local kol
  kol=$(sed -n "s/^G\.gpa:$linia:\([0-9]*\): blad: .*/\1/p" konsola | head -1)
  [ -n "$kol" ] && [ "$kol" -ge "$od" ] && [ "$kol" -le "$do_" ] || { zle "no error at G.gpa:$miejsce"; cat konsola; }
  grep -q "^blad: " G.lst || zle "$miejsce: the listing holds no message"
  cksum $(cat pliki) | cmp -s - sumy || zle "$miejsce: the files of the last good run changed"
  [ "$(ls -A | grep -c bryzas)" = 0 ] || zle "$miejsce: the run's directory stayed: $(ls -A)"
}
blad 2 45 60 '"S" #$ Ile : Natural := 0; $# = '"'A'"' { '"'B'"' #$ Ile := Ile + ; $# } .'
blad 2 17 20 '"S" = '"'A'"' "T" <$ 1, $> .' '"T" <$ N : Integer $> = { '"'B'"' } .'
blad 2 17 22 '"S" = '"'A'"' "T" <$ True $> .' '"T" <$ N : Integer $> = { '"'B'"' } .'
blad 2 14 33 '++with_use #$ Ada.Nie_Ma_Takiego $#' '"S" = '"'A'"' .'
blad 2 14 29 '++pak_dekl #$ Tok : Integer; $#' '"S" = '"'A'"' { '"'B'"' } .'
# An insert over two lines: the second line's column counts from its start.
blad 4 5 13 '"S" = '"'A'"' #$' '    null;' '    Ile := ; $# .'

# The start symbol's parameters take their type from a ++with_use package.
gramatyka '++with_use #$ Ada.Strings.Unbounded $#' \
  '"S" <$ Tekst : out Unbounded_String $> = '"'A'"' #$ Tekst := To_Unbounded_String ("a"); $# .'
timeout 60 "$bryzas" G > konsola || { zle "parameters of a with_use type: status $?"; cat konsola; }
# Off, the check lets the error through to the files.
gramatyka '"S" = '"'A'"' #$ X := ; $# .'
timeout 60 "$bryzas" --bez-gnat G > konsola || zle "--bez-gnat: status $?"
grep -q 'X := ;' G_pars.adb || zle "--bez-gnat: the parser package was not written"
exit $bledy
