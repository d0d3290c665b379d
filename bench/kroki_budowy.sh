# The steps of building the bench's recognisers, sourced by
# bench/json/buduj.sh and bench/pl0/buduj.sh: each recogniser NAME is built
# in $cel/NAME, and $cel/NAME.blad says in one line why it was not.

# NAME REASON: records that NAME was not built
nie() { echo "$2" > "$cel/$1.blad"; }
# NAME TOOL...: true when every tool is there, else records the first missing
narzedzia() {
  local n=$1 t
  shift
  for t; do command -v "$t" > /dev/null || { nie "$n" "$t is missing"; return 1; }; done
}
# NAME COMMAND...: runs one step in DIR/NAME, its messages in budowa.log
krok() {
  local n=$1
  shift
  (cd "$cel/$n" && "$@") >> "$cel/$n/budowa.log" 2>&1 ||
    { nie "$n" "$* failed: $(tail -n 3 "$cel/$n/budowa.log" | paste -sd ' ')"; return 1; }
}
nowy() { rm -rf "${cel:?}/$1" "$cel/$1.blad" && mkdir "$cel/$1"; }
