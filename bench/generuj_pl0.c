/* generuj_pl0: writes a benchmark PL/0 program of about BYTES bytes to
 * stdout and the number of statements in it to stderr.
 *
 *   generuj_pl0 BYTES [SEED]
 *
 * The program is PL/0 as tests/examples/pl0/Pl0.tok spells it: procedures
 * one after another, each with constants, variables, a nested procedure now
 * and then, and a body of assignments, calls, reads, writes, ifs, whiles
 * and compound statements nested a few levels deep, with expressions of
 * every operator and relation. Keywords come in any letter case; comments
 * of the three kinds ((* *), { } nested, // to the end of the line) stand
 * between tokens; names are of every length a program has. Every non-empty
 * statement counts once, so that a recogniser counting the statements it
 * sees can be checked. The output stops after the first procedure that
 * reaches BYTES, then the main statement and the final ".". The same SEED
 * always gives the same program.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "losowanie.h"

typedef struct {
  unsigned long long state;
  unsigned long long total;      /* bytes written so far */
  unsigned long long statements; /* non-empty statements written */
  int column;                    /* of the line being written */
  int depth;                     /* indentation of new lines */
} Gen;

static unsigned pick(Gen *g, unsigned n) { return wybierz(&g->state, n); }

static void put(Gen *g, const char *s) {
  size_t n = strlen(s);
  if (fwrite(s, 1, n, stdout) != n) {
    perror("generuj_pl0");
    exit(1);
  }
  g->total += n;
  const char *lf = strrchr(s, '\n');
  g->column = lf ? (int)(s + n - lf - 1) : g->column + (int)n;
}

static void line(Gen *g) {
  put(g, "\n");
  for (int i = 0; i < g->depth; ++i) put(g, "  ");
}

/* A token, a blank before it unless at the start of a line; now and then a
   comment first, and a line end when the line is long. */
static void tok(Gen *g, const char *s) {
  if (g->column > 72) line(g);
  if (g->column > 2 * g->depth) put(g, " ");
  switch (pick(g, 400)) {
    case 0: put(g, "(* komentarz * (z gwiazdka) *) "); break;
    case 1: put(g, "{ zagniezdzony { w srodku } koniec } "); break;
    case 2: put(g, "// do konca linii"); line(g); break;
    default: break;
  }
  put(g, s);
}

/* A keyword in lower, upper or mixed case. */
static void kw(Gen *g, const char *s) {
  char buf[16];
  unsigned how = pick(g, 10);
  size_t i;
  for (i = 0; s[i] && i + 1 < sizeof buf; ++i) {
    char c = s[i];
    if (how == 8 || (how == 9 && i == 0)) c = (char)(c - 'a' + 'A');
    buf[i] = c;
  }
  buf[i] = '\0';
  tok(g, buf);
}

static const char *const stems[] = {"x", "i", "n", "suma", "licznik", "wynik", "tmp", "a1", "b_2",
                                     "dlugaNazwaZmiennej", "Wartosc", "k", "endx", "iff", "do_", "var1"};

static void name(Gen *g) {
  char buf[48];
  const char *s = stems[pick(g, sizeof stems / sizeof *stems)];
  if (pick(g, 3) == 0)
    snprintf(buf, sizeof buf, "%s%u", s, pick(g, 100));
  else
    snprintf(buf, sizeof buf, "%s", s);
  tok(g, buf);
}

static void number(Gen *g) {
  char buf[16];
  snprintf(buf, sizeof buf, "%u", pick(g, 4) == 0 ? pick(g, 1000000) : pick(g, 100));
  tok(g, buf);
}

static void expression(Gen *g, int depth);

static void factor(Gen *g, int depth) {
  unsigned k = pick(g, depth > 2 ? 2 : 5);
  if (k == 0) name(g);
  else if (k == 1) number(g);
  else if (k == 2) name(g);
  else {
    tok(g, "(");
    expression(g, depth + 1);
    tok(g, ")");
  }
}

