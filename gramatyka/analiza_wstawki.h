// Code inserts written over several lines are joined with nothing between
// the lines: a "--" before the end of a line that is not the last turns the
// rest of the insert into a comment, and a word at the end of one line runs
// into a word at the start of the next. Each is a warning at the insert.
#pragma once

#include "gramatyka/analiza_model.h"
#include "gramatyka/analiza_raport.h"

namespace bryzas_analiza {

void sprawdz_wstawki(const Gramatyka& g, Analiza_Raport& raport);

}  // namespace bryzas_analiza
