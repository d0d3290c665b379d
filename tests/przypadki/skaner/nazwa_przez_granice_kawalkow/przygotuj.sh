# A line of 2500 characters, read as pieces of 1000, 1000 and 500, with 'ab'
# across the first cut: its quote is the last character of the first piece.
printf '"S" =%994s'"'ab'"'%1497s\n.\n' '' '' > B.gpa
