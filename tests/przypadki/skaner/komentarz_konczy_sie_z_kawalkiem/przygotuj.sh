# A comment ends with its piece: the rest of a line of 1102 characters is read as text.
printf -- '--%1100s' '' | tr ' ' x > B.gpa
