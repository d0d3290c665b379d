# 198 productions "N_1" = 't_1' "N_2" . ... and a last one adding 't_200', a 201st terminal, 't_1'
# again and the nonterminal "t_201": each table holds 200 names, the 201st terminal is not stored.
for i in $(seq 198); do echo "\"N_$i\" = 't_$i' \"N_$((i + 1))\" ."; done > B.gpa
echo "\"N_199\" = 't_199' 't_200' 't_201' 't_1' \"t_201\" ." >> B.gpa
