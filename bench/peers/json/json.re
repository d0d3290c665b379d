/* JSON for re2c: the scanner of tests/examples/json/Json.tok as direct
   code, under a recursive-descent parser written by hand that validates one
   document and counts its values, as bench/json/Json.gpa does for bryzas.
   The whole file is in memory, ended by a NUL sentinel (re2c's usual way,
   and its fastest); a NUL inside the file is an error. The main
   parses the file named by its argument and prints the count; after an
   error it names the line and column of the token and ends with status 1. */
#define _GNU_SOURCE
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

enum Token { KONIEC, NAPIS, LICZBA, PRAWDA, FALSZ, NIC, LKLAMRA, PKLAMRA, LNAWIAS, PNAWIAS,
             DWUKROPEK, PRZECINEK, ZLY };

typedef struct {
  const char *kursor, *poczatek, *koniec, *pocz_linii;
  long linia;
  enum Token tok;
  long long wartosci;
} Parser;

static void nastepny(Parser *p) {
  const char *YYMARKER;
  for (;;) {
    p->poczatek = p->kursor;
    /*!re2c
      re2c:yyfill:enable = 0;
      re2c:define:YYCTYPE = "unsigned char";
      re2c:define:YYCURSOR = "p->kursor";

      cyfry = [0-9]+;
      hex = [0-9a-fA-F];

      [\x00] { if (p->poczatek == p->koniec) { p->tok = KONIEC; return; } p->tok = ZLY; return; }
      [ \t\r]+ { continue; }
      "\n" { ++p->linia; p->pocz_linii = p->kursor; continue; }
      "{" { p->tok = LKLAMRA; return; }
      "}" { p->tok = PKLAMRA; return; }
      "[" { p->tok = LNAWIAS; return; }
      "]" { p->tok = PNAWIAS; return; }
      ":" { p->tok = DWUKROPEK; return; }
      "," { p->tok = PRZECINEK; return; }
      "true" { p->tok = PRAWDA; return; }
      "false" { p->tok = FALSZ; return; }
      "null" { p->tok = NIC; return; }
      "-"? ("0" | [1-9][0-9]*) ("." cyfry)? ([eE] [+-]? cyfry)? { p->tok = LICZBA; return; }
      ["] ([^"\\\x00-\x1f] | [\\] (["\\/bfnrt] | "u" hex hex hex hex))* ["] { p->tok = NAPIS; return; }
      * { p->tok = ZLY; return; }
    */
  }
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

static void blad(Parser *p) {
  fprintf(stderr, "%ld:%ld: blad skladni\n", p->linia, (long)(p->poczatek - p->pocz_linii) + 1);
  exit(1);
}

static void wez(Parser *p, enum Token t) {
  if (p->tok != t) blad(p);
  nastepny(p);
}

static void wartosc(Parser *p);

static void obiekt(Parser *p) {
  nastepny(p);
  if (p->tok == PKLAMRA) { nastepny(p); return; }
  for (;;) {
    wez(p, NAPIS);
    wez(p, DWUKROPEK);
    wartosc(p);
    if (p->tok != PRZECINEK) break;
    nastepny(p);
  }
  wez(p, PKLAMRA);
}

static void tablica(Parser *p) {
  nastepny(p);
  if (p->tok == PNAWIAS) { nastepny(p); return; }
  for (;;) {
    wartosc(p);
    if (p->tok != PRZECINEK) break;
    nastepny(p);
  }
  wez(p, PNAWIAS);
}

static void wartosc(Parser *p) {
  ++p->wartosci;
  switch (p->tok) {
    case LKLAMRA: obiekt(p); break;
    case LNAWIAS: tablica(p); break;
    case NAPIS: case LICZBA: case PRAWDA: case FALSZ: case NIC: nastepny(p); break;
    default: blad(p);
  }
}

int main(int argc, char **argv) {
  if (argc != 2) {
    fprintf(stderr, "uzycie: %s PLIK.json\n", argv[0]);
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
  wartosc(&p);
  if (p.tok != KONIEC) blad(&p);
  printf("%lld\n", p.wartosci);
  return fflush(stdout) != 0;
}
