// The listing of a file the run read (P.lst of the extended notation,
// P_tok.lst): its lines numbered, each followed by the notes about it, a
// marker under the column and the note's lines.
#pragma once

#include <climits>
#include <string>
#include <vector>

namespace bryzas {

class Pisarz;

struct Uwaga_Listy {
  int linia;
  int kol;
  std::vector<std::string> tekst;
};

// uwagi in the order of their lines; those past the last line follow it.
// The listing stops after line do_linii, with its notes.
void pisz_liste(Pisarz& w, const std::vector<std::string>& linie, const std::vector<Uwaga_Listy>& uwagi,
                int do_linii = INT_MAX);

}  // namespace bryzas
