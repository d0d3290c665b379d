/* generuj_json: writes a benchmark JSON document of about BYTES bytes to
 * stdout and the number of values in it to stderr.
 *
 *   generuj_json BYTES [SEED]
 *
 * The document is one array holding objects, one object a line, each line but
 * the last ended by ",". Objects mix every kind of value: strings (some with
 * escapes, \u sequences and UTF-8 letters), integers, fractions and numbers
 * with exponents, true, false, null, arrays and objects nested three levels
 * deep, empty ones among them. Every value counts once, the outer array and
 * each object or array within it too, so that a recogniser counting the
 * values it sees can be checked. The text is UTF-8 and strict JSON (Python's
 * json reads it); the output stops at the end of the first object line that
 * reaches BYTES, and the same SEED always gives the same document.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "losowanie.h"

typedef struct {
  unsigned long long state;
  char *buf;
  size_t len, cap;
  unsigned long long total;  /* bytes produced so far */
  unsigned long long values; /* values written so far */
} Gen;

static unsigned pick(Gen *g, unsigned n) { return wybierz(&g->state, n); }

static void put(Gen *g, const char *s, size_t n) {
  if (g->len + n > g->cap) {
    if (fwrite(g->buf, 1, g->len, stdout) != g->len) { perror("generuj_json"); exit(1); }
    g->len = 0;
  }
  memcpy(g->buf + g->len, s, n);
  g->len += n;
  g->total += n;
}

static void puts_(Gen *g, const char *s) { put(g, s, strlen(s)); }

static const char *const syllables[] = {
    "ka", "ro", "mi", "sto", "le", "wa", "nu", "pel", "dor", "zen", "bi", "ta",
    "gra", "los", "mek", "fu", "tor", "sal", "ven", "o"};
/* What a string may hold besides syllables: escapes and UTF-8 letters. */
static const char *const extras[] = {
    "\\\"", "\\\\", "\\/", "\\n", "\\t", "\\r", "\\b", "\\f", "\\u00e9", "\\u017C",
    "\xC3\xA9", "\xC5\x82", " ", "-", "#", "{[:,]}"};

static void string(Gen *g, int max_pieces) {
  put(g, "\"", 1);
  int n = 1 + (int)pick(g, (unsigned)max_pieces);
  for (int i = 0; i < n; ++i) {
    if (pick(g, 6) == 0) puts_(g, extras[pick(g, sizeof extras / sizeof *extras)]);
    else puts_(g, syllables[pick(g, sizeof syllables / sizeof *syllables)]);
  }
  put(g, "\"", 1);
}

static void number(Gen *g) {
  char d[48];
  int k;
  const char *minus = pick(g, 4) == 0 ? "-" : "";
  switch (pick(g, 5)) {
  case 0: k = snprintf(d, sizeof d, "%s%u", minus, pick(g, 10)); break;
  case 1: k = snprintf(d, sizeof d, "%s%u", minus, pick(g, 2000000000U)); break;
  case 2: k = snprintf(d, sizeof d, "%s%u.%02u", minus, pick(g, 100000), pick(g, 100)); break;
  case 3:
    k = snprintf(d, sizeof d, "%s%u.%ue%s%u", minus, pick(g, 10), pick(g, 1000),
                 (const char *[]){"", "+", "-"}[pick(g, 3)], pick(g, 300));
    break;
  default: k = snprintf(d, sizeof d, "%s%uE%u", minus, pick(g, 10), pick(g, 20)); break;
  }
  put(g, d, (size_t)k);
}

static void value(Gen *g, int depth);

static void members(Gen *g, int depth, int max) {
  int n = (int)pick(g, (unsigned)max + 1);
  for (int i = 0; i < n; ++i) {
    if (i) put(g, ", ", 2);
    string(g, 2);
    put(g, ": ", 2);
    value(g, depth + 1);
  }
}

static void elements(Gen *g, int depth, int max) {
  int n = (int)pick(g, (unsigned)max + 1);
  for (int i = 0; i < n; ++i) {
    if (i) puts_(g, pick(g, 2) ? ", " : ",");
    value(g, depth + 1);
  }
}

static void value(Gen *g, int depth) {
  ++g->values;
  unsigned kind = pick(g, depth < 3 ? 10 : 7);
  switch (kind) {
  case 0: case 1: string(g, 4); break;
  case 2: case 3: number(g); break;
  case 4: puts_(g, "true"); break;
  case 5: puts_(g, "false"); break;
  case 6: puts_(g, "null"); break;
  case 7: case 8: put(g, "[", 1); elements(g, depth, 5); put(g, "]", 1); break;
  default: put(g, "{", 1); members(g, depth, 3); put(g, "}", 1); break;
  }
}

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    fprintf(stderr, "usage: generuj_json BYTES [SEED]\n");
    return 2;
  }
  unsigned long long bytes = strtoull(argv[1], NULL, 10);
  Gen g = {0};
  g.state = argc > 2 ? strtoull(argv[2], NULL, 10) * 2 + 1 : 88172645463325252ULL;
  g.cap = 1 << 16;
  g.buf = malloc(g.cap);
  if (!g.buf) return 1;
  put(&g, "[\n", 2);
  g.values = 1; /* the outer array */
  for (int first = 1; first || g.total < bytes; first = 0) {
    if (!first) put(&g, ",\n", 2);
    ++g.values;
    put(&g, "{", 1);
    members(&g, 0, 8);
    put(&g, "}", 1);
  }
  put(&g, "\n]\n", 3);
  if (fwrite(g.buf, 1, g.len, stdout) != g.len || fflush(stdout) != 0) {
    perror("generuj_json");
    return 1;
  }
  fprintf(stderr, "%llu\n", g.values);
  return 0;
}
