// The main of the Coco/R recogniser: parses the JSON file named by its
// argument and prints the number of values in it; status 1 after any error.
// Coco/R's errors are written with wprintf, so the count is too: a stream
// that has turned wide takes no narrow writes.
#include <cwchar>
#include "Parser.h"
#include "Scanner.h"

int main(int argc, char **argv) {
  if (argc != 2) {
    fwprintf(stderr, L"uzycie: %s PLIK.json\n", argv[0]);
    return 2;
  }
  wchar_t *nazwa = coco_string_create(argv[1]);
  Scanner skaner(nazwa);
  Parser parser(&skaner);
  parser.Parse();
  coco_string_delete(nazwa);
  if (parser.errors->count > 0) return 1;
  wprintf(L"%lld\n", parser.wartosci);
  return fflush(stdout) != 0;
}
