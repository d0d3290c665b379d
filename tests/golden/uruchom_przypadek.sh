#!/usr/bin/env bash
# Runs one golden case: PROGRAM CASE_DIR.
#
# A case folder holds
#   args        the arguments, one per line (absent: no argument at all)
#   env         optional VAR=VALUE lines added to the environment
#   przygotuj.sh optional script run in the work directory before the program
#   we/         files copied into the work directory first
#   wy/         every file the run must leave created or changed, byte for byte
#   konsola     the exact standard output
#   status      the exit status
# Every other file of the work directory must be left exactly as it was, and
# nothing may be written to standard error.
# With GOLDEN_AKTUALIZUJ=1 the case's expected files are rewritten from the
# run instead (read every one of them before committing it).
set -u
program=$(realpath "$1")
przypadek=$2
praca=$(mktemp -d)
trap 'chmod -R u+rwx "$praca" 2>/dev/null; rm -rf "$praca"' EXIT

[ -d "$przypadek/we" ] && cp -a "$przypadek/we/." "$praca/"
if [ -f "$przypadek/przygotuj.sh" ]; then
  (cd "$praca" && bash "$przypadek/przygotuj.sh") || { echo "przygotuj.sh failed"; exit 1; }
fi

# Snapshot of what stands before the run.
spis() { (cd "$praca" && find . -mindepth 1 \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort); }
suma() { if [ -L "$praca/$1" ]; then echo "link:$(readlink "$praca/$1")"; else cksum < "$praca/$1" 2>/dev/null; fi; }
declare -A przed
while IFS= read -r f; do przed[$f]=$(suma "$f"); done < <(spis)

argumenty=()
[ -f "$przypadek/args" ] && mapfile -t argumenty < "$przypadek/args"
srodowisko=(SOURCE_DATE_EPOCH=1796461507 TZ=UTC)
[ -f "$przypadek/env" ] && mapfile -t -O 2 srodowisko < "$przypadek/env"

wynik=$(mktemp -d)
(cd "$praca" && env "${srodowisko[@]}" timeout 20 "$program" "${argumenty[@]}" \
    > "$wynik/konsola" 2> "$wynik/stderr" < /dev/null)
echo $? > "$wynik/status"

if [ "${GOLDEN_AKTUALIZUJ:-}" = 1 ]; then
  cp "$wynik/konsola" "$wynik/status" "$przypadek/"
  rm -rf "$przypadek/wy"; mkdir -p "$przypadek/wy"
  while IFS= read -r f; do
    if [ "${przed[$f]-brak}" != "$(suma "$f")" ] && [ -f "$praca/$f" ]; then
      mkdir -p "$przypadek/wy/$(dirname "$f")"; cp "$praca/$f" "$przypadek/wy/$f"
    fi
  done < <(spis)
  rm -rf "$wynik"; echo "rewritten: $przypadek"; exit 0
fi

bledy=0
zle() { echo "FAIL: $*"; bledy=1; }
cmp -s "$wynik/status" "$przypadek/status" || zle "status $(cat "$wynik/status"), expected $(cat "$przypadek/status")"
if ! cmp -s "$wynik/konsola" "$przypadek/konsola"; then
  zle "console output differs"; diff "$przypadek/konsola" "$wynik/konsola" | head -20
fi
[ -s "$wynik/stderr" ] && zle "standard error is not empty: $(head -c 300 "$wynik/stderr")"
declare -A oczekiwane
if [ -d "$przypadek/wy" ]; then
  while IFS= read -r f; do
    oczekiwane[$f]=1
    if [ ! -f "$praca/$f" ]; then zle "$f was not written"
    elif ! cmp -s "$praca/$f" "$przypadek/wy/$f"; then
      zle "$f differs"; diff "$przypadek/wy/$f" "$praca/$f" | head -20
    fi
  done < <(cd "$przypadek/wy" && find . -type f -printf '%P\n' | LC_ALL=C sort)
fi
while IFS= read -r f; do
  [ -n "${oczekiwane[$f]-}" ] && continue
  if [ -z "${przed[$f]+x}" ]; then zle "unexpected file $f"
  elif [ "${przed[$f]}" != "$(suma "$f")" ]; then zle "$f was changed"; fi
done < <(spis)
for f in "${!przed[@]}"; do
  [ -e "$praca/$f" ] || [ -L "$praca/$f" ] || zle "$f was removed"
done
rm -rf "$wynik"
exit $bledy
