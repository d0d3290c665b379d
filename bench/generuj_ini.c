/* generuj_ini: writes a benchmark a.ini of about BYTES bytes to stdout.
 *
 *   generuj_ini BYTES [SEED]
 *
 * The text is one that ostrew, an inih program and Python's configparser all
 * read the same way: sections with unique names (configparser rejects
 * repeats, inih cannot tell two adjacent ones apart), keys unique within
 * their section, values that are quoted strings, numbers (some with leading
 * zeros, none above 2147483647) and bare names, comma separated; comment
 * lines and inline comments that start with ";" after a blank (inih and
 * configparser only take inline comments after white space); some empty
 * lines; names with Latin-1 letters. Lines stay far below inih's 200-byte
 * line limit and section names below its 50-byte section limit. The output
 * stops at the end of the first section that reaches BYTES, and the same
 * SEED always gives the same file.
 */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "losowanie.h"

typedef struct {
  unsigned long long state;
  char *buf;
  size_t len, cap;
  unsigned long long total; /* bytes produced so far */
} Gen;

static unsigned pick(Gen *g, unsigned n) { return wybierz(&g->state, n); }

static void put(Gen *g, const char *s, size_t n) {
  if (g->len + n > g->cap) {
    if (fwrite(g->buf, 1, g->len, stdout) != g->len) { perror("generuj_ini"); exit(1); }
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
/* Latin-1 letters (codes 192-214, 216-246, 248-255), never 215 or 247. */
static const char latin1[] = "\xC0\xC9\xD6\xD8\xDF\xE9\xF3\xF8\xFF";

/* A name: a letter or "_" first, then letters, digits and "_". */
static void word(Gen *g, int max_syllables) {
  if (pick(g, 8) == 0) put(g, "_", 1);
  int n = 1 + (int)pick(g, (unsigned)max_syllables);
  for (int i = 0; i < n; ++i) {
    if (pick(g, 16) == 0) put(g, &latin1[pick(g, sizeof latin1 - 1)], 1);
    else puts_(g, syllables[pick(g, sizeof syllables / sizeof *syllables)]);
  }
  if (pick(g, 4) == 0) {
    char d[16];
    int k = snprintf(d, sizeof d, "%s%u", pick(g, 2) ? "_" : "", pick(g, 1000));
    put(g, d, (size_t)k);
  }
}

static void number(Gen *g) {
  char d[32];
  int k;
  switch (pick(g, 4)) {
  case 0: k = snprintf(d, sizeof d, "%u", pick(g, 100)); break;
  case 1: k = snprintf(d, sizeof d, "%05u", pick(g, 10000)); break; /* leading zeros */
  case 2: k = snprintf(d, sizeof d, "%u", pick(g, 2147483647U) + 1U); break;
  default: k = snprintf(d, sizeof d, "%u", pick(g, 65536)); break;
  }
  put(g, d, (size_t)k);
}

static void value(Gen *g) {
  switch (pick(g, 3)) {
  case 0: put(g, "\"", 1); word(g, 4); put(g, "\"", 1); break;
  case 1: number(g); break;
  default: word(g, 3); break;
  }
}

static void comment(Gen *g) {
  static const char *const texts[] = {
      "; ustawienia tej sekcji, wartosci = liczby, napisy i nazwy",
      ";; wylaczone: stary_klucz = 1, 2, 3",
      "; uwaga: kolejnosc ma znaczenie [nie zmieniac]",
      "; pr\xF3\x62\x61 \xE9\x63rit par quelqu'un -- \"cytat\" 100%"};
  puts_(g, texts[pick(g, sizeof texts / sizeof *texts)]);
  put(g, "\n", 1);
}

static void section(Gen *g, unsigned long number_of_section) {
  char d[32];
  if (pick(g, 3) == 0) comment(g);
  put(g, "[", 1);
  word(g, 3);
  int k = snprintf(d, sizeof d, "_%lu]", number_of_section);
  put(g, d, (size_t)k);
  if (pick(g, 10) == 0) puts_(g, " ; sekcja");
  put(g, "\n", 1);
  int keys = 3 + (int)pick(g, 10);
  for (int i = 0; i < keys; ++i) {
    if (pick(g, 12) == 0) comment(g);
    word(g, 2);
    k = snprintf(d, sizeof d, "_%d", i); /* unique within the section */
    put(g, d, (size_t)k);
    puts_(g, pick(g, 4) ? " = " : "=");
    int values = pick(g, 3) ? 1 + (int)pick(g, 2) : 3 + (int)pick(g, 3);
    for (int v = 0; v < values; ++v) {
      if (v > 0) puts_(g, pick(g, 3) ? ", " : ",");
      value(g);
    }
    if (pick(g, 10) == 0) puts_(g, " ; komentarz do wartosci");
    put(g, "\n", 1);
  }
  if (pick(g, 2) == 0) put(g, "\n", 1);
}

int main(int argc, char **argv) {
  if (argc < 2 || argc > 3) {
    fprintf(stderr, "usage: generuj_ini BYTES [SEED]\n");
    return 2;
  }
  unsigned long long target = strtoull(argv[1], NULL, 10);
  Gen g = {argc == 3 ? strtoull(argv[2], NULL, 10) : 20261205ULL, NULL, 0, 1 << 20, 0};
  if (g.state == 0) g.state = 1;
  g.buf = malloc(g.cap);
  if (!g.buf) return 1;
  for (unsigned long s = 1; g.total < target; ++s) section(&g, s);
  if (fwrite(g.buf, 1, g.len, stdout) != g.len || fflush(stdout) != 0) {
    perror("generuj_ini");
    return 1;
  }
  return 0;
}
