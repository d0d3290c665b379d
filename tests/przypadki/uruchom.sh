#!/usr/bin/env bash
# Runs one case: uruchom.sh BIN_DIR CASE_DIR, in a fresh temporary directory.
#
# A case folder holds
#   polecenie    the program (bryzas, ostrew, bryzas_analiza) on the first
#                line, then its arguments, one per line
#   env          optional VAR=VALUE lines added to the environment
#   zastane      optional: files of other cases (paths under tests/przypadki,
#                one per line) that stand in the work directory before the
#                run, as an earlier run left them; this run must leave them so
#   przygotuj.sh optional script run in the work directory after that, before
#                the program; $ZRODLA is the top of the source tree
#   bez_roota    optional: run as the user nobody, for permission faults
#   limit        optional: the largest file the program may write, in blocks
#                of 1024 bytes (default 8192, 8 MB)
#   we/          files copied into the work directory first
#   wy/          every file the run must leave created or changed, byte for byte
#   jak          optional: the case (group/name) whose expected files are
#                expected here too, except those named in bez (one per line)
#                and those this wy/ holds itself; so no file is stored twice
#   konsola      the exact standard output
#   konsola_bledow optional: the exact standard error (else it must be empty)
#   konsola_pelna optional: standard output is /dev/full instead (no konsola)
#   bez_wejscia  optional: standard input is closed instead of /dev/null, so
#                the first file the program opens gets descriptor 0
#   status       the exit status
# Every other file or directory of the work directory must be left exactly as
# it was, and nothing else may be written to standard error. The program may run
# 20 seconds.
# With GOLDEN_AKTUALIZUJ=1 the case's expected files are rewritten from the
# run instead (read every one of them before committing it).
set -u
bin=$(realpath "$1")
przypadek=$(realpath "$2")
zrodla=$(cd "$(dirname "$0")/../.." && pwd)
praca=$(mktemp -d)
wynik=$(mktemp -d)
trap 'chmod -R u+rwx "$praca" 2>/dev/null; rm -rf "$praca" "$wynik"' EXIT
pomin() { echo "SKIP: $*"; exit 77; }

mapfile -t argumenty < "$przypadek/polecenie"
program=$bin/${argumenty[0]}
argumenty=("${argumenty[@]:1}")

# Root ignores file permissions: such a case runs as nobody, or is skipped.
jako=()
if [ -f "$przypadek/bez_roota" ] && [ "$(id -u)" = 0 ]; then
  command -v setpriv > /dev/null || pomin "running as root and setpriv is missing"
  jako=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  "${jako[@]}" test -x "$program" || pomin "the user nobody cannot run $program"
fi

[ -d "$przypadek/we" ] && cp -a "$przypadek/we/." "$praca/"
if [ -f "$przypadek/zastane" ]; then
  while IFS= read -r f; do cp "$zrodla/tests/przypadki/$f" "$praca/" || exit 1; done < "$przypadek/zastane"
