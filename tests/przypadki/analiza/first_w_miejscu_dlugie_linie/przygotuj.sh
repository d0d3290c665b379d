# CR LF line ends, a line of 2500 blanks (three pieces to the scanner)
# before the productions, and the "%%" after a production on its line.
{
  printf '%2500s\r\n' ''
  printf '"S" = [ "A" ] '"'k'"' .\r\n'
  printf '"A" = '"'a'"' . %%%% "A" : '"'x'"' .\r\n'
} > G.gpa
