# 200 productions "N0" = 't0' "N1" . ... "N199" = 't199' . : 200 names of each kind.
awk 'BEGIN { for (i = 0; i < 200; i++) printf "\"N%d\" = '\''t%d'\''%s .\n", i, i, i < 199 ? " \"N" i + 1 "\"" : "" }' > G.gpa