fi
# After the copies, which give the work directory the owner and mode of we/;
# the files are the program's to change, as a user's own would be.
[ ${#jako[@]} -gt 0 ] && chown -R nobody "$praca"
if [ -f "$przypadek/przygotuj.sh" ]; then
  (cd "$praca" && ZRODLA=$zrodla bash "$przypadek/przygotuj.sh") || { echo "przygotuj.sh failed"; exit 1; }
fi

# Snapshot of the work directory: what each entry is, a file by its checksum
# (all taken by one cksum), so that a change of any kind shows.
# Directories count too: one in a file's place must stay, and none may appear.
migawka() {  # migawka ARRAY
  local -n m=$1
  local f cel crc dl
  m=()
  while IFS= read -r -d '' f; do m[$f]=katalog; done < <(cd "$praca" && find . -mindepth 1 -type d -printf '%P\0')
  while IFS= read -r -d '' f && IFS= read -r -d '' cel; do m[$f]=link:$cel; done \
    < <(cd "$praca" && find . -mindepth 1 -type l -printf '%P\0%l\0')
  while IFS= read -r -d '' f; do m[$f]=nieczytelny; done < <(cd "$praca" && find . -mindepth 1 -type f -printf '%P\0')
  while read -r crc dl f; do m[${f#./}]="$crc $dl"; done \
    < <(cd "$praca" && find . -mindepth 1 -type f -exec cksum {} + 2> /dev/null)
}
declare -A przed po
migawka przed

srodowisko=(SOURCE_DATE_EPOCH=1796461507 TZ=UTC LC_ALL=C)
[ -f "$przypadek/env" ] && mapfile -t -O 3 srodowisko < "$przypadek/env"
limit=8192
[ -f "$przypadek/limit" ] && limit=$(cat "$przypadek/limit")
konsola=$wynik/konsola
[ -f "$przypadek/konsola_pelna" ] && konsola=/dev/full
# The size limit must be met by the program itself: SIGXFSZ is set back to its
# default, which ends the process, in case this shell was started ignoring it.
(cd "$praca" && { if [ -f "$przypadek/bez_wejscia" ]; then exec 0<&-; else exec 0< /dev/null; fi; } &&
    ulimit -f "$limit" && env --default-signal=XFSZ "${srodowisko[@]}" timeout 20 "${jako[@]}" "$program" \
    "${argumenty[@]}" > "$konsola" 2> "$wynik/stderr")
echo $? > "$wynik/status"
[ -f "$wynik/konsola" ] || : > "$wynik/konsola"
migawka po

# The expected files: wzor, those of the case named in jak (itself made the
# same way); then less those named in bez, and this case's own.
pliki() { [ -d "$1" ] && (cd "$1" && find . -type f -printf '%P\n'); }
declare -A wzor oczekiwane
zbierz() {  # zbierz CASE [ITS_OWN_TOO]
  local c=$1 f
  if [ -f "$c/jak" ]; then
    local b=$zrodla/tests/przypadki/$(cat "$c/jak")
    [ -d "$b" ] || { echo "FAIL: $c/jak names no case"; exit 1; }
    zbierz "$b" tak
  fi
  [ -n "${2-}" ] || return 0
  if [ -f "$c/bez" ]; then
    while IFS= read -r f; do unset "wzor[$f]"; done < "$c/bez"
  fi
  while IFS= read -r f; do wzor[$f]=$c/wy/$f; done < <(pliki "$c/wy")
}
zbierz "$przypadek"
for f in "${!wzor[@]}"; do oczekiwane[$f]=${wzor[$f]}; done
if [ -f "$przypadek/bez" ]; then
  while IFS= read -r f; do unset "oczekiwane[$f]"; done < "$przypadek/bez"
fi
while IFS= read -r f; do oczekiwane[$f]=$przypadek/wy/$f; done < <(pliki "$przypadek/wy")

if [ "${GOLDEN_AKTUALIZUJ:-}" = 1 ]; then
  cp "$wynik/status" "$przypadek/"
  [ "$konsola" = /dev/full ] || cp "$wynik/konsola" "$przypadek/"
  rm -f "$przypadek/konsola_bledow"
  [ -s "$wynik/stderr" ] && cp "$wynik/stderr" "$przypadek/konsola_bledow"
  rm -rf "$przypadek/wy" "$przypadek/bez"
  for f in "${!po[@]}"; do
    if [ "${przed[$f]-brak}" != "${po[$f]}" ] && [ -f "$praca/$f" ]; then
      [ -n "${wzor[$f]-}" ] && cmp -s "$praca/$f" "${wzor[$f]}" && continue
      mkdir -p "$przypadek/wy/$(dirname "$f")"; cp "$praca/$f" "$przypadek/wy/$f"
    fi
  done
  for f in "${!wzor[@]}"; do
    [ -f "$praca/$f" ] && [ "${przed[$f]-brak}" != "${po[$f]}" ] || echo "$f"
  done | LC_ALL=C sort > "$przypadek/bez"
  [ -s "$przypadek/bez" ] || rm "$przypadek/bez"
  echo "rewritten: $przypadek"; exit 0
fi

bledy=0
zle() { echo "FAIL: $*"; bledy=1; }
cmp -s "$wynik/status" "$przypadek/status" || zle "status $(cat "$wynik/status"), expected $(cat "$przypadek/status")"
if [ "$konsola" != /dev/full ] && ! cmp -s "$wynik/konsola" "$przypadek/konsola"; then
  zle "console output differs"; diff "$przypadek/konsola" "$wynik/konsola" | head -20
fi
if [ -f "$przypadek/konsola_bledow" ]; then
  cmp -s "$wynik/stderr" "$przypadek/konsola_bledow" ||
    { zle "standard error differs"; diff "$przypadek/konsola_bledow" "$wynik/stderr" | head -20; }
elif [ -s "$wynik/stderr" ]; then
  zle "standard error is not empty: $(head -c 300 "$wynik/stderr")"
fi
for f in "${!oczekiwane[@]}"; do
  if [ ! -f "$praca/$f" ]; then zle "$f was not written"
  elif ! cmp -s "$praca/$f" "${oczekiwane[$f]}"; then
    zle "$f differs"; diff "${oczekiwane[$f]}" "$praca/$f" | head -20
  fi
done
for f in "${!po[@]}"; do
  [ -n "${oczekiwane[$f]-}" ] && continue
  if [ -z "${przed[$f]+x}" ]; then zle "unexpected file $f"
  elif [ "${przed[$f]}" != "${po[$f]}" ]; then zle "$f was changed"; fi
done
for f in "${!przed[@]}"; do
  [ -n "${po[$f]+x}" ] || zle "$f was removed"
done
exit $bledy
