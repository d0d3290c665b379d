#include "converter/swob_tekst.h"

#include <array>
#include <bit>
#include <cstdint>

namespace ostrew {

namespace {

unsigned char bajt(std::string_view s, std::size_t i) { return static_cast<unsigned char>(s[i]); }

// The white space above U+007F, by its UTF-8 encoding.
constexpr std::string_view biale_wysokie[] = {
    "\xC2\x85",     "\xC2\xA0",     "\xE1\x9A\x80", "\xE2\x80\x80", "\xE2\x80\x81", "\xE2\x80\x82",
    "\xE2\x80\x83", "\xE2\x80\x84", "\xE2\x80\x85", "\xE2\x80\x86", "\xE2\x80\x87", "\xE2\x80\x88",
    "\xE2\x80\x89", "\xE2\x80\x8A", "\xE2\x80\xA8", "\xE2\x80\xA9", "\xE2\x80\xAF", "\xE2\x81\x9F",
    "\xE3\x80\x80",
};

// What pisz_xml does with each byte: copies it (0), writes an entity for it
// (1), looks at a tab (2), stops at another control character (3), or looks
// at the bytes after 0xEF, which may encode U+FFFE or U+FFFF (4).
constexpr std::array<std::uint8_t, 256> rodzaje = [] {
  std::array<std::uint8_t, 256> r{};
  for (int c = 0; c < 0x20; ++c) r[c] = 3;
  r['\t'] = 2;
  r['&'] = r['<'] = r['>'] = r['"'] = 1;
  r[0xEF] = 4;
  return r;
}();

constexpr std::uint64_t bajty(unsigned b) { return 0x0101010101010101u * b; }
constexpr std::uint64_t gorne = bajty(0x80);

// Bit 7 of each zero byte of w; a byte above a zero byte may be marked too,
// the lowest mark is always right.
constexpr std::uint64_t zera(std::uint64_t w) { return (w - bajty(1)) & ~w & gorne; }

// From byte i on, the first byte that pisz_xml does not simply copy, or the
// end of t: whole words of eight bytes are tested at once.
std::size_t zwykle(std::string_view t, std::size_t i) {
  const auto* p = reinterpret_cast<const unsigned char*>(t.data());
  for (; i + 8 <= t.size(); i += 8) {
    std::uint64_t w = 0;
    for (int k = 0; k < 8; ++k) w |= std::uint64_t{p[i + k]} << (8 * k);
    // Below 0x20: no bit of 0xE0 set, which (w & 0xE0..) turns into a zero byte.
    const std::uint64_t m = zera(w & bajty(0xE0)) | zera(w ^ bajty('&')) | zera(w ^ bajty('<')) |
                            zera(w ^ bajty('>')) | zera(w ^ bajty('"')) | zera(w ^ bajty(0xEF));
    if (m != 0) return i + static_cast<unsigned>(std::countr_zero(m)) / 8;
  }
  while (i < t.size() && rodzaje[bajt(t, i)] == 0) ++i;
  return i;
}

std::string_view encja(char c) {
  switch (c) {
    case '&': return "&amp;";
    case '<': return "&lt;";
    case '>': return "&gt;";
    default: return "&quot;";
  }
}

}  // namespace

std::size_t bialy_wysoki_od(std::string_view s, std::size_t i) {
  for (std::string_view b : biale_wysokie)
    if (s.substr(i, b.size()) == b) return b.size();
  return 0;
}

std::size_t bialy_wysoki_do(std::string_view s, std::size_t j) {
  for (std::string_view b : biale_wysokie)
    if (j >= b.size() && s.substr(j - b.size(), b.size()) == b) return b.size();
  return 0;
}

std::size_t zly_utf8(std::string_view s) {
  auto ciag = [&](std::size_t i) { return i < s.size() && (bajt(s, i) & 0xC0) == 0x80; };
  std::size_t i = 0;
  while (i < s.size()) {
    const unsigned char c = bajt(s, i);
    if (c < 0x80) {
      ++i;
      continue;
    }
    std::size_t n;  // continuation bytes
    unsigned char od = 0x80, do_ = 0xBF;  // the range of the first of them
    if (c >= 0xC2 && c <= 0xDF) {
      n = 1;
    } else if (c >= 0xE0 && c <= 0xEF) {
      n = 2;
      if (c == 0xE0) od = 0xA0;         // overlong
      if (c == 0xED) do_ = 0x9F;        // surrogates
    } else if (c >= 0xF0 && c <= 0xF4) {
      n = 3;
      if (c == 0xF0) od = 0x90;         // overlong
      if (c == 0xF4) do_ = 0x8F;        // above U+10FFFF
    } else {
      return i;
    }
    if (i + 1 >= s.size() || bajt(s, i + 1) < od || bajt(s, i + 1) > do_) return i;
    for (std::size_t k = 2; k <= n; ++k)
      if (!ciag(i + k)) return i;
    i += n + 1;
  }
  return std::string_view::npos;
}

long long kolumna(std::string_view linia, std::size_t i) {
  long long k = 1;
  for (std::size_t j = 0; j < i && j < linia.size(); ++j) k += (bajt(linia, j) & 0xC0) != 0x80;
  return k;
}

char32_t znak(std::string_view s, std::size_t i) {
  const unsigned char c = bajt(s, i);
  if (c < 0x80) return c;
  const std::size_t n = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : 1;
  char32_t z = c & (0x3F >> n);
  for (std::size_t k = 1; k <= n && i + k < s.size(); ++k) z = (z << 6) | (bajt(s, i + k) & 0x3F);
  return z;
}

std::size_t pisz_xml(wspolne::Plik_Wy& wy, std::string_view t, bool atrybut) {
  std::size_t od = 0;  // the start of the bytes not yet written
  for (std::size_t i = 0; i < t.size(); ++i) {
    i = zwykle(t, i);
    if (i == t.size()) break;
    const std::uint8_t r = rodzaje[bajt(t, i)];
    if (r == 0) continue;
    if (r == 4) {
      // U+FFFE and U+FFFF are EF BF BE and EF BF BF.
      if (t.substr(i + 1, 1) == "\xBF" && (t.substr(i + 2, 1) == "\xBE" || t.substr(i + 2, 1) == "\xBF")) {
        wy.pisz(t.substr(od, i - od));
        return i;
      }
      continue;
    }
    if (r == 2 && !atrybut) continue;
    wy.pisz(t.substr(od, i - od));
    if (r == 3) return i;
    wy.pisz(r == 2 ? std::string_view("&#9;") : encja(t[i]));
    od = i + 1;
  }
  wy.pisz(t.substr(od));
  return std::string_view::npos;
}

}  // namespace ostrew
