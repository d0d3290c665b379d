// The names the free dialect must not meet twice: the sections of the file,
// the keys of one section. They lie one after another in one text, each with
// the line where it stood, so that a name costs little more than its bytes.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ostrew {

class Zbior_Nazw {
public:
  // Adds the name, met at line `linia`. Returns the line where an equal name
  // was met before (letter case counts), or 0 when it is new.
  long long dodaj(std::string_view nazwa, long long linia);
  void wyczysc();

private:
  // A slot holds the top 16 bits of the name's hash and, below them, the
  // place of its record in teksty_ plus 1; 0 is an empty slot.
  static constexpr unsigned bity_miejsca = 48;
  static constexpr std::uint64_t maska_miejsca = (std::uint64_t{1} << bity_miejsca) - 1;
  static constexpr std::size_t najmniej_slotow = 16;

  // The record at byte i of teksty_: its name, and where the next begins.
  std::string_view rekord(std::size_t i, long long& linia, std::size_t& dalej) const;
  void wstaw(std::vector<std::uint64_t>& sloty, std::uint64_t skrot, std::size_t miejsce) const;
  void powieksz();

  // Records, one after another: the name's length and the line, each in
  // seven-bit groups, the low first, then the name's bytes.
  std::string teksty_;
  std::vector<std::uint64_t> sloty_ = std::vector<std::uint64_t>(najmniej_slotow);
  std::size_t ile_ = 0;
};

}  // namespace ostrew
