#include "converter/swob_nazwy.h"

#include <algorithm>
#include <cstring>
#include <functional>

namespace ostrew {

namespace {

constexpr std::size_t naglowek = 16;  // the line and the length

std::uint64_t skrot(std::string_view s) { return std::hash<std::string_view>{}(s); }

}  // namespace

std::string_view Zbior_Nazw::nazwa(std::uint64_t slot) const {
  const std::size_t miejsce = (slot & ((std::uint64_t{1} << bity_miejsca) - 1)) - 1;
  std::uint64_t dl;
  std::memcpy(&dl, teksty_.data() + miejsce + 8, 8);
  return {teksty_.data() + miejsce + naglowek, dl};
}

long long Zbior_Nazw::linia(std::uint64_t slot) const {
  const std::size_t miejsce = (slot & ((std::uint64_t{1} << bity_miejsca) - 1)) - 1;
  long long l;
  std::memcpy(&l, teksty_.data() + miejsce, 8);
  return l;
}

long long Zbior_Nazw::dodaj(std::string_view n, long long l) {
  const std::uint64_t h = skrot(n);
  const std::uint64_t znacznik = h >> bity_miejsca << bity_miejsca;
  const std::size_t maska = sloty_.size() - 1;
  std::size_t i = h & maska;
  for (; sloty_[i] != 0; i = (i + 1) & maska)
    if ((sloty_[i] & ~((std::uint64_t{1} << bity_miejsca) - 1)) == znacznik && nazwa(sloty_[i]) == n)
      return linia(sloty_[i]);
  const std::uint64_t dl = n.size();
  sloty_[i] = znacznik | (teksty_.size() + 1);
  teksty_.append(reinterpret_cast<const char*>(&l), 8);
  teksty_.append(reinterpret_cast<const char*>(&dl), 8);
  teksty_.append(n);
  // At most half the slots are taken, so that a search ends soon.
  if (2 * ++ile_ > sloty_.size()) powieksz();
  return 0;
}

void Zbior_Nazw::powieksz() {
  std::vector<std::uint64_t> nowe(2 * sloty_.size());
  const std::size_t maska = nowe.size() - 1;
  for (std::uint64_t s : sloty_) {
    if (s == 0) continue;
    std::size_t i = skrot(nazwa(s)) & maska;
    while (nowe[i] != 0) i = (i + 1) & maska;
    nowe[i] = s;
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
