// Sets of the converter's token kinds, for the FIRST sets of its parser.
#pragma once

#include <cstdint>

#include "converter/osw_skan.h"

namespace ostrew {

// One membership bit per token kind; a plain value that starts empty.
class Zbior_Tok {
public:
  friend constexpr Zbior_Tok operator+(Zbior_Tok l, Token_Kod p) {
    l.bity_ = static_cast<std::uint16_t>(l.bity_ | bit(p));
    return l;
  }
  friend constexpr Zbior_Tok operator+(Zbior_Tok l, Zbior_Tok p) {
    l.bity_ = static_cast<std::uint16_t>(l.bity_ | p.bity_);
    return l;
  }
  friend constexpr bool Zawiera_Sie(Token_Kod l, Zbior_Tok p) { return (p.bity_ & bit(l)) != 0; }
  friend constexpr void Zeruj(Zbior_Tok& z) { z.bity_ = 0; }
  friend constexpr bool operator==(Zbior_Tok, Zbior_Tok) = default;

private:
  static constexpr std::uint16_t bit(Token_Kod k) {
    return static_cast<std::uint16_t>(1u << static_cast<unsigned>(k));
  }
  static_assert(liczba_kodow <= 16, "one bit per token kind");

  std::uint16_t bity_ = 0;
};

}  // namespace ostrew
