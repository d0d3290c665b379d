#include "converter/swob_nazwy.h"

#include <algorithm>
#include <cstring>

namespace ostrew {

namespace {

// A hash of the name, eight bytes at a time, mixed at the end so that its
// low bits (the slot) and its top bits (the mark) both depend on every byte.
std::uint64_t skrot(std::string_view s) {
  constexpr std::uint64_t k = 0x9E3779B97F4A7C15u;
  std::uint64_t h = s.size() * k;
  std::size_t i = 0;
  for (; i + 8 <= s.size(); i += 8) {
    std::uint64_t w;
    std::memcpy(&w, s.data() + i, 8);
    h = (h ^ w) * k;
    h ^= h >> 29;
  }
  std::uint64_t w = 0;
  for (std::size_t j = 0; i + j < s.size(); ++j) w |= std::uint64_t{static_cast<unsigned char>(s[i + j])} << (8 * j);
  h = (h ^ w) * k;
  h ^= h >> 32;
  h *= 0xD6E8FEB86659FD93u;
  return h ^ (h >> 32);
}

void dopisz_liczbe(std::string& t, std::uint64_t n) {
  for (; n >= 0x80; n >>= 7) t += static_cast<char>(0x80 | (n & 0x7F));
  t += static_cast<char>(n);
}

std::uint64_t czytaj_liczbe(const std::string& t, std::size_t& i) {
  std::uint64_t n = 0;
  for (unsigned przesuniecie = 0;; przesuniecie += 7) {
    const auto c = static_cast<unsigned char>(t[i++]);
    n |= std::uint64_t{c & 0x7Fu} << przesuniecie;
    if (c < 0x80) return n;
  }
}

}  // namespace

std::string_view Zbior_Nazw::rekord(std::size_t i, long long& linia, std::size_t& dalej) const {
  const std::size_t dl = czytaj_liczbe(teksty_, i);
  linia = static_cast<long long>(czytaj_liczbe(teksty_, i));
  dalej = i + dl;
  return {teksty_.data() + i, dl};
}

void Zbior_Nazw::wstaw(std::vector<std::uint64_t>& sloty, std::uint64_t h, std::size_t miejsce) const {
  const std::size_t maska = sloty.size() - 1;
  std::size_t i = h & maska;
  while (sloty[i] != 0) i = (i + 1) & maska;
  sloty[i] = (h & ~maska_miejsca) | (miejsce + 1);
}

long long Zbior_Nazw::dodaj(std::string_view n, long long l) {
  const std::uint64_t h = skrot(n);
  const std::size_t maska = sloty_.size() - 1;
  for (std::size_t i = h & maska; sloty_[i] != 0; i = (i + 1) & maska) {
    if ((sloty_[i] & ~maska_miejsca) != (h & ~maska_miejsca)) continue;
    long long linia;
    std::size_t dalej;
    if (rekord((sloty_[i] & maska_miejsca) - 1, linia, dalej) == n) return linia;
  }
  wstaw(sloty_, h, teksty_.size());
  dopisz_liczbe(teksty_, n.size());
  dopisz_liczbe(teksty_, static_cast<std::uint64_t>(l));
  teksty_.append(n);
  // At most half the slots are taken, so that a search ends soon.
  if (2 * ++ile_ > sloty_.size()) powieksz();
  return 0;
}

// The records are read in their order, which costs far less than
// following the slots all over them.
void Zbior_Nazw::powieksz() {
  std::vector<std::uint64_t> nowe(2 * sloty_.size());
  for (std::size_t i = 0, dalej; i < teksty_.size(); i = dalej) {
    long long linia;
    wstaw(nowe, skrot(rekord(i, linia, dalej)), i);
  }
  sloty_ = std::move(nowe);
}

void Zbior_Nazw::wyczysc() {
  teksty_.clear();
  // A large table left by a long section goes; a small one is emptied.
  if (sloty_.size() > 4 * najmniej_slotow) {
    sloty_ = std::vector<std::uint64_t>(najmniej_slotow);
  } else {
    std::fill(sloty_.begin(), sloty_.end(), 0);
  }
  ile_ = 0;
}

}  // namespace ostrew
