#!/usr/bin/env bash
# The INI converter of examples/ini_rozszerzony (the extended notation, its
# scanner written by hand) against ostrew, which the converter of
# examples/ini matches: on the inputs of ini_wejscia/ and the a.ini of
# ostrew's cases both must end with the same status and leave the same a.xml
# (or none). A successful run prints what ostrew prints. Where ostrew
# reports a syntax or scanner error, the example prints only "** Poczatek"
# and one located line "a.ini:LINE:COLUMN: text" on standard error, its
# text the one for ostrew's error number; any other failure ("Blad!", a
# file failure) prints what ostrew prints. A few inputs check the place
# itself.
# Usage: ini_rozszerzony.sh BRYZAS OSTREW EXAMPLE_DIR CASES_DIR
set -u
bryzas=$(realpath "$1")
ostrew=$(realpath "$2")
przyklad=$(realpath "$3")
przypadki_ostrew=$4
tu=$(dirname "$(realpath "$0")")
if ! command -v gprbuild > /dev/null; then
  echo "SKIP: gprbuild not found, so the INI converter cannot be built"; exit 0
fi
praca=$(mktemp -d)
trap 'chmod -R u+rwx "$praca" 2>/dev/null; rm -rf "$praca"' EXIT
ulimit -f 8192

if ! timeout 300 bash "$przyklad/buduj.sh" "$bryzas" "$praca/ini" > "$praca/budowa.out" 2>&1 ||
   [ -s "$praca/ini/budowa.log" ]; then
  cat "$praca/budowa.out"; echo "FAIL: the example does not build without a message"; exit 1
fi
ini=$praca/ini/Ini
bledy=0
zle() { echo "FAIL: $*"; bledy=1; }

mkdir "$praca/przypadki"
for we in "$tu"/ini_wejscia/*.ini; do
  mkdir "$praca/przypadki/$(basename "$we" .ini)"
  cp "$we" "$praca/przypadki/$(basename "$we" .ini)/a.ini"
done
for przypadek in "$przypadki_ostrew"/*/; do
  cel=$praca/przypadki/ostrew_$(basename "$przypadek")
  mkdir "$cel"
  [ -d "$przypadek/we" ] && cp -a "$przypadek/we/." "$cel/"
  [ -f "$przypadek/przygotuj.sh" ] && cp "$przypadek/przygotuj.sh" "$cel/.przygotuj.sh"
done

# Runs PROGRAM on the input CASE in a fresh directory DIR; leaves .konsola,
# .stderr, .status and whatever the program wrote there.
uruchom() {
  mkdir "$3"
  cp -a "$2/." "$3/"
  (cd "$3" && { [ ! -f .przygotuj.sh ] || bash .przygotuj.sh; } &&
     timeout 20 "$1" > .konsola 2> .stderr < /dev/null; echo $? > .status)
}

# The start of the example's message for ostrew's console line "Blad
# parsera: N ..." or "Blad skanera: N ...": the parser's checks in the order
# of the grammar, the scanner's errors by their numbers.
opis() {
  case $1 in
    "Blad parsera: 11") echo "oczekiwano 'LEWYNAWIASKW';" ;;
    "Blad parsera: 12") echo "oczekiwano 'NAZWA';" ;;
    "Blad parsera: 13") echo "oczekiwano 'PRAWYNAWIASKW';" ;;
    "Blad parsera: 14") echo "oczekiwano 'NAZWA';" ;;
    "Blad parsera: 15") echo "oczekiwano 'ROWNE';" ;;
    "Blad parsera: 16") echo "oczekiwano 'NAZWA', 'NAPIS' albo 'LICZBA';" ;;
    "Blad parsera: 17") echo "oczekiwano konca wejscia;" ;;
    "Blad skanera: 0") echo "napis bez konca" ;;
    "Blad skanera: 2") echo "nazwa dluzsza niz 100 znakow" ;;
    "Blad skanera: 3") echo "liczba dluzsza niz 100 cyfr" ;;
    "Blad skanera: 4") echo "napis zaczyna sie znakiem " ;;
    "Blad skanera: 5") echo "w napisie znak " ;;
    "Blad skanera: 9") echo "nieoczekiwany znak " ;;
    *) echo "?" ;;
  esac
}

