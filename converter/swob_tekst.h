// The characters of the free dialect's lines, which are UTF-8: white space
// as Python tells it, the check of the encoding, columns, and the text
// written into XML.
#pragma once

#include <cstddef>
#include <string_view>

#include "wspolne/plik_wy.h"

namespace ostrew {

// The length of the white space character that begins at byte i of s, 0 when
// none does. White space is what Python's str.strip() removes: tab, line
// feed, vertical tab, form feed, CR, the separators 0x1C to 0x1F, blank,
// U+0085, U+00A0, U+1680, U+2000 to U+200A, U+2028, U+2029, U+202F, U+205F
// and U+3000. s is valid UTF-8.
std::size_t bialy_od(std::string_view s, std::size_t i);
// The same for the character that ends just before byte j.
std::size_t bialy_do(std::string_view s, std::size_t j);

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
