/* JSON for bison: validates one document and counts its values, as
   bench/json/Json.gpa does for bryzas. Lists are left-recursive, so the
   parser's stack stays as deep as the nesting, not as long as a list.
   The main parses the file named by its argument and prints the count;
   status 1 after an error. */
%{
#include <stdio.h>
int yylex(void);
extern FILE *yyin;
static long long wartosci;
static void yyerror(const char *s) { fprintf(stderr, "%s\n", s); }
%}
%token NAPIS LICZBA PRAWDA FALSZ NIC ZNAK
%%
dokument: wartosc ;
wartosc: skladnik { ++wartosci; } ;
skladnik: obiekt | tablica | NAPIS | LICZBA | PRAWDA | FALSZ | NIC ;
obiekt: '{' '}' | '{' pary '}' ;
pary: para | pary ',' para ;
para: NAPIS ':' wartosc ;
tablica: '[' ']' | '[' elementy ']' ;
elementy: wartosc | elementy ',' wartosc ;
%%
int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "uzycie: %s PLIK.json\n", argv[0]);
    return 2;
  }
  if (!(yyin = fopen(argv[1], "rb"))) {
    perror(argv[1]);
    return 1;
  }
  if (yyparse() != 0) return 1;
  printf("%lld\n", wartosci);
  return fflush(stdout) != 0;
}
