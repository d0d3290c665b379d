#!/usr/bin/env bash
# The analyser calls a name an error exactly when GNAT rejects the parser
# generated for it: for each name, as a terminal ('t') and as a nonterminal
# ('n'), a one-production grammar is generated and compiled with a scanner
# body of the usual kind, and checked with bryzas_analiza; as a terminal
# that ends the input ('k'), with the scanner body bryzas writes from G.tok:
# among them every type, object and package that the scanner body of the
# case tokeny/komentarze_i_znaki declares, so that a name the body gains is
# a name the analyser holds back. Then names that the extended notation's
# parser and scanner declare.
# Usage: nazwy_gnat.sh BIN_DIR
set -u
bin=$(realpath "$1")
tu=$(dirname "$(realpath "$0")")
praca=$(mktemp -d)
trap 'rm -rf "$praca"' EXIT
ulimit -f 8192
bledy=0
skaner=$tu/../przypadki/tokeny/komentarze_i_znaki/wy/T_skan.adb
nazwy_skanera=$(sed -n -E 's/^(type |package )?([A-Z][A-Za-z_]*) (is|:|renames).*/k:\2/p' "$skaner" | sort -u)
[ "$(echo "$nazwy_skanera" | wc -w)" -ge 15 ] || { echo "FAIL: too few names declared in $skaner"; exit 1; }
for proba in $nazwy_skanera t:Plus t:begin t:Pusty t:String t:True t:G_Pars t:First_S t:Kod t:_End t:Begin_ \
             n:Wyr n:Record n:Parsuj n:Tok n:Integer n:Skanuj n:If__Sym \
             k:G_Pozycja k:Wynik k:Linia k:Dolej; do
  rola=${proba%%:*} n=${proba#*:}
  d=$praca/$rola$n && mkdir "$d" && cd "$d" || exit 1
  if [ "$rola" = k ]; then
    printf '"S" = '"'%s'"' '"'B'"' .\n%%%%\n"S" : '"'%s'"' .\n' "$n" "$n" > G.gpa
    printf '++komentarz "(*" "*)"\n++koniec '"'%s'"'\n'"'B'"' = "b" .\n' "$n" > G.tok
  elif [ "$rola" = t ]; then
    printf '"S" = '"'%s'"' '"'B'"' .\n%%%%\n"S" : '"'%s'"' .\n' "$n" "$n" > G.gpa
  else
    printf '"S" = "%s" '"'B'"' .\n"%s" = '"'A'"' .\n%%%%\n"S" : '"'A'"' .\n"%s" : '"'A'"' .\n' "$n" "$n" "$n" > G.gpa
  fi
  [ "$rola" = k ] || sed 's/@P@/G/g' "$tu/../ada/slowa/skan_dowolny.adb.in" > G_skan.adb
  timeout 20 "$bin/bryzas" G > /dev/null
  timeout 120 gprbuild -q -c -gnatc -P G.gpr > gnat.out 2>&1 && gnat=przyjmuje || gnat=odrzuca
  timeout 20 "$bin/bryzas_analiza" G > analiza.out
  grep -q ': blad: ' analiza.out && analiza=odrzuca || analiza=przyjmuje
  [ "$gnat" = "$analiza" ] || { echo "FAIL: $rola $n: GNAT $gnat, the analyser $analiza"; cat gnat.out analiza.out; bledy=1; }
done
# The extended notation writes nothing for a name the analyser rejects, so
# its parser is written for a harmless name that each file then renames:
# as a terminal ('r', in a repetition) and as a nonterminal ('q', before an
# option), with a scanner from G.tok, recovery on; as a nonterminal without recovery ('b').
for proba in r:Zbior q:Zbior r:Stop q:Stop r:Zbior_Tokenow q:Zbior_Tokenow r:Biezacy q:Biezacy \
             r:Zajete_We q:Zajete_We r:Blad q:Blad r:Znaleziony q:Nastepny r:Tekst q:Skanuj_Biezacy \
             r:Pominiete q:Pominiete r:Glebokosc q:Glebokosc r:Drzewo q:Drzewo r:Oczekiwane_Potem \
             q:Oczekiwane_Potem r:Oczekiwane q:Oczekiwane q:Wejdz r:Wiersz q:Nazwa_Tokenu q:Opis_Tokenu \
             r:S_We r:Ile_We r:Kon_We r:Akc_We r:Zbadane_We r:Z_Pliku_We r:Poczatki_Aut r:Niedokonczone_Aut r:Automat_We \
             r:Rozstrzygnij_We r:Dalej_We r:Rozbior q:Rozbior r:Rozbior_Z_Drzewem q:Rozbior_Bez_Drzewa \
             q:Nazwa_Produkcji q:Wiersz_Tokenu \
             b:Nastepny b:Sprawdz b:Blad b:Drzewo b:Stop; do
  rola=${proba%%:*} n=${proba#*:}
  d=$praca/$rola$n && mkdir "$d" && cd "$d" || exit 1
  if [ "$rola" = r ]; then
    printf '++rozszerzona\n"S" = { '"'Xqz'"' } '"'B'"' .\n' > G.gpa
  elif [ "$rola" = q ]; then
    printf '++rozszerzona\n"S" = "Xqz" [ '"'A'"' ] '"'B'"' .\n"Xqz" = '"'A'"' .\n' > G.gpa
  else
    printf '++rozszerzona\n++bez_odtwarzania\n"S" = "Xqz" '"'B'"' .\n"Xqz" = '"'A'"' .\n' > G.gpa
  fi
  printf '++koniec '"'K'"'\n'"'Xqz'"' = "x" .\n'"'A'"' = "a" .\n'"'B'"' = "b" .\n' > G.tok
  timeout 20 "$bin/bryzas" G > /dev/null || { echo "FAIL: bryzas rejects the grammar of $rola $n"; bledy=1; }
  sed -i "s/Xqz/$n/g" G.gpa G.tok G*.ad?
  timeout 120 gprbuild -q -c -gnatc -P G.gpr > gnat.out 2>&1 && gnat=przyjmuje || gnat=odrzuca
  timeout 20 "$bin/bryzas_analiza" G > analiza.out
  grep -q ': blad: ' analiza.out && analiza=odrzuca || analiza=przyjmuje
  [ "$gnat" = "$analiza" ] || { echo "FAIL: $rola $n: GNAT $gnat, the analyser $analiza"; cat gnat.out analiza.out; bledy=1; }
done
exit $bledy
