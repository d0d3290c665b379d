// The token file beside the grammar, if there is one: its syntax, and how
// its definitions fit the grammar's terminals and one another.
#pragma once

#include <string>

#include "analyzer/analiza_model.h"
#include "analyzer/analiza_raport.h"

namespace bryzas_analiza {

// Messages about the grammar (a terminal without a definition) go to
// gramatyki, those located in the token file to tokenow.
void sprawdz_tokeny(const Gramatyka& g, const std::string& plik_tok, analiza_raport& gramatyki,
                    analiza_raport& tokenow);

}  // namespace bryzas_analiza
