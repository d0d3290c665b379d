# A line of exactly 2000 characters ended by CR LF: two pieces and no empty line after them.
printf '"S" = '"'a'"'%1990s.\r\n"T" = '"'b'"' .\r\n' '' > B.gpa
