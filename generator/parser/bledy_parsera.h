// Syntax errors of the grammar notation.
#pragma once

#include <string_view>

namespace bryzas {

// A syntax error; its number (10 to 36) selects the message.
struct Blad_Parsera {
  int nr;
};

constexpr int pierwszy_blad_parsera = 10;
constexpr int ostatni_blad_parsera = 36;

// The message of syntax error nr, without padding.
std::string_view komunikat_parsera(int nr);

}  // namespace bryzas
