// Text as Ada writes it in generated code.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bryzas {

// An Ada expression of type String for any text: the graphic characters of
// Latin-1 inside quotes (a quote doubled), control characters by their
// codes; "" for none.
std::string napis_ady(std::string_view tekst);

class Pisarz;

// Texts numbered from 1 as one table, for more of them than GNAT compiles
// in reasonable time as the branches of a case: the declarations of Teksty,
// all of them one after another, and Od, where each begins (text I is
// Teksty (Od (I) .. Od (I + 1) - 1)).
void tablica_tekstow(Pisarz& w, const std::vector<std::string>& teksty);

// More texts or tokens than this are written as tables, not as cases.
inline constexpr std::size_t max_galezi = 1000;

}  // namespace bryzas
