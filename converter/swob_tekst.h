// The characters of the free dialect's lines, which are UTF-8: white space
// as Python tells it, the check of the encoding, columns, and the text
// written into XML.
#pragma once

#include <cstddef>
#include <string_view>

#include "wspolne/plik_wy.h"

namespace ostrew {

// White space is what Python's str.strip() removes: tab, line feed,
// vertical tab, form feed, CR, the separators 0x1C to 0x1F, blank, U+0085,
// U+00A0, U+1680, U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F and
// U+3000. Those above U+007F, by their UTF-8 encoding in valid UTF-8 s:
// the length of the one that begins at byte i, or that ends just before
// byte j; 0 when there is none.
std::size_t bialy_wysoki_od(std::string_view s, std::size_t i);
std::size_t bialy_wysoki_do(std::string_view s, std::size_t j);

constexpr bool bialy_ascii(unsigned char c) {
  return c == ' ' || (c >= 0x09 && c <= 0x0D) || (c >= 0x1C && c <= 0x1F);
}

// The length of the white space character that begins at byte i of s, 0
// when none does.
inline std::size_t bialy_od(std::string_view s, std::size_t i) {
  if (i >= s.size()) return 0;
  const auto c = static_cast<unsigned char>(s[i]);
  if (c < 0x80) return bialy_ascii(c) ? 1 : 0;
  return bialy_wysoki_od(s, i);
}

// The same for the character that ends just before byte j.
inline std::size_t bialy_do(std::string_view s, std::size_t j) {
  if (j == 0) return 0;
  const auto c = static_cast<unsigned char>(s[j - 1]);
  if (c < 0x80) return bialy_ascii(c) ? 1 : 0;
  return bialy_wysoki_do(s, j);
}

// The first byte of s that does not begin a valid UTF-8 sequence (as
// Python's decoder takes it: no overlong form, no surrogate, nothing above
// U+10FFFF), or npos.
std::size_t zly_utf8(std::string_view s);

// The column of byte i of a line: the characters before it, plus 1.
long long kolumna(std::string_view linia, std::size_t i);

// The character (code point) that begins at byte i of s, valid UTF-8.
char32_t znak(std::string_view s, std::size_t i);

// Writes t, valid UTF-8, as XML text, or with atrybut as an attribute value
// (a tab then as a reference, which attribute values would turn into a
// blank): "&", "<", ">" and '"' as entities. A control character but tab,
// U+FFFE and U+FFFF cannot stand in XML 1.0: the writing stops before the
// first of them and returns its byte; npos when the whole text is written.
std::size_t pisz_xml(wspolne::Plik_Wy& wy, std::string_view t, bool atrybut);

}  // namespace ostrew