ile=0; dobre=0; skladnia=0; inne=0
for przypadek in "$praca"/przypadki/*; do
  nazwa=$(basename "$przypadek")
  a=$praca/a_$nazwa; b=$praca/b_$nazwa
  uruchom "$ostrew" "$przypadek" "$a"
  uruchom "$ini" "$przypadek" "$b"
  ile=$((ile + 1))
  sa=$(cat "$a/.status"); sb=$(cat "$b/.status")
  [ "$sa" = "$sb" ] || zle "$nazwa: ostrew ended with status $sa, the example with $sb"
  if [ -f "$a/a.xml" ] && [ -f "$b/a.xml" ]; then
    cmp -s "$a/a.xml" "$b/a.xml" || { zle "$nazwa: a.xml differs"; diff "$a/a.xml" "$b/a.xml" | head -10; }
  elif [ -f "$a/a.xml" ] || [ -f "$b/a.xml" ]; then
    zle "$nazwa: only one of the programs wrote a.xml"
  fi
  blad=$(grep -oE '^Blad (parsera|skanera): [0-9]+' "$a/.konsola")
  if [ -n "$blad" ]; then
    skladnia=$((skladnia + 1))
    [ "$(cat "$b/.konsola")" = "** Poczatek" ] || zle "$nazwa: after an error of the input it printed: $(head -c 300 "$b/.konsola")"
    komunikat=$(cat "$b/.stderr")
    tekst=${komunikat#a.ini:*:*: }
    if [ "$(wc -l < "$b/.stderr")" != 1 ] || ! [[ $komunikat =~ ^a\.ini:[1-9][0-9]*:[1-9][0-9]*:\  ]] ||
       [[ $tekst != "$(opis "$blad")"* ]]; then
      zle "$nazwa: ostrew says '$blad', the example '$komunikat'"
    fi
  else
    [ "$sb" = 0 ] && dobre=$((dobre + 1)) || inne=$((inne + 1))
    cmp -s "$a/.konsola" "$b/.konsola" || { zle "$nazwa: console output differs (< ostrew, > example)"; diff "$a/.konsola" "$b/.konsola" | head -10; }
    [ -s "$b/.stderr" ] && zle "$nazwa: standard error is not empty: $(head -c 300 "$b/.stderr")"
  fi
done

# The place of an error: its token's first character, counted over a line
# longer than 1000 characters, CR LF and a comment; the end of the input just
# after its last line; a scanner error at its character.
miejsce() {
  rm -rf "$praca/m" && mkdir "$praca/m"
  printf "$1" > "$praca/m/a.ini"
  (cd "$praca/m" && timeout 20 "$ini" > /dev/null 2> .stderr)
  [ "$(cat "$praca/m/.stderr")" = "$2" ] || zle "input '$1': '$(cat "$praca/m/.stderr")' instead of '$2'"
}
dlugie=$(printf '%1500s' '')
miejsce "[a]\n${dlugie}k = 1 = 2\n" "a.ini:2:1507: oczekiwano konca wejscia; jest \"=\""
miejsce "[a]\r\n; x = \r\n  k = \r\n\r\n" "a.ini:5:1: oczekiwano 'NAZWA', 'NAPIS' albo 'LICZBA'; jest koniec wejscia"
miejsce "[a]\nk = 1\n x" "a.ini:4:1: oczekiwano 'ROWNE'; jest koniec wejscia"
miejsce "[a]\nk = \"x\" \"y\"" "a.ini:2:9: oczekiwano konca wejscia; jest \"\"y\"\""
miejsce "[a]\nk = \x00 1" "a.ini:2:5: oczekiwano 'NAZWA', 'NAPIS' albo 'LICZBA'; jest koniec wejscia"
miejsce "[a] k =\t1" "a.ini:1:8: nieoczekiwany znak #9"
miejsce "[a] k = \"ab-c\"" "a.ini:1:12: w napisie znak '-', a nie litera, cyfra ani '_'"

echo "INI converter in the extended notation and ostrew compared on $ile inputs:" \
     "$dobre accepted, $skladnia syntax or scanner errors, $inne other failures"
[ "$dobre" -ge 20 ] && [ "$skladnia" -ge 20 ] && [ "$inne" -ge 3 ] || zle "too few inputs of some kind"
exit $bledy
