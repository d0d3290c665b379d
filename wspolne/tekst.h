// Small texts that all three programs write the same way.
#pragma once

#include <algorithm>
#include <charconv>
#include <string>
#include <string_view>

namespace wspolne {

// The text without the blanks at both of its ends.
inline std::string_view usun_spacje(std::string_view s) {
  const auto p = s.find_first_not_of(' ');
  if (p == std::string_view::npos) return {};
  return s.substr(p, s.find_last_not_of(' ') - p + 1);
}

// Equal but for the case of ASCII letters (section keywords, reserved words).
// The text with A-Z made a-z: equal for two texts that rowne_bez_wielkosci
// takes for equal, so that such texts can be looked up as one key.
inline std::string male_litery(std::string s) {
  for (char& c : s) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return s;
}

inline bool rowne_bez_wielkosci(std::string_view a, std::string_view b) {
  auto male = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [&](char x, char y) { return male(x) == male(y); });
}

// Letters of Latin-1: A-Z, a-z and the accented letters 192..255 except the
// multiplication (215) and division (247) signs.
constexpr bool litera(char c) {
  const auto u = static_cast<unsigned char>(c);
  if ((u >= 'A' && u <= 'Z') || (u >= 'a' && u <= 'z')) return true;
  return u >= 192 && u != 215 && u != 247;
}

constexpr bool cyfra(char c) { return c >= '0' && c <= '9'; }

// Whether the text holds the name as a word of its own, in any letter case
// (as Ada reads names): neither a letter, a digit nor "_" on either side.
inline bool zawiera_nazwe(std::string_view tekst, std::string_view nazwa) {
  auto znak_nazwy = [](char c) { return litera(c) || cyfra(c) || c == '_'; };
  for (std::size_t i = 0; i + nazwa.size() <= tekst.size(); ++i)
    if ((i == 0 || !znak_nazwy(tekst[i - 1])) &&
        (i + nazwa.size() == tekst.size() || !znak_nazwy(tekst[i + nazwa.size()])) &&
        rowne_bez_wielkosci(tekst.substr(i, nazwa.size()), nazwa))
      return true;
  return false;
}

// The integer image of a number: its decimal digits after one blank for the
// sign (a minus sign for a negative value), as every number on the console,
// in a listing and in file headers is written.
inline std::string obraz(long long n) {
  char cyfry[24];
  char* p = cyfry;
  if (n >= 0) *p++ = ' ';
  p = std::to_chars(p, cyfry + sizeof cyfry, n).ptr;
  return std::string(cyfry, p);
}

}  // namespace wspolne
