/* pisz_pliki: writes FILE... into the current directory with the contents
 * of SOURCE_DIR/FILE, each created, written in one call and closed, as
 * bryzas does with its outputs. Timed beside bryzas it shows what creating
 * and writing those files costs on this file system, apart from the work of
 * generating them.
 *
 *   pisz_pliki SOURCE_DIR FILE...
 */
#include <errno.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

static int fail(const char *what, const char *name) {
  fprintf(stderr, "pisz_pliki: %s %s: %s\n", what, name, strerror(errno));
  return 1;
}

int main(int argc, char **argv) {
  if (argc < 3) {
    fprintf(stderr, "usage: pisz_pliki SOURCE_DIR FILE...\n");
    return 2;
  }
  for (int i = 2; i < argc; ++i) {
    char source[4096];
    snprintf(source, sizeof source, "%s/%s", argv[1], argv[i]);
    int in = open(source, O_RDONLY);
    struct stat st;
    if (in < 0 || fstat(in, &st) != 0) return fail("cannot read", source);
    char *text = malloc((size_t)st.st_size + 1);
    if (!text || read(in, text, (size_t)st.st_size) != st.st_size) return fail("cannot read", source);
    close(in);
    int out = open(argv[i], O_WRONLY | O_CREAT | O_TRUNC, 0666);
    if (out < 0 || write(out, text, (size_t)st.st_size) != st.st_size || close(out) != 0)
      return fail("cannot write", argv[i]);
    free(text);
  }
  return 0;
}
