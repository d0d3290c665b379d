// The lines at the top of every generated file that tell when it was written.
#pragma once

#include <optional>

#include "generator/wspolne/pisarz.h"

namespace bryzas {

// "-- dnia <data>, godz. <czas>", the clock read anew for each file.
void linia_daty(Pisarz& w, const std::optional<long long>& epoka);

// The three-line header block of the packages written from the user's data:
// "-- wygenerowano wg danych uzytkownia", the date line and an empty line.
void naglowek_danych(Pisarz& w, const std::optional<long long>& epoka);

}  // namespace bryzas
