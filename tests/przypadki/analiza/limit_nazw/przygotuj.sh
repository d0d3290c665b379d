# As 200 names of each kind, but the last production adds 't200' and "X".
awk 'BEGIN { for (i = 0; i < 200; i++) printf "\"N%d\" = '\''t%d'\''%s .\n", i, i, i < 199 ? " \"N" i + 1 "\"" : " '\''t200'\'' \"X\"" }' > G.gpa
