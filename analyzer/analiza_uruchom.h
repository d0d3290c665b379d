// One run of the grammar analyser, from the command line to the exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bryzas_analiza {

// Exit statuses.
constexpr int status_czysto = 0;          // no error reported (warnings allowed)
constexpr int status_bledy = 1;           // at least one error reported
constexpr int status_bledne_wywolanie = 2;
constexpr int status_awaria = 3;          // the grammar or the output could not be handled

// Runs bryzas_analiza with the given arguments (without the program name) in
// the current directory, writing everything to `wyjscie`.
int bryzas_analiza_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie);

}  // namespace bryzas_analiza
