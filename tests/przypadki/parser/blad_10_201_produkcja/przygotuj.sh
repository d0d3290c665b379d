# 201 productions "N1" = 'x' . ... : the table of left sides holds 200.
for i in $(seq 201); do echo "\"N$i\" = 'x' ."; done > B.gpa
