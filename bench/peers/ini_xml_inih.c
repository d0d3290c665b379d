/* ini_xml_inih: converts an INI file to XML with the inih library, writing
 * the same lines as ostrew (the fast peer a C programmer would write).
 *
 *   ini_xml_inih INPUT OUTPUT
 *
 * Input bytes are taken as ISO 8859-1 and every byte above 127 is written as
 * its two-byte UTF-8 form, as ostrew does. Values are split at commas, blanks
 * around them dropped, and one pair of enclosing double quotes removed.
 *
 * Where inih's model differs from ostrew (none of it arises on the bench's
 * generated inputs):
 * - inih reports name=value pairs, not sections: a section without keys
 *   writes nothing, and two adjacent sections of the same name merge into one;
 * - it checks no lexical rule: no error numbers, no limit on numbers or string
 *   lengths, any character is accepted in names and values;
 * - a comment needs white space before an inline ";", lines are limited to
 *   199 bytes and section names to 49;
 * - keys before the first section belong to a section with the empty name.
 * An inih parse error or a failed write ends with status 1 and a message.
 */
#include <ini.h>
#include <stdio.h>
#include <string.h>

typedef struct {
  FILE *out;
  char section[64];
  int in_section;
} State;

/* Writes S[0..n) with each Latin-1 byte above 127 as UTF-8. */
static void write_text(FILE *out, const char *s, size_t n) {
  char buf[512];
  size_t k = 0;
  for (size_t i = 0; i < n; ++i) {
    unsigned char c = (unsigned char)s[i];
    if (k + 2 > sizeof buf) {
      fwrite(buf, 1, k, out);
      k = 0;
    }
    if (c < 0x80) {
      buf[k++] = (char)c;
    } else {
      buf[k++] = (char)(0xC0 | (c >> 6));
      buf[k++] = (char)(0x80 | (c & 0x3F));
    }
  }
  fwrite(buf, 1, k, out);
}

static void write_value(FILE *out, const char *from, const char *to) {
  while (from < to && (*from == ' ' || *from == '\t')) ++from;
  while (to > from && (to[-1] == ' ' || to[-1] == '\t')) --to;
  if (to - from >= 2 && *from == '"' && to[-1] == '"') {
    ++from;
    --to;
  }
  fputs("<wartosc>", out);
  write_text(out, from, (size_t)(to - from));
  fputs("</wartosc>\n", out);
}

static int handler(void *user, const char *section, const char *name, const char *value) {
  State *st = user;
  if (!st->in_section || strcmp(section, st->section) != 0) {
    if (st->in_section) fputs("</sekcja>\n", st->out);
    snprintf(st->section, sizeof st->section, "%s", section);
    st->in_section = 1;
    fputs("<sekcja nazwa=\"", st->out);
    write_text(st->out, section, strlen(section));
    fputs("\" >\n", st->out);
  }
  fputs("<element nazwa=\"", st->out);
  write_text(st->out, name, strlen(name));
  fputs("\">\n", st->out);
  for (const char *p = value;;) {
    const char *comma = strchr(p, ',');
    const char *end = comma ? comma : p + strlen(p);
    write_value(st->out, p, end);
    if (!comma) break;
    p = comma + 1;
  }
  fputs("</element>\n", st->out);
  return !ferror(st->out);
}

int main(int argc, char **argv) {
  if (argc != 3) {
    fprintf(stderr, "usage: ini_xml_inih INPUT OUTPUT\n");
    return 2;
  }
  State st = {fopen(argv[2], "w"), "", 0};
  if (!st.out) {
    perror(argv[2]);
    return 1;
  }
  fputs("<?xml version=\"1.0\"?>\n<plik_ini>\n", st.out);
  int error = ini_parse(argv[1], handler, &st);
  if (error != 0) {
    if (error > 0) fprintf(stderr, "%s: error at line %d\n", argv[1], error);
    else fprintf(stderr, "%s: cannot be read\n", argv[1]);
    return 1;
  }
  if (st.in_section) fputs("</sekcja>\n", st.out);
  fputs("</plik_ini>\n", st.out);
  if (ferror(st.out) | fclose(st.out)) {
    perror(argv[2]);
    return 1;
  }
  return 0;
}
