# A NUL byte ends the grammar before the end of the file.
printf '"S" = [ "A" ] '"'k'"' .\n"A" = '"'a'"' .\n\0 %%%%\n' > G.gpa
