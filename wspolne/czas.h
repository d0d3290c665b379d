// The instant a program tells in what it writes: the clock, or the one that
// SOURCE_DATE_EPOCH fixes, so that repeated runs give identical files.
#pragma once

#include <optional>
#include <string>

namespace wspolne {

// Reads SOURCE_DATE_EPOCH: a non-negative integer fixes the instant shown in
// generated headers (reproducible builds); anything else leaves the clock.
std::optional<long long> czytaj_epoke_zrodel(const char* wartosc);

// "d. m. r" with integer images and no zero padding, e.g. " 5. 12. 2026".
// Given an instant, that instant in UTC; otherwise the local clock now.
std::string data_str(const std::optional<long long>& epoka);
// "h: m: s" likewise, e.g. " 9: 5: 7"; whole seconds since midnight.
std::string czas_str(const std::optional<long long>& epoka);

}  // namespace wspolne
