#include "analyzer/html_tekst.h"

namespace bryzas_analiza {

namespace {

// The length of the valid UTF-8 sequence at s[i], 0 when there is none:
// no overlong form, no surrogate, nothing above U+10FFFF.
std::size_t sekwencja(std::string_view s, std::size_t i) {
  const auto b = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
  const unsigned c = b(i);
  if (c < 0x80) return 1;
  const std::size_t n = c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : c >= 0xC2 ? 2 : 0;
  if (n == 0 || c > 0xF4 || i + n > s.size()) return 0;
  for (std::size_t k = 1; k < n; ++k)
    if ((b(i + k) & 0xC0) != 0x80) return 0;
  const unsigned d = b(i + 1);
  if ((c == 0xE0 && d < 0xA0) || (c == 0xED && d >= 0xA0) || (c == 0xF0 && d < 0x90) || (c == 0xF4 && d >= 0x90))
    return 0;
  return n;
}

bool jest_utf8(std::string_view s) {
  for (std::size_t i = 0, n; i < s.size(); i += n)
    if ((n = sekwencja(s, i)) == 0) return false;
  return true;
}

}  // namespace

std::string na_utf8(std::string_view bajty) {
  const bool utf8 = jest_utf8(bajty);
  std::string w;
  for (char c : bajty) {
    const auto u = static_cast<unsigned char>(c);
    if ((u < 0x20 && c != '\t' && c != '\n') || u == 0x7F) {
      w += '#';
      w += std::to_string(u);
    } else if (u < 0x80 || utf8) {
      w += c;
    } else {
      w += static_cast<char>(0xC0 | (u >> 6));
      w += static_cast<char>(0x80 | (u & 0x3F));
    }
  }
  return w;
}

std::string html(std::string_view tekst) {
  std::string w;
  w.reserve(tekst.size());
  for (char c : tekst) switch (c) {
      case '&': w += "&amp;"; break;
      case '<': w += "&lt;"; break;
      case '>': w += "&gt;"; break;
      case '"': w += "&quot;"; break;
      default: w += c;
    }
  return w;
}

}  // namespace bryzas_analiza
