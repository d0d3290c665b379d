#!/usr/bin/env bash
# make bench: times ostrew and bryzas on inputs made here, beside the floors
# they cannot beat and the peers a user could take instead, and prints one
# Markdown table of medians and ratios on stdout (progress goes to stderr).
#
#   bash bench/uruchom.sh [BUILD_DIR]
#
# ROZMIARY_MB (default "1 10 100") and PRODUKCJE (default "10 50 200") choose
# the a.ini sizes and grammar sizes; SKANERY_MB (default 100) the size of the
# a.ini on which the scanner bryzas generates from bench/ini_tok/Ini.tok is
# timed against the hand-written one of examples/ini; DIALEKTY_MB (default
# 100) the size of the a.ini, in ASCII so that both read it, that ostrew
# converts in today's dialect and with --swobodny. JSON_MB (default 50) is
# the size of the two JSON documents on which the recogniser bryzas
# generates is timed against those of Coco/R, of bison with flex and of re2c (their
# CPU time). PL0_MB (default 50) is the size of the PL/0 program on which
# the recogniser bryzas generates from bench/pl0/Pl0.gpa is timed against
# re2c's. JSON_RUNY (default 11) and PL0_RUNY (default 15) are the runs
# of each of their recognisers: on a shared machine a median of few runs
# moves by a tenth from one bench to the next. ROZMIAR_PRODUKCJE (default "1000 4000 16000") are the sizes of
# the chain grammars of bench/generuj_lancuch.py, valid and with an error in
# every production, on which bryzas (without GNAT's check) and
# bryzas_analiza are timed (CPU time), and GNAT on the parser of the first.
# CZESCI (default "ostrew bryzas skanery dialekty json pl0 rozmiar") chooses
# the parts that run. Everything is made and run in a scratch directory that
# is removed at the end.
set -uo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
bench=$top/bench
build=${1:-build}
[[ $build = /* ]] || build=$top/$build
ostrew=$build/ostrew
bryzas=$build/bryzas
analiza=$build/bryzas_analiza
rozmiary=${ROZMIARY_MB:-1 10 100}
produkcje=${PRODUKCJE:-10 50 200}
skanery_mb=${SKANERY_MB:-100}
dialekty_mb=${DIALEKTY_MB:-100}
json_mb=${JSON_MB:-50}
rozmiar_produkcje=${ROZMIAR_PRODUKCJE:-1000 4000 16000}
pl0_mb=${PL0_MB:-50}
json_runy=${JSON_RUNY:-11}
pl0_runy=${PL0_RUNY:-15}
czesci=" ${CZESCI:-ostrew bryzas skanery dialekty json pl0 rozmiar} "
czesc() { [[ $czesci == *" $1 "* ]]; }  # PART: true when that part runs
praca=$(mktemp -d "${TMPDIR:-/tmp}/bench.XXXXXX")
trap 'rm -rf "$praca"' EXIT
obciazenie=$(cut -d ' ' -f 1 /proc/loadavg)  # other work on the machine skews every time

postep() { echo "bench: $*" >&2; }
przerwij() { echo "bench: $*" >&2; exit 1; }
uwagi=()
uwaga() { uwagi+=("$*"); postep "$*"; }

# --- tools ---------------------------------------------------------------
[ -x "$ostrew" ] || przerwij "no $ostrew: build first (make bench does)"
[ -x "$bryzas" ] || przerwij "no $bryzas: build first (make bench does)"
command -v cc > /dev/null || przerwij "no C compiler (cc)"
python=$(python3 -c 'import sys; print(sys.executable)' 2> /dev/null) ||
  przerwij "no python3"  # the real interpreter, not a wrapper script in PATH

zainstaluj() { # PACKAGE...: installs them from Debian's packages, quietly
  local jako_root=()
  postep "installing $*"
  [ "$(id -u)" = 0 ] || jako_root=(sudo -n)
  { "${jako_root[@]}" apt-get update -qq &&
    DEBIAN_FRONTEND=noninteractive "${jako_root[@]}" apt-get install -y -qq "$@"; } > /dev/null 2>&1
}
[ -f /usr/include/ini.h ] || zainstaluj libinih-dev
if czesc json; then
  brak=()
  command -v flex > /dev/null || brak+=(flex)
  command -v bison > /dev/null || brak+=(bison)
  command -v cococpp > /dev/null || brak+=(coco-cpp)
  ((${#brak[@]} == 0)) || zainstaluj "${brak[@]}"
fi
if czesc json || czesc pl0; then
  command -v re2c > /dev/null || zainstaluj re2c
fi

postep "compiling the helpers and peers"
cc -O2 -o "$praca/mierz" "$bench/mierz.c" || przerwij "cannot compile mierz.c"
cc -O2 -o "$praca/generuj_ini" "$bench/generuj_ini.c" || przerwij "cannot compile generuj_ini.c"
cc -O2 -o "$praca/generuj_json" "$bench/generuj_json.c" || przerwij "cannot compile generuj_json.c"
cc -O2 -o "$praca/generuj_pl0" "$bench/generuj_pl0.c" || przerwij "cannot compile generuj_pl0.c"
cc -O2 -o "$praca/pisz_pliki" "$bench/pisz_pliki.c" || przerwij "cannot compile pisz_pliki.c"
printf 'int main(void) { return 0; }\n' > "$praca/pusty.c"
cc -O2 -o "$praca/pusty" "$praca/pusty.c" || przerwij "cannot compile the empty C program"
printf '#include <iostream>\nint main() { std::cout << ""; return 0; }\n' > "$praca/pusty_cpp.cpp"
c++ -O2 -o "$praca/pusty_cpp" "$praca/pusty_cpp.cpp" 2> /dev/null || rm -f "$praca/pusty_cpp"
inih=$praca/ini_xml_inih
if ! cc -O2 -o "$inih" "$bench/peers/ini_xml_inih.c" -linih 2> /dev/null; then
  inih=
  uwaga "the inih peer was not measured: libinih-dev is missing and could not be installed"
fi

# Every converter runs in DIR on DIR/a.ini and leaves its XML in DIR/$wy.
declare -A plik_wy=([ostrew]=a.xml [inih]=inih.xml [python]=py.xml)
polecenie() { # NAME: the command line of that converter, in ${cmd[@]}
  case $1 in
    ostrew) cmd=("$ostrew") ;;
    inih) cmd=("$inih" a.ini inih.xml) ;;
    python) cmd=("$python" "$bench/peers/ini_xml_configparser.py" a.ini py.xml) ;;
  esac
}
konwertery=(ostrew python)
[ -n "$inih" ] && konwertery=(ostrew inih python)

# The JSON recognisers are built before the checks, which then test them.
if czesc json; then
  postep "building the JSON recognisers"
  bash "$bench/json/buduj.sh" "$bryzas" "$praca/json" || przerwij "bench/json/buduj.sh failed"
fi
if czesc pl0; then
  postep "building the PL/0 recognisers"
  bash "$bench/pl0/buduj.sh" "$bryzas" "$praca/pl0" || przerwij "bench/pl0/buduj.sh failed"
fi

postep "checking the bench's own tools"
BENCH_NARZEDZIA=$praca "$python" "$bench/testy_bench.py" > "$praca/testy.txt" 2>&1 || {
  cat "$praca/testy.txt" >&2
  przerwij "the bench's own checks failed: no numbers would mean anything"
}

# ostrew on the hand-written sample whose XML the peers are checked against.
declare -A wadliwy  # programs whose output is wrong: their rows are marked
mkdir "$praca/przyklad"
cp "$bench/przyklad/a.ini" "$praca/przyklad/"
(cd "$praca/przyklad" && "$ostrew" > /dev/null 2>&1)
if ! cmp -s "$praca/przyklad/a.xml" "$bench/przyklad/a.xml"; then
  wadliwy[ostrew]=1
  uwaga "ostrew's a.xml for bench/przyklad/a.ini is not the expected bench/przyklad/a.xml"
fi

# --- measurements -------------------------------------------------------------
# Each row: GROUP|PROGRAM|BYTES|MEDIAN|MIN|PEAK|RUNS (mierz's line), or
# GROUP|PROGRAM|BYTES|FAIL|REASON.
wiersze=()
etykiety=()  # GROUP|PROGRAM|BYTES of each job of the next zmierz
zadania=()   # its jobs, in mierz's form, separated by ";"
zadanie() { # GROUP PROGRAM BYTES JOB...: adds one job
  etykiety+=("$1|$2|$3")
  shift 3
  ((${#zadania[@]})) && zadania+=(";")
  zadania+=("$@")
}
zmierz() { # RUNS [-c]: runs the jobs added, taking turns, and records a row for each
  local out i
  if out=$("$praca/mierz" -n "$@" "${zadania[@]}" 2> "$praca/mierz.err"); then
    mapfile -t linie <<< "$out"
    for i in "${!etykiety[@]}"; do wiersze+=("${etykiety[$i]}|${linie[$i]// /|}"); done
  else
    out=$(paste -sd ' ' "$praca/mierz.err")
    uwaga "measuring ${etykiety[*]} failed: $out"
    for i in "${!etykiety[@]}"; do wiersze+=("${etykiety[$i]}|FAIL|$out"); done
  fi
  etykiety=()
  zadania=()
}

czesc ostrew || rozmiary=
czesc bryzas || produkcje=
for mb in $rozmiary; do
  d=$praca/ini_$mb
  mkdir "$d"
  postep "a.ini of $mb MB"
  "$praca/generuj_ini" $((mb * 1000000)) > "$d/a.ini" || przerwij "cannot write $d/a.ini"
  bajty=$(stat -c %s "$d/a.ini")
  # configparser needs most of a minute for 100 MB: one run there keeps the
  # whole bench within a few minutes.
  if ((mb <= 1)); then n=21 npy=5; elif ((mb <= 10)); then n=11 npy=3; else n=5 npy=1; fi
  zadanie "$mb MB" cat "$bajty" -C "$d" -- cat a.ini
  for k in "${konwertery[@]}"; do
    [ "$k" = python ] && continue
    polecenie "$k"
    zadanie "$mb MB" "$k" "$bajty" -C "$d" -r "${plik_wy[$k]}" -- "${cmd[@]}"
  done
  zmierz "$n"
  polecenie python
  zadanie "$mb MB" python "$bajty" -C "$d" -r "${plik_wy[python]}" -- "${cmd[@]}"
  zmierz "$npy"
  # Every converter must have written the same XML, else its row is marked.
  wzor=${plik_wy[python]}
  [ -n "$inih" ] && wzor=${plik_wy[inih]}
  for k in "${konwertery[@]}"; do
    if ! cmp -s "$d/${plik_wy[$k]}" "$d/$wzor"; then
      wadliwy[$k]=1
      uwaga "$k's XML for the $mb MB a.ini differs from the peers'"
    fi
  done
  [ -n "$inih" ] && ! cmp -s "$d/${plik_wy[python]}" "$d/${plik_wy[inih]}" &&
    przerwij "the two peers disagree on the $mb MB a.ini"
  rm -rf "$d"
done

# bryzas, the floors and the file-system work, all taking turns.
czesc bryzas && zadanie floor "empty C process" 0 -- "$praca/pusty"
czesc bryzas && [ -x "$praca/pusty_cpp" ] && zadanie floor "empty C++ process" 0 -- "$praca/pusty_cpp"
for p in $produkcje; do
  d=$praca/gram_$p
  mkdir "$d"
  postep "grammar of $p productions"
  "$python" "$bench/generuj_gramatyke.py" "$p" > "$d/G$p.gpa" || przerwij "cannot write G$p.gpa"
  wyniki=("G${p}_pars.ads" "G${p}_pars.adb" "G$p.lst" "G$p.log" "G${p}_skan_t.ads"
    "G${p}_zbiory.ads" "G${p}_zbiory.adb" "G${p}_bledy.ads" "G${p}_bledy.adb" "G$p.adb" "G$p.gpr")
  (cd "$d" && "$bryzas" "G$p" > konsola 2>&1)
  status=$?
  if [ "$status" != 0 ] || [ "$(tail -n 1 "$d/G$p.lst" 2> /dev/null)" != "Bez bledu" ]; then
    wadliwy[bryzas $p]=1
    uwaga "bryzas did not accept G$p.gpa (status $status, listing: $(tail -n 1 "$d/G$p.lst" 2> /dev/null))"
  fi
  opis="$p productions, $(wc -l < "$d/G$p.gpa") lines"
  rm_args=()
  for f in "${wyniki[@]}"; do rm_args+=(-r "$f"); done
  zadanie "$opis" bryzas "$p" -C "$d" "${rm_args[@]}" -- "$bryzas" "G$p"
  # The same files, created and written by a C process that does nothing else.
  mkdir "$d/wzor"
  obecne=()
  for f in "${wyniki[@]}"; do [ -f "$d/$f" ] && cp "$d/$f" "$d/wzor/" && obecne+=("$f"); done
  ((${#obecne[@]})) &&
    zadanie "$opis" pliki "$p" -C "$d" "${rm_args[@]}" -- "$praca/pisz_pliki" wzor "${obecne[@]}"
done
if czesc bryzas; then
  postep "bryzas and its floors"
  zmierz 41
fi

# The scanner generated from bench/ini_tok/Ini.tok and the hand-written one
# of examples/ini, both built by GNAT at -O2, count the tokens of one a.ini
# (the generated one reads it from standard input, the other by name).
declare -A tokeny  # program: the count it printed
skanery() {
  local d=$praca/skanery
  if ! command -v gnatmake > /dev/null; then
    uwaga "the scanners were not measured: GNAT (gnatmake) is missing"
    return
  fi
  postep "building the two INI scanners"
  if ! bash "$bench/ini_tok/buduj.sh" "$bryzas" "$d" > "$praca/skanery.err" 2>&1; then
    uwaga "the scanners were not measured: $(paste -sd ' ' "$praca/skanery.err")"
    return
  fi
  postep "a.ini of $skanery_mb MB for the scanners"
  "$praca/generuj_ini" $((skanery_mb * 1000000)) > "$d/a.ini" || przerwij "cannot write $d/a.ini"
  bajty=$(stat -c %s "$d/a.ini")
  tokeny[skan_gen]=$("$d/gen/licz_gen" < "$d/a.ini" 2>&1 | tr -d ' ')
  tokeny[skan_recz]=$("$d/recz/licz_recz" "$d/a.ini" 2>&1 | tr -d ' ')
  if [ "${tokeny[skan_gen]}" != "${tokeny[skan_recz]}" ]; then
    wadliwy[skan_gen]=1 wadliwy[skan_recz]=1
    uwaga "the scanners disagree on the $skanery_mb MB a.ini: generated ${tokeny[skan_gen]}, hand-written ${tokeny[skan_recz]}"
  fi
  zadanie skanery skan_gen "$bajty" -i "$d/a.ini" -- "$d/gen/licz_gen"
  zadanie skanery skan_recz "$bajty" -- "$d/recz/licz_recz" "$d/a.ini"
  postep "the two INI scanners"
  zmierz 7
  rm -f "$d/a.ini"
}
czesc skanery && skanery

# ostrew's two dialects on the same bytes: the generated a.ini with every
# byte above 127 made an "x", which leaves names names and the text valid
# UTF-8; sections and keys stay unique, as the free dialect requires.
dialekty() {
  local d=$praca/dialekty
  mkdir "$d"
  postep "a.ini of $dialekty_mb MB in ASCII for both dialects"
  "$praca/generuj_ini" $((dialekty_mb * 1000000)) | LC_ALL=C tr '\200-\377' x > "$d/a.ini" ||
    przerwij "cannot write $d/a.ini"
  bajty=$(stat -c %s "$d/a.ini")
  zadanie dialekty ostrew "$bajty" -C "$d" -r a.xml -- "$ostrew" a.ini
  zadanie dialekty swobodny "$bajty" -C "$d" -r b.xml -- "$ostrew" --swobodny a.ini b.xml
  postep "ostrew in both dialects"
  zmierz 7
  # Each key of the input is one element of either document.
  local klucze
  klucze=$(grep -c '^[^[;]' "$d/a.ini")
  for f in a.xml b.xml; do
    [ "$(grep -c '^<element ' "$d/$f")" = "$klucze" ] || {
      wadliwy[dialekt_$f]=1
      uwaga "$f of the dialects' a.ini does not hold its $klucze keys"
    }
  done
  rm -rf "$d"
}
czesc dialekty && dialekty
# DIR COUNT GOOD... -- BROKEN...: why the recogniser DIR/rozpoznaj is not to
# be timed, or nothing: it must be built (else DIR.blad says why), print
# COUNT with status 0 for each GOOD file and end with status 1 on each
# BROKEN one.
niezdatny() {
  local p=$1/rozpoznaj n=$2 f wy st
  [ -x "$p" ] || { echo "not built: $(cat "$1.blad" 2> /dev/null)"; return; }
  shift 2
  for f; do
    [ "$f" = -- ] && { n=; continue; }
    wy=$("$p" "$f" 2> "$praca/blad")
    st=$?
    wy=${wy// /}
    if [ -n "$n" ] && { [ "$st" != 0 ] || [ "$wy" != "$n" ]; }; then
      echo "on $(basename "$f") status $st, $wy counted instead of $n: $(head -c 200 "$praca/blad")"
      return
    elif [ -z "$n" ] && [ "$st" != 1 ]; then
      echo "ended with status $st on a broken input ($(basename "$f")), not 1"
      return
    fi
  done
}

# The JSON recognisers of bench/json/buduj.sh, each on a document of one
# value a line and on the same bytes as one line. A recogniser is timed only
# when it accepted both with the generator's count of values and rejected
# two broken documents; otherwise its rows say why.
rozpoznawacze=(bryzas bryzas_o2 coco bison bison_cf re2c)
dokumenty=(linie jedna)
declare -A zly    # recogniser: why it is not timed
wartosci_json=  # the count every recogniser must print
przelaczniki_gpr=  # the compiler switches of the Json.gpr bryzas writes
json() {
  local d=$praca/json_dok r n
  mkdir "$d"
  postep "JSON documents of $json_mb MB"
  "$praca/generuj_json" $((json_mb * 1000000)) > "$d/linie.json" 2> "$d/wartosci" ||
    przerwij "cannot write $d/linie.json"
  tr '\n' ' ' < "$d/linie.json" > "$d/jedna.json"
  wartosci_json=$(cat "$d/wartosci")
  n=$(wc -l < "$d/linie.json")
  # Broken: cut in the middle of a line, and a comma before "]" halfway.
  head -c $(($(stat -c %s "$d/linie.json") / 2)) "$d/linie.json" > "$d/urwany.json"
  awk -v n=$((n / 2)) 'NR == n { print "{\"zepsuty\": [1, 2,]},"; next } { print }' \
    "$d/linie.json" > "$d/zepsuty.json"
  for r in "${rozpoznawacze[@]}"; do
    zly[$r]=$(niezdatny "$praca/json/$r" "$wartosci_json" "$d/linie.json" "$d/jedna.json" \
      -- "$d/urwany.json" "$d/zepsuty.json")
    [ -n "${zly[$r]}" ] && uwaga "the JSON recogniser $r is not timed: ${zly[$r]}"
  done
  rm -f "$d/urwany.json" "$d/zepsuty.json"
  # What the project file bryzas wrote asks of the compiler by default (its
  # first Default_Switches: the optimised build, not the debugging one).
  przelaczniki_gpr=$(sed -n '/package Compiler/,/end Compiler/p' "$praca/json/bryzas/Json.gpr" 2> /dev/null |
    grep -m 1 'Default_Switches' | grep -o '"-[^"]*"' | tr -d '"' | paste -sd ' ')
  for dok in "${dokumenty[@]}"; do
    zadanie "json $dok" json_cat "$(stat -c %s "$d/$dok.json")" -- cat "$d/$dok.json"
    for r in "${rozpoznawacze[@]}"; do
      [ -z "${zly[$r]:-}" ] &&
        zadanie "json $dok" "json_$r" "$(stat -c %s "$d/$dok.json")" -- "$praca/json/$r/rozpoznaj" "$d/$dok.json"
    done
  done
  postep "the JSON recognisers"
  zmierz "$json_runy" -c
  rm -rf "$d"
}
czesc json && json

# Chain grammars of growing size in the extended notation with their token
# files, valid (status 0) and with an error in every production (status 1):
# bryzas and bryzas_analiza on each, the two grammars of a size taking
# turns; then GNAT building the parser of the first size as bryzas writes
# it (the CPU time of gprbuild and the compilers it runs).
rozmiar() {
  local n w d oczekiwany status runy
  if [ ! -x "$analiza" ]; then
    uwaga "the size part was not measured: no $analiza"
    return
  fi
  for n in $rozmiar_produkcje; do
    for w in dobra bledna; do
      d=$praca/rozmiar_${w}_$n
      mkdir "$d"
      oczekiwany=0
      [ $w = bledna ] && oczekiwany=1
      postep "chain grammar of $n productions ($w)"
      "$python" "$bench/generuj_lancuch.py" "$n" "$d/L" $([ $w = bledna ] && echo --bledy) ||
        przerwij "cannot write $d/L.gpa"
      (cd "$d" && "$bryzas" --bez-gnat L > konsola 2>&1)
      status=$?
      if [ "$status" != "$oczekiwany" ]; then
        wadliwy[rozmiar $n $w]=1
        uwaga "bryzas on the $w chain grammar of $n productions ended with status $status, not $oczekiwany"
        continue
      fi
      zadanie "rozmiar $w" bryzas "$n" -C "$d" -s "$oczekiwany" -- "$bryzas" --bez-gnat L
      zadanie "rozmiar $w" analiza "$n" -C "$d" -s "$oczekiwany" -- "$analiza" L
    done
    runy=5
    ((n > 4000)) && runy=3
    postep "bryzas and bryzas_analiza on $n productions"
    ((${#zadania[@]})) && zmierz "$runy" -c
  done
  n=${rozmiar_produkcje%% *}
  d=$praca/rozmiar_dobra_$n
  if ! command -v gprbuild > /dev/null; then
    uwaga "GNAT was not measured on the chain grammar: gprbuild is missing"
  elif [ -f "$d/L.gpr" ]; then
    postep "GNAT on the parser of $n productions"
    zadanie "rozmiar dobra" gnat "$n" -C "$d" -- gprbuild -q -f -P L.gpr
    zmierz 1 -c
  fi
  for n in $rozmiar_produkcje; do rm -rf "$praca"/rozmiar_*_"$n"; done
}
czesc rozmiar && rozmiar
# The PL/0 recognisers of bench/pl0/buduj.sh on one generated program, each
# timed only when it accepted it with the generator's count of statements
# and rejected the program cut in half and one with a statement broken.
rozpoznawacze_pl0=(bryzas re2c)
declare -A zly_pl0
instrukcje_pl0=
pl0() {
  local d=$praca/pl0_dok r
  mkdir "$d"
  postep "a PL/0 program of $pl0_mb MB"
  "$praca/generuj_pl0" $((pl0_mb * 1000000)) > "$d/program.pl0" 2> "$d/instrukcje" ||
    przerwij "cannot write $d/program.pl0"
  instrukcje_pl0=$(cat "$d/instrukcje")
  head -c $(($(stat -c %s "$d/program.pl0") / 2)) "$d/program.pl0" > "$d/urwany.pl0"
  awk -v n=$(($(wc -l < "$d/program.pl0") / 2)) 'NR == n { print "x := := 1;" } { print }' \
    "$d/program.pl0" > "$d/zepsuty.pl0"
  for r in "${rozpoznawacze_pl0[@]}"; do
    zly_pl0[$r]=$(niezdatny "$praca/pl0/$r" "$instrukcje_pl0" "$d/program.pl0" -- "$d/urwany.pl0" "$d/zepsuty.pl0")
    [ -n "${zly_pl0[$r]}" ] && uwaga "the PL/0 recogniser $r is not timed: ${zly_pl0[$r]}"
  done
  zadanie pl0 pl0_cat "$(stat -c %s "$d/program.pl0")" -- cat "$d/program.pl0"
  for r in "${rozpoznawacze_pl0[@]}"; do
    [ -z "${zly_pl0[$r]:-}" ] &&
      zadanie pl0 "pl0_$r" "$(stat -c %s "$d/program.pl0")" -- "$praca/pl0/$r/rozpoznaj" "$d/program.pl0"
  done
  postep "the PL/0 recognisers"
  zmierz "$pl0_runy" -c
  rm -rf "$d"
}
czesc pl0 && pl0

# --- the table ----------------------------------------------------------------
pole() { # ROW FIELD: 1 group, 2 program, 3 bytes, 4 median (or FAIL), 5 min, 6 peak KiB, 7 runs
  local -a f
  IFS='|' read -r -a f <<< "$1"
  echo "${f[$2 - 1]:-}"
}
szukaj() { # GROUP PROGRAM: the row, or nothing
  local w
  for w in "${wiersze[@]}"; do [[ $w == "$1|$2|"* ]] && { echo "$w"; return; }; done
}
czas() { awk -v s="$1" 'BEGIN { ms = s * 1000
  if (ms < 10) printf "%.2f ms", ms; else if (ms < 1000) printf "%.1f ms", ms; else printf "%.2f s", s }'; }
iloraz() { awk -v a="$1" -v b="$2" 'BEGIN { r = a / b
  if (r < 10) printf "%.2f", r; else if (r < 100) printf "%.1f", r; else printf "%.0f", r }'; }
opis_programu() {
  case $1 in
    cat) echo "cat a.ini > /dev/null (reading limit)" ;;
    ostrew) echo "**ostrew**" ;;
    inih) echo "C on inih (bench/peers)" ;;
    python) echo "Python configparser (bench/peers)" ;;
    bryzas) echo "**bryzas**" ;;
    pliki) echo "C process writing the same files (file-system floor)" ;;
    skan_gen) echo "**scanner generated from bench/ini_tok/Ini.tok**" ;;
    skan_recz) echo "hand-written scanner (examples/ini/Ini_skan.adb, ini_we.adb)" ;;
    swobodny) echo "**ostrew --swobodny** (the configparser dialect)" ;;
    json_cat) echo "cat > /dev/null (reading limit)" ;;
    json_bryzas) echo "**bryzas**: \`gprbuild -P Json.gpr\` as generated (compiler switches: ${przelaczniki_gpr:-none, so -O0})" ;;
    json_bryzas_o2) echo "**bryzas -O2**: \`gprbuild -P Json.gpr -cargs -O2\`" ;;
    json_coco) echo "Coco/R for C++ (Debian's coco-cpp), g++ -O2" ;;
    json_bison) echo "bison + flex, cc -O2" ;;
    json_bison_cf) echo "bison + flex -CF, cc -O2" ;;
    rozmiar_bryzas) echo "**bryzas**" ;;
    rozmiar_analiza) echo "**bryzas_analiza**" ;;
    rozmiar_gnat) echo "GNAT: \`gprbuild -f -P L.gpr\` as written (-O2 -gnatn)" ;;
    json_re2c) echo "re2c scanner + recursive descent in C, cc -O2 (reads the whole file)" ;;
    pl0_cat) echo "cat > /dev/null (reading limit)" ;;
    pl0_bryzas) echo "**bryzas**: \`gprbuild -P Pl0.gpr\` as generated" ;;
    pl0_re2c) echo "re2c scanner + recursive descent in C, cc -O2 (reads the whole file)" ;;
    *) echo "$1" ;;
  esac
}
nie_zmierzony() { [[ -z $1 || $(pole "$1" 4) == FAIL ]]; }

cpu=$(awk -F': ' '/^model name/ { print $2; exit }' /proc/cpuinfo)
pamiec=$(awk '/^MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo)
echo "Measured $(date -u +%Y-%m-%d) on $cpu, $(nproc) cores, $pamiec; MB = 10^6 bytes;"
echo "load average before the bench $obciazenie; times are wall-clock medians of the given number of"
echo "runs (CPU time where a table says so), the programs of one table section taking turns;"
echo "peak memory is the largest ru_maxrss."
if czesc ostrew; then
  echo
  echo "ostrew: a.ini to a.xml (outputs compared byte for byte)"
  echo
  echo "| a.ini | program | runs | median time | MB/s | peak MB | time / ostrew's |"
  echo "|---|---|---|---|---|---|---|"
  for mb in $rozmiary; do
    ref=$(szukaj "$mb MB" ostrew)
    for k in cat "${konwertery[@]}"; do
      w=$(szukaj "$mb MB" "$k")
      [ -n "$w" ] || continue
      nazwa=$(opis_programu "$k")
      [ -n "${wadliwy[$k]:-}" ] && nazwa="$nazwa (WRONG OUTPUT)"
      if nie_zmierzony "$w"; then
        echo "| $mb MB | $nazwa | - | failed | - | - | - |"
        continue
      fi
      med=$(pole "$w" 4)
      b=$(pole "$w" 3)
      wzgl=-
      nie_zmierzony "$ref" || wzgl=$(iloraz "$med" "$(pole "$ref" 4)")
      echo "| $mb MB | $nazwa | $(pole "$w" 7) | $(czas "$med") |" \
        "$(awk -v b="$b" -v s="$med" 'BEGIN { printf "%.0f", b / s / 1e6 }') |" \
        "$(awk -v k="$(pole "$w" 6)" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }') | $wzgl |"
    done
  done
fi
if czesc bryzas; then
  echo
  echo "bryzas: one run on a generated grammar (header inserts, groups, code inserts, FIRST section)"
  echo
  echo "| grammar | program | runs | median time | time / floor |"
  echo "|---|---|---|---|---|"
  podloga=$(szukaj floor "empty C process")
  for w in "${wiersze[@]}"; do
    g=$(pole "$w" 1)
    p=$(pole "$w" 2)
    [[ $g == floor || $p == bryzas || $p == pliki ]] || continue
    nazwa=$(opis_programu "$p")
    [[ $g == floor ]] && { nazwa="$p"; g=-; }
    [[ $p == "empty C process" ]] && nazwa="$p (start-up floor)"
    [ -n "${wadliwy[bryzas $(pole "$w" 3)]:-}" ] && [[ $p == bryzas ]] && nazwa="$nazwa (GRAMMAR REJECTED)"
    if nie_zmierzony "$w"; then
      echo "| $g | $nazwa | - | failed | - |"
      continue
    fi
    wzgl=-
    nie_zmierzony "$podloga" || wzgl=$(iloraz "$(pole "$w" 4)" "$(pole "$podloga" 4)")
    echo "| $g | $nazwa | $(pole "$w" 7) | $(czas "$(pole "$w" 4)") | $wzgl |"
  done
fi
if czesc skanery; then
  echo
  echo "INI scanners: the tokens of one a.ini counted up to the end token (both built by GNAT at -O2)"
  echo
  echo "| a.ini | program | runs | median time | MB/s | tokens | time / hand-written's |"
  echo "|---|---|---|---|---|---|---|"
  ref=$(szukaj skanery skan_recz)
  for k in skan_gen skan_recz; do
    w=$(szukaj skanery "$k")
    [ -n "$w" ] || continue
    nazwa=$(opis_programu "$k")
    [ -n "${wadliwy[$k]:-}" ] && nazwa="$nazwa (COUNTS DIFFER)"
    if nie_zmierzony "$w"; then
      echo "| $skanery_mb MB | $nazwa | - | failed | - | - | - |"
      continue
    fi
    med=$(pole "$w" 4)
    wzgl=-
    nie_zmierzony "$ref" || wzgl=$(iloraz "$med" "$(pole "$ref" 4)")
    echo "| $skanery_mb MB | $nazwa | $(pole "$w" 7) | $(czas "$med") |" \
      "$(awk -v b="$(pole "$w" 3)" -v s="$med" 'BEGIN { printf "%.0f", b / s / 1e6 }') |" \
      "${tokeny[$k]} | $wzgl |"
  done
fi
if czesc json; then
  echo
  echo "JSON: one document validated and its $wartosci_json values counted; times are CPU time"
  echo "(user + system) here, medians of $json_runy runs, the programs of both documents taking turns"
  echo
  echo "| document | recogniser | runs | median CPU time | MB/s | peak MB | time / fastest |"
  echo "|---|---|---|---|---|---|---|"
  for dok in "${dokumenty[@]}"; do
    opis="$json_mb MB, a value a line"
    [ "$dok" = jedna ] && opis="$json_mb MB, one line"
    najszybszy=
    for r in "${rozpoznawacze[@]}"; do
      w=$(szukaj "json $dok" "json_$r")
      nie_zmierzony "$w" && continue
      najszybszy=$(awk -v a="$najszybszy" -v b="$(pole "$w" 4)" 'BEGIN { print (a == "" || b < a) ? b : a }')
    done
    for k in cat "${rozpoznawacze[@]}"; do
      nazwa=$(opis_programu "json_$k")
      if [ -n "${zly[$k]:-}" ]; then
        echo "| $opis | $nazwa | - | failed: ${zly[$k]//|/ } | - | - | - |"
        continue
      fi
      w=$(szukaj "json $dok" "json_$k")
      if nie_zmierzony "$w"; then
        echo "| $opis | $nazwa | - | failed | - | - | - |"
        continue
      fi
      med=$(pole "$w" 4)
      wzgl=-
      [ "$k" != cat ] && [ -n "$najszybszy" ] && wzgl=$(iloraz "$med" "$najszybszy")
      echo "| $opis | $nazwa | $(pole "$w" 7) | $(czas "$med") |" \
        "$(awk -v b="$(pole "$w" 3)" -v s="$med" 'BEGIN { printf "%.0f", b / s / 1e6 }') |" \
        "$(awk -v k="$(pole "$w" 6)" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }') | $wzgl |"
    done
  done
fi
if czesc pl0; then
  echo
  echo "PL/0: one program validated and its $instrukcje_pl0 statements counted; times are CPU time"
  echo "(user + system), medians of $pl0_runy runs taken in turns"
  echo
  echo "| program | recogniser | runs | median CPU time | MB/s | peak MB | time / re2c's |"
  echo "|---|---|---|---|---|---|---|"
  ref=$(szukaj pl0 pl0_re2c)
  for k in cat "${rozpoznawacze_pl0[@]}"; do
    nazwa=$(opis_programu "pl0_$k")
    if [ -n "${zly_pl0[$k]:-}" ]; then
      echo "| $pl0_mb MB | $nazwa | - | failed: ${zly_pl0[$k]//|/ } | - | - | - |"
      continue
    fi
    w=$(szukaj pl0 "pl0_$k")
    if nie_zmierzony "$w"; then
      echo "| $pl0_mb MB | $nazwa | - | failed | - | - | - |"
      continue
    fi
    med=$(pole "$w" 4)
    wzgl=-
    [ "$k" != cat ] && ! nie_zmierzony "$ref" && wzgl=$(iloraz "$med" "$(pole "$ref" 4)")
    echo "| $pl0_mb MB | $nazwa | $(pole "$w" 7) | $(czas "$med") |" \
      "$(awk -v b="$(pole "$w" 3)" -v s="$med" 'BEGIN { printf "%.0f", b / s / 1e6 }') |" \
      "$(awk -v k="$(pole "$w" 6)" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }') | $wzgl |"
  done
fi

if czesc dialekty; then
  echo
  echo "ostrew's two dialects on one ASCII a.ini (sections and keys unique, no indented lines)"
  echo
  echo "| a.ini | program | runs | median time | MB/s | peak MB | time / today's dialect's |"
  echo "|---|---|---|---|---|---|---|"
  ref=$(szukaj dialekty ostrew)
  for k in ostrew swobodny; do
    w=$(szukaj dialekty "$k")
    [ -n "$w" ] || continue
    nazwa=$(opis_programu "$k")
    [ "$k" = ostrew ] && nazwa="**ostrew** (today's dialect)"
    [ -n "${wadliwy[dialekt_a.xml]:-}${wadliwy[dialekt_b.xml]:-}" ] && nazwa="$nazwa (WRONG OUTPUT)"
    if nie_zmierzony "$w"; then
      echo "| $dialekty_mb MB | $nazwa | - | failed | - | - | - |"
      continue
    fi
    med=$(pole "$w" 4)
    wzgl=-
    nie_zmierzony "$ref" || wzgl=$(iloraz "$med" "$(pole "$ref" 4)")
    echo "| $dialekty_mb MB | $nazwa | $(pole "$w" 7) | $(czas "$med") |" \
      "$(awk -v b="$(pole "$w" 3)" -v s="$med" 'BEGIN { printf "%.0f", b / s / 1e6 }') |" \
      "$(awk -v k="$(pole "$w" 6)" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }') | $wzgl |"
  done
fi

if czesc rozmiar; then
  echo
  echo "Size: chain grammars of bench/generuj_lancuch.py in the extended notation with their token"
  echo "files (N productions, 4 N + 1 terminals), valid and with an error in every production;"
  echo "CPU time (user + system), medians of the given number of runs"
  echo
  echo "| productions | grammar | program | runs | median CPU time | peak MB | time / previous size's |"
  echo "|---|---|---|---|---|---|---|"
  for w in dobra bledna; do
    for k in bryzas analiza gnat; do
      poprzedni=
      for n in $rozmiar_produkcje; do
        r=$(szukaj "rozmiar $w" "$k|$n")
        [ -n "$r" ] || continue
        opis="valid"
        [ $w = bledna ] && opis="an error in every production"
        nazwa=$(opis_programu "rozmiar_$k")
        if nie_zmierzony "$r"; then
          echo "| $n | $opis | $nazwa | - | failed | - | - |"
          poprzedni=
          continue
        fi
        wzgl=-
        [ -n "$poprzedni" ] && wzgl=$(iloraz "$(pole "$r" 4)" "$poprzedni")
        echo "| $n | $opis | $nazwa | $(pole "$r" 7) | $(czas "$(pole "$r" 4)") |" \
          "$(awk -v k="$(pole "$r" 6)" 'BEGIN { printf "%.1f", k * 1024 / 1e6 }') | $wzgl |"
        poprzedni=$(pole "$r" 4)
      done
    done
  done
fi

# --- targets ------------------------------------------------------------------
if czesc ostrew || czesc bryzas || czesc skanery || czesc json || czesc pl0 || czesc rozmiar; then
  echo
  echo "Targets"
  echo
fi
cel() { # TEXT VALUE CONDITION(awk, on v)
  local wynik="not measured"
  if [ -n "$2" ]; then
    wynik=$(awk -v v="$2" "BEGIN { print (($3) ? \"met\" : \"NOT met\") }")
  fi
  echo "- $1: ${4:-$2} - $wynik"
}
if czesc ostrew; then
  najwiekszy=${rozmiary##* }
  o=$(szukaj "$najwiekszy MB" ostrew)
  if nie_zmierzony "$o" || [ -n "${wadliwy[ostrew]:-}" ]; then
    o=
  fi
  v=
  [ -n "$o" ] && v=$(awk -v b="$(pole "$o" 3)" -v s="$(pole "$o" 4)" 'BEGIN { printf "%.0f", b / s / 1e6 }')
  cel "ostrew converts at least 250 MB/s ($najwiekszy MB)" "$v" 'v >= 250' "${v:+$v MB/s}"
  for k in inih python; do
    granica=3
    [ $k = python ] && granica=40
    p=$(szukaj "$najwiekszy MB" $k)
    v=
    [ -n "$o" ] && ! nie_zmierzony "$p" && v=$(iloraz "$(pole "$p" 4)" "$(pole "$o" 4)")
    cel "ostrew at least $granica times as fast as the $k peer ($najwiekszy MB)" "$v" "v >= $granica" "${v:+$v times}"
  done
  v=
  for mb in $rozmiary; do
    w=$(szukaj "$mb MB" ostrew)
    nie_zmierzony "$w" && { v=; break; }
    v=$(awk -v a="${v:-0}" -v k="$(pole "$w" 6)" 'BEGIN { m = k * 1024 / 1e6; printf "%.1f", (m > a ? m : a) }')
  done
  cel "ostrew's peak memory under 10 MB at every size" "$v" 'v < 10' "${v:+$v MB}"
fi
if czesc bryzas; then
  najw=${produkcje##* }
  b=
  for w in "${wiersze[@]}"; do [[ $w == "$najw productions,"*"|bryzas|"* ]] && b=$w; done
  v=
  if [ -n "$b" ] && ! nie_zmierzony "$b" && ! nie_zmierzony "$podloga" && [ -z "${wadliwy[bryzas $najw]:-}" ]; then
    v=$(iloraz "$(pole "$b" 4)" "$(pole "$podloga" 4)")
  fi
  cel "bryzas on $najw productions under 3 times the start-up floor" "$v" 'v < 3' "${v:+$v times}"
fi
if czesc skanery; then
  g=$(szukaj skanery skan_gen)
  r=$(szukaj skanery skan_recz)
  v=
  if ! nie_zmierzony "$g" && ! nie_zmierzony "$r" && [ -z "${wadliwy[skan_gen]:-}" ]; then
    v=$(iloraz "$(pole "$g" 4)" "$(pole "$r" 4)")
  fi
  cel "the generated INI scanner at least as fast as the hand-written one ($skanery_mb MB)" "$v" \
    'v <= 1' "${v:+time ratio $v}"
fi
if czesc dialekty; then
  o=$(szukaj dialekty ostrew)
  w=$(szukaj dialekty swobodny)
  v=
  if ! nie_zmierzony "$o" && ! nie_zmierzony "$w" && [ -z "${wadliwy[dialekt_b.xml]:-}" ]; then
    v=$(iloraz "$(pole "$w" 4)" "$(pole "$o" 4)")
  fi
  cel "ostrew --swobodny within 2 times today's dialect's time ($dialekty_mb MB)" "$v" 'v <= 2' "${v:+time ratio $v}"
fi
if czesc rozmiar; then
  # Linear growth: a size k times the previous within 1.25 k times its time.
  for w in dobra bledna; do
    poprzedni= pn=
    for n in $rozmiar_produkcje; do
      r=$(szukaj "rozmiar $w" "bryzas|$n")
      if [ -n "$r" ] && ! nie_zmierzony "$r" && [ -n "$poprzedni" ]; then
        v=$(iloraz "$(pole "$r" 4)" "$poprzedni")
        granica=$(awk -v a="$n" -v b="$pn" 'BEGIN { printf "%.2f", 1.25 * a / b }')
        opis="valid"
        [ $w = bledna ] && opis="with errors"
        cel "bryzas on $n productions ($opis) within $granica times its CPU time on $pn" "$v" "v <= $granica" \
          "${v:+$v times}"
      fi
      poprzedni= pn=
      [ -n "$r" ] && ! nie_zmierzony "$r" && poprzedni=$(pole "$r" 4) pn=$n
    done
  done
fi
# The generated recognisers at or under re2c's CPU time.
rowno_z_re2c() { # GROUP PROGRAM PEER TEXT
  local g r v=
  g=$(szukaj "$1" "$2")
  r=$(szukaj "$1" "$3")
  if ! nie_zmierzony "$g" && ! nie_zmierzony "$r"; then
    v=$(iloraz "$(pole "$g" 4)" "$(pole "$r" 4)")
  fi
  cel "$4" "$v" 'v <= 1' "${v:+time ratio $v}"
}
if czesc json; then
  rowno_z_re2c "json linie" json_bryzas json_re2c "the generated JSON recogniser within re2c's CPU time (a value a line)"
  rowno_z_re2c "json jedna" json_bryzas json_re2c "the generated JSON recogniser within re2c's CPU time (one line)"
fi
czesc pl0 && rowno_z_re2c pl0 pl0_bryzas pl0_re2c "the generated PL/0 recogniser within re2c's CPU time"
if ((${#uwagi[@]})); then
  echo
  echo "Notes"
  echo
  for u in "${uwagi[@]}"; do echo "- $u"; done
fi
