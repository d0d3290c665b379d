// Text as Ada writes it in generated code.
#pragma once

#include <string>
#include <string_view>

namespace bryzas {

// An Ada expression of type String for any text: the graphic characters of
// Latin-1 inside quotes (a quote doubled), control characters by their
// codes; "" for none.
std::string napis_ady(std::string_view tekst);

}  // namespace bryzas