static void term(Gen *g, int depth) {
  factor(g, depth);
  for (unsigned n = pick(g, 3); n > 0; --n) {
    tok(g, pick(g, 2) ? "*" : "/");
    factor(g, depth);
  }
}

static void expression(Gen *g, int depth) {
  if (pick(g, 6) == 0) tok(g, pick(g, 2) ? "-" : "+");
  term(g, depth);
  for (unsigned n = pick(g, 3); n > 0; --n) {
    tok(g, pick(g, 2) ? "+" : "-");
    term(g, depth);
  }
}

static void condition(Gen *g) {
  static const char *const relations[] = {"=", "#", "<", "<=", ">", ">="};
  if (pick(g, 8) == 0) {
    kw(g, "odd");
    expression(g, 0);
    return;
  }
  expression(g, 0);
  tok(g, relations[pick(g, 6)]);
  expression(g, 0);
}

static void statement(Gen *g, int depth) {
  unsigned k = depth > 3 ? pick(g, 4) : pick(g, 8);
  ++g->statements;
  switch (k) {
    case 0: case 1:
      name(g);
      tok(g, ":=");
      expression(g, 0);
      break;
    case 2: kw(g, "call"); name(g); break;
    case 3: tok(g, pick(g, 2) ? "?" : "!"); name(g); break;
    case 4: case 5: {
      kw(g, "begin");
      ++g->depth;
      unsigned n = 1 + pick(g, 5);
      for (unsigned i = 0; i < n; ++i) {
        line(g);
        statement(g, depth + 1);
        if (i + 1 < n) tok(g, ";");
      }
      --g->depth;
      line(g);
      kw(g, "end");
      break;
    }
    case 6:
      kw(g, "if");
      condition(g);
      kw(g, "then");
      statement(g, depth + 1);
      break;
    default:
      kw(g, "while");
      condition(g);
      kw(g, "do");
      statement(g, depth + 1);
      break;
  }
}

static void block(Gen *g, int depth);

static void procedure(Gen *g, int depth) {
  line(g);
  kw(g, "procedure");
  name(g);
  tok(g, ";");
  ++g->depth;
  block(g, depth + 1);
  --g->depth;
  tok(g, ";");
}

static void block(Gen *g, int depth) {
  if (pick(g, 2)) {
    line(g);
    kw(g, "const");
    for (unsigned n = 1 + pick(g, 3); n > 0; --n) {
      name(g);
      tok(g, "=");
      number(g);
      if (n > 1) tok(g, ",");
    }
    tok(g, ";");
  }
  if (pick(g, 4)) {
    line(g);
    kw(g, "var");
    for (unsigned n = 1 + pick(g, 4); n > 0; --n) {
      name(g);
      if (n > 1) tok(g, ",");
    }
    tok(g, ";");
  }
  if (depth < 2 && pick(g, 5) == 0) procedure(g, depth);
  line(g);
  kw(g, "begin");
  ++g->depth;
  unsigned n = 2 + pick(g, 8);
  for (unsigned i = 0; i < n; ++i) {
    line(g);
    statement(g, 1);
    if (i + 1 < n) tok(g, ";");
  }
  --g->depth;
  line(g);
  kw(g, "end");
  ++g->statements; /* the body's begin ... end */
}

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    fprintf(stderr, "usage: generuj_pl0 BYTES [SEED]\n");
    return 2;
  }
  unsigned long long size = strtoull(argv[1], NULL, 10);
  Gen g = {.state = argc == 3 ? strtoull(argv[2], NULL, 10) * 2654435761ULL + 1 : 88172645463325252ULL};
  put(&g, "// program testowy PL/0");
  do procedure(&g, 0);
  while (g.total < size);
  line(&g);
  kw(&g, "begin");
  g.depth = 1;
  line(&g);
  statement(&g, 1);
  g.depth = 0;
  line(&g);
  kw(&g, "end");
  ++g.statements;
  put(&g, ".\n");
  if (fflush(stdout) != 0) {
    perror("generuj_pl0");
    return 1;
  }
  fprintf(stderr, "%llu\n", g.statements);
  return 0;
}
