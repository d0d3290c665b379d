// The exit statuses of all three programs.
#pragma once

namespace wspolne {

constexpr int status_sukces = 0;
constexpr int status_blad_wejscia = 1;       // the input is at fault
constexpr int status_bledne_wywolanie = 2;   // the command line is rejected
constexpr int status_awaria = 3;             // a file could not be read or written

}  // namespace wspolne
