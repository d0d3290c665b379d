/* PL/0 for re2c: the scanner of tests/examples/pl0/Pl0.tok as direct code
   (keywords in any letter case; comments (* *), { } nested and // to the
   end of the line), under a recursive-descent parser written by hand that
   validates one program and counts its non-empty statements, as
   bench/pl0/Pl0.gpa does for bryzas. The whole file is in memory, ended by
   a NUL sentinel; a NUL inside the file is an error. The main parses the
   file named by its argument and prints the count; after an error it names
   the line and column of the token and ends with status 1. */
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

enum Token { KONIEC, NAZWA, LICZBA, CONST, VAR, PROCEDURE, CALL, BEGIN, END, IF, THEN, WHILE, DO, ODD,
             PRZYPISZ, CZYTAJ, PISZ, ROWNE, ROZNE, MNIEJSZE, MNIEJSZE_ROWNE, WIEKSZE, WIEKSZE_ROWNE,
             PLUS, MINUS, RAZY, DZIEL, LNAWIAS, PNAWIAS, PRZECINEK, SREDNIK, KROPKA, ZLY };

typedef struct {
  const char *kursor, *poczatek, *koniec, *pocz_linii;
  long linia;
  enum Token tok;
  long long instrukcje;
} Parser;

static void blad(Parser *p) {
  fprintf(stderr, "%ld:%ld: blad skladni\n", p->linia, (long)(p->poczatek - p->pocz_linii) + 1);
  exit(1);
}

/* A line end inside a comment. */
static void linia(Parser *p, const char *lf) {
  ++p->linia;
  p->pocz_linii = lf + 1;
}

/* A comment without its end, reported at its opener. */
static void bez_konca(Parser *p, long l, const char *pocz_linii) {
  p->linia = l;
  p->pocz_linii = pocz_linii;
  blad(p);
}

/* The rest of a { } comment after its opener, nested. */
static void zagniezdzony(Parser *p) {
  const long l = p->linia;
  const char *pocz_linii = p->pocz_linii;
  for (int glebokosc = 1; glebokosc > 0; ++p->kursor) {
    switch (*p->kursor) {
      case '{': ++glebokosc; break;
      case '}': --glebokosc; break;
      case '\n': linia(p, p->kursor); break;
      case '\0': if (p->kursor == p->koniec) bez_konca(p, l, pocz_linii); break;
    }
  }
}

/* The rest of a (* *) comment after its opener. */
static void komentarz(Parser *p) {
  const long l = p->linia;
  const char *pocz_linii = p->pocz_linii;
  for (;; ++p->kursor) {
    if (p->kursor[0] == '*' && p->kursor[1] == ')') { p->kursor += 2; return; }
    if (p->kursor[0] == '\n') linia(p, p->kursor);
    if (p->kursor[0] == '\0' && p->kursor == p->koniec) bez_konca(p, l, pocz_linii);
  }
}

static void nastepny(Parser *p) {
  for (;;) {
    p->poczatek = p->kursor;
    /*!re2c
      re2c:yyfill:enable = 0;
      re2c:define:YYCTYPE = "unsigned char";
      re2c:define:YYCURSOR = "p->kursor";

      litera = [a-zA-Z_];

      [\x00] { if (p->poczatek == p->koniec) { p->tok = KONIEC; return; } p->tok = ZLY; return; }
      [ \t\r]+ { continue; }
      "\n" { linia(p, p->poczatek); continue; }
      "(*" { komentarz(p); continue; }
      "{" { zagniezdzony(p); continue; }
      "//" [^\n\x00]* { continue; }
      'const' { p->tok = CONST; return; }
      'var' { p->tok = VAR; return; }
      'procedure' { p->tok = PROCEDURE; return; }
      'call' { p->tok = CALL; return; }
      'begin' { p->tok = BEGIN; return; }
      'end' { p->tok = END; return; }
      'if' { p->tok = IF; return; }
      'then' { p->tok = THEN; return; }
      'while' { p->tok = WHILE; return; }
      'do' { p->tok = DO; return; }
      'odd' { p->tok = ODD; return; }
      litera (litera | [0-9])* { p->tok = NAZWA; return; }
      [0-9]+ { p->tok = LICZBA; return; }
      ":=" { p->tok = PRZYPISZ; return; }
      "?" { p->tok = CZYTAJ; return; }
      "!" { p->tok = PISZ; return; }
      "=" { p->tok = ROWNE; return; }
      "#" { p->tok = ROZNE; return; }
      "<" { p->tok = MNIEJSZE; return; }
      "<=" { p->tok = MNIEJSZE_ROWNE; return; }
      ">" { p->tok = WIEKSZE; return; }
      ">=" { p->tok = WIEKSZE_ROWNE; return; }
      "+" { p->tok = PLUS; return; }
      "-" { p->tok = MINUS; return; }
      "*" { p->tok = RAZY; return; }
      "/" { p->tok = DZIEL; return; }
      "(" { p->tok = LNAWIAS; return; }
      ")" { p->tok = PNAWIAS; return; }
      "," { p->tok = PRZECINEK; return; }
      ";" { p->tok = SREDNIK; return; }
      "." { p->tok = KROPKA; return; }
      * { p->tok = ZLY; return; }
    */
  }
}

