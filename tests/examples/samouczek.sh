#!/usr/bin/env bash
# Follows the tutorial examples/kalk/README.md the way a user does: in an
# empty directory, with only bryzas and GNAT on the PATH, it writes the files
# and runs the commands the tutorial shows, in the order the text gives them.
# A fenced block after the line <!-- plik: NAME --> is the file NAME; one
# after <!-- polecenie --> holds commands on "$ " lines, each followed by
# the output it must print; a command shown without output must succeed.
# The files shown must be the ones shipped beside the tutorial (the
# examples/kalk test runs those on many inputs).
# Usage: samouczek.sh BRYZAS EXAMPLE_DIR
set -u
bryzas=$(realpath "$1")
przyklad=$(realpath "$2")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
mkdir "$praca/bin" "$praca/kalk"
ln -s "$bryzas" "$praca/bin/bryzas"
sciezka="$praca/bin:$(dirname "$(command -v gprbuild || echo /usr/bin/gprbuild)"):/usr/bin:/bin"
bledy=0 pliki=() wyniki=0 rodzaj= blok=0 polecenie= oczekiwane=

# Runs the command read last and compares what it prints with the tutorial.
uruchom() {
  [ -n "$polecenie" ] || return 0
  local wynik status
  wynik=$(cd "$praca/kalk" && PATH=$sciezka timeout 120 bash -c "$polecenie" 2>&1)
  status=$?
  if [ -n "$oczekiwane" ]; then
    wyniki=$((wyniki + 1))
    if [ "$wynik" != "${oczekiwane%$'\n'}" ]; then
      printf 'FAIL: "%s" printed\n%s\nbut the tutorial shows\n%s' "$polecenie" "$wynik" "$oczekiwane"; bledy=1
    fi
  elif [ "$status" != 0 ]; then
    printf 'FAIL: "%s" ended with status %s:\n%s\n' "$polecenie" "$status" "$wynik"; bledy=1
  fi
  polecenie= oczekiwane=
}

while IFS= read -r linia; do
  if [ "$blok" = 1 ]; then
    if [ "$linia" = '```' ]; then uruchom; blok=0 rodzaj=
    elif [ "$rodzaj" = polecenie ]; then
      case $linia in
        '$ '*) uruchom; polecenie=${linia#'$ '} ;;
        *) oczekiwane+=$linia$'\n' ;;
      esac
    else printf '%s\n' "$linia" >> "$praca/kalk/$rodzaj"
    fi
  elif [ -n "$rodzaj" ]; then
    [ "$linia" = '```' ] || { echo "FAIL: no fenced block right after the mark of $rodzaj"; exit 1; }
    blok=1
    [ "$rodzaj" = polecenie ] || { : > "$praca/kalk/$rodzaj"; pliki+=("$rodzaj"); }
  elif [[ $linia =~ ^'<!-- plik: '([A-Za-z0-9_.]+)' -->'$ ]]; then rodzaj=${BASH_REMATCH[1]}
  elif [ "$linia" = '<!-- polecenie -->' ]; then rodzaj=polecenie
  fi
done < "$przyklad/README.md"

for plik in Kalk.gpa Kalk.tok; do
  cmp -s "$przyklad/$plik" "$praca/kalk/$plik" ||
    { echo "FAIL: the tutorial does not show $plik as this folder has it"; bledy=1; }
done
[ -x "$praca/kalk/Kalk" ] || { echo "FAIL: following the tutorial builds no Kalk"; bledy=1; }
[ "$wyniki" -ge 2 ] || { echo "FAIL: only $wyniki runs of the tutorial show their output"; bledy=1; }
echo "tutorial: files ${pliki[*]}, $wyniki outputs compared"
exit $bledy
