#!/usr/bin/env bash
# Follows the tutorial examples/kalk/README.md the way a user does: in an
# empty directory, with only bryzas and GNAT on the PATH, it writes the files
# and runs the commands the tutorial shows, in the order the text gives them.
# A fenced block after <!-- plik: NAME --> is the file NAME; one after
# <!-- polecenie --> holds commands on "$ " lines, each followed by the
# output it must print; a command shown without output must succeed. A
# command "cd DIR" moves where later files go and commands run, as it does
# for the user. The files must be the ones shipped in the examples folder
# of the same name (the examples/kalk and kalk_rozszerzony tests run those
# on many inputs): the tutorial starts in a folder named as its own.
# Usage: samouczek.sh BRYZAS EXAMPLE_DIR
set -u
bryzas=$(realpath "$1")
przyklad=$(realpath "$2")
przyklady=$(dirname "$przyklad")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
katalog=$(basename "$przyklad")
mkdir "$praca/bin" "$praca/$katalog"
ln -s "$bryzas" "$praca/bin/bryzas"
sciezka="$praca/bin:$(dirname "$(command -v gprbuild || echo /usr/bin/gprbuild)"):/usr/bin:/bin"
bledy=0 pliki=() wyniki=0 rodzaj= blok=0 polecenie= oczekiwane=

# Runs the command read last and compares what it prints with the tutorial;
# "cd DIR" changes the directory of what follows, within the work directory.
uruchom() {
  [ -n "$polecenie" ] || return 0
  local wynik status nowy
  if [[ $polecenie =~ ^cd\ ([A-Za-z0-9_./]+)$ ]]; then
    nowy=$(cd "$praca/$katalog" 2> /dev/null && cd "${BASH_REMATCH[1]}" 2> /dev/null && pwd)
    if [[ $nowy == "$praca"/* ]]; then katalog=${nowy#"$praca"/}
    else printf 'FAIL: "%s" leads to no directory of the work\n' "$polecenie"; bledy=1
    fi
    polecenie= oczekiwane=
    return 0
  fi
  wynik=$(cd "$praca/$katalog" && PATH=$sciezka timeout 120 bash -c "$polecenie" 2>&1)
  status=$?
  if [ -n "$oczekiwane" ]; then
    wyniki=$((wyniki + 1))
    if [ "$wynik" != "${oczekiwane%$'\n'}" ]; then
      printf 'FAIL: "%s" in %s printed\n%s\nbut the tutorial shows\n%s' "$polecenie" "$katalog" "$wynik" "$oczekiwane"
      bledy=1
    fi
  elif [ "$status" != 0 ]; then
    printf 'FAIL: "%s" in %s ended with status %s:\n%s\n' "$polecenie" "$katalog" "$status" "$wynik"; bledy=1
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
    else printf '%s\n' "$linia" >> "$praca/$katalog/$rodzaj"
    fi
  elif [ -n "$rodzaj" ]; then
    [ "$linia" = '```' ] || { echo "FAIL: no fenced block right after the mark of $rodzaj"; exit 1; }
    blok=1
    if [ "$rodzaj" != polecenie ]; then
      : > "$praca/$katalog/$rodzaj"; pliki+=("$katalog/$rodzaj")
    fi
  elif [[ $linia =~ ^'<!-- plik: '([A-Za-z0-9_.]+)' -->'$ ]]; then rodzaj=${BASH_REMATCH[1]}
  elif [ "$linia" = '<!-- polecenie -->' ]; then rodzaj=polecenie
  fi
done < "$przyklad/README.md"

# The calculator, and then the same in the extended notation, its token
# file copied by the commands.
for plik in kalk/Kalk.gpa kalk/Kalk.tok kalk_rozszerzony/Kalk.gpa kalk_rozszerzony/Kalk.tok; do
  cmp -s "$przyklady/$plik" "$praca/$plik" ||
    { echo "FAIL: following the tutorial does not give $plik as examples/$plik is"; bledy=1; }
done
for program in kalk/Kalk kalk_rozszerzony/Kalk; do
  [ -x "$praca/$program" ] || { echo "FAIL: following the tutorial builds no $program"; bledy=1; }
done
[ "$wyniki" -ge 7 ] || { echo "FAIL: only $wyniki runs of the tutorial show their output"; bledy=1; }
echo "tutorial: files ${pliki[*]}, $wyniki outputs compared"
exit $bledy
