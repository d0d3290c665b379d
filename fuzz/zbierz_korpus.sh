#!/usr/bin/env bash
# Rebuilds the seed corpus from the inputs of the golden cases and the other
# saved cases and examples: grammar files for the generator's target, INI
# files for the converter's. Each seed is named after the case it comes from.
set -euo pipefail
cd "$(dirname "$0")/.."
rm -rf fuzz/korpus
mkdir -p fuzz/korpus/bryzas fuzz/korpus/ostrew

zbierz() {  # folder, source file
  local nazwa=${2#./}
  nazwa=${nazwa//\//_}
  cp "$2" "fuzz/korpus/$1/$nazwa"
}

while IFS= read -r f; do zbierz bryzas "$f"; done < <(
  find ./tests/przypadki ./tests/generator ./tests/ada ./tests/analyzer ./examples \
       -name '*.gpa' -type f -size -64k 2>/dev/null | LC_ALL=C sort)
while IFS= read -r f; do zbierz ostrew "$f"; done < <(
  find ./tests/przypadki/ostrew ./tests/przypadki/awarie ./tests/converter ./examples \
       -name '*.ini' -type f -size -64k 2>/dev/null | LC_ALL=C sort)
# Lines around the 1000-character pieces the readers cut long lines into,
# with LF and CR LF ends: random mutation rarely grows a line to exactly the
# boundary by itself.
dlugie() {  # folder, name, lines before, line start, line end, lines after
  local d koniec k
  for d in 999 1000 1001 2000; do
    for koniec in lf crlf; do
      k=$'\n'
      [ $koniec = crlf ] && k=$'\r\n'
      {
        printf '%s%s' "$3" "$4"
        printf '%*s' $((d - ${#4} - ${#5})) ''
        printf '%s%s%s' "$5" "$k" "$6"
      } > "fuzz/korpus/$1/$2_${d}_$koniec"
    done
  done
}
dlugie bryzas linia '' '"Wyrazenie" = "Liczba" '"'Plus'"' "Liczba"' ' .' $'"Liczba" = \'Cyfra\' .\n'
dlugie bryzas komentarz '' '-- komentarz' 'x' $'"A" = \'b\' .\n'
dlugie ostrew linia $'[a]\n' 'k = 1,' 'dwa' $'m = 2\n'
dlugie ostrew komentarz $'[a]\n' '; komentarz' 'x' $'k = 1\n'

echo "seeds: $(ls fuzz/korpus/bryzas | wc -l) grammars, $(ls fuzz/korpus/ostrew | wc -l) INI files"