static void wez(Parser *p, enum Token t) {
  if (p->tok != t) blad(p);
  nastepny(p);
}

static void wyrazenie(Parser *p);

static void czynnik(Parser *p) {
  switch (p->tok) {
    case NAZWA: case LICZBA: nastepny(p); break;
    case LNAWIAS: nastepny(p); wyrazenie(p); wez(p, PNAWIAS); break;
    default: blad(p);
  }
}

static void skladnik(Parser *p) {
  czynnik(p);
  while (p->tok == RAZY || p->tok == DZIEL) {
    nastepny(p);
    czynnik(p);
  }
}

static void wyrazenie(Parser *p) {
  if (p->tok == PLUS || p->tok == MINUS) nastepny(p);
  skladnik(p);
  while (p->tok == PLUS || p->tok == MINUS) {
    nastepny(p);
    skladnik(p);
  }
}

static void warunek(Parser *p) {
  if (p->tok == ODD) {
    nastepny(p);
    wyrazenie(p);
    return;
  }
  wyrazenie(p);
  if (p->tok < ROWNE || p->tok > WIEKSZE_ROWNE) blad(p);
  nastepny(p);
  wyrazenie(p);
}

static void instrukcja(Parser *p) {
  switch (p->tok) {
    case NAZWA: ++p->instrukcje; nastepny(p); wez(p, PRZYPISZ); wyrazenie(p); break;
    case CALL: case CZYTAJ: ++p->instrukcje; nastepny(p); wez(p, NAZWA); break;
    case PISZ: ++p->instrukcje; nastepny(p); wyrazenie(p); break;
    case BEGIN:
      ++p->instrukcje;
      nastepny(p);
      instrukcja(p);
      while (p->tok == SREDNIK) {
        nastepny(p);
        instrukcja(p);
      }
      wez(p, END);
      break;
    case IF: ++p->instrukcje; nastepny(p); warunek(p); wez(p, THEN); instrukcja(p); break;
    case WHILE: ++p->instrukcje; nastepny(p); warunek(p); wez(p, DO); instrukcja(p); break;
    default: break; /* the empty statement */
  }
}

static void blok(Parser *p) {
  if (p->tok == CONST) {
    do {
      nastepny(p);
      wez(p, NAZWA);
      wez(p, ROWNE);
      wez(p, LICZBA);
    } while (p->tok == PRZECINEK);
    wez(p, SREDNIK);
  }
  if (p->tok == VAR) {
    do {
      nastepny(p);
      wez(p, NAZWA);
    } while (p->tok == PRZECINEK);
    wez(p, SREDNIK);
  }
  while (p->tok == PROCEDURE) {
    nastepny(p);
    wez(p, NAZWA);
    wez(p, SREDNIK);
    blok(p);
    wez(p, SREDNIK);
  }
  instrukcja(p);
}

/* The whole file mapped into memory, followed by a page of zeros whose
   first byte is the sentinel: mapping costs far less than reading into a
   block of the same size, whose every page would be touched twice. */
static int czytaj(const char *nazwa, const char **tekst, size_t *dl) {
  int fd = open(nazwa, O_RDONLY);
  struct stat st;
  if (fd < 0 || fstat(fd, &st) != 0) return 0;
  const size_t strona = (size_t)sysconf(_SC_PAGESIZE);
  *dl = (size_t)st.st_size;
  char *obszar = mmap(NULL, *dl + strona, PROT_READ, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
  if (obszar == MAP_FAILED) return 0;
  if (*dl > 0 && mmap(obszar, *dl, PROT_READ, MAP_PRIVATE | MAP_FIXED | MAP_POPULATE, fd, 0) == MAP_FAILED)
    return 0;
  *tekst = obszar;
  return close(fd) == 0;
}


int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "uzycie: %s PLIK.pl0\n", argv[0]);
    return 2;
  }
  const char *tekst;
  size_t dl;
  if (!czytaj(argv[1], &tekst, &dl)) {
    perror(argv[1]);
    return 1;
  }
  Parser p = {tekst, tekst, tekst + dl, tekst, 1, KONIEC, 0};
  nastepny(&p);
  blok(&p);
  wez(&p, KROPKA);
  if (p.tok != KONIEC) blad(&p);
  printf("%lld\n", p.instrukcje);
  return fflush(stdout) != 0;
}
