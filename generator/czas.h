// Date and time of day for the headers of generated files.
#pragma once

#include <optional>
#include <string>

#include "generator/pisarz.h"

namespace bryzas {

// Reads SOURCE_DATE_EPOCH: a non-negative integer fixes the instant shown in
// generated headers (reproducible builds); anything else leaves the clock.
std::optional<long long> czytaj_epoke_zrodel(const char* wartosc);

// "d. m. r" with integer images and no zero padding, e.g. " 5. 12. 2026".
// Given an instant, that instant in UTC; otherwise the local clock now.
std::string data_str(const std::optional<long long>& epoka);
// "h: m: s" likewise, e.g. " 9: 5: 7"; whole seconds since midnight.
std::string czas_str(const std::optional<long long>& epoka);

// The line of every generated header that tells when the file was written:
// "-- dnia <data_str>, godz. <czas_str>", the clock read anew for each file.
void linia_daty(Pisarz& w, const std::optional<long long>& epoka);

// The three-line header block of the packages written from the user's data:
// "-- wygenerowano wg danych uzytkownia", the date line and an empty line.
void naglowek_danych(Pisarz& w, const std::optional<long long>& epoka);

}  // namespace bryzas
