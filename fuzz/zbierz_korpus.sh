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
  find ./tests/golden/bryzas ./tests/generator ./tests/ada ./tests/analyzer ./examples \
       -name '*.gpa' -type f -size -64k 2>/dev/null | LC_ALL=C sort)
while IFS= read -r f; do zbierz ostrew "$f"; done < <(
  find ./tests/golden/ostrew ./tests/converter ./examples \
       -name '*.ini' -type f -size -64k 2>/dev/null | LC_ALL=C sort)
echo "seeds: $(ls fuzz/korpus/bryzas | wc -l) grammars, $(ls fuzz/korpus/ostrew | wc -l) INI files"
