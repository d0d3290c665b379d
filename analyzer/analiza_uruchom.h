// One run of the grammar analyser, from the command line to the exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bryzas_analiza {

// Runs bryzas_analiza with the given arguments (without the program name) in
// the current directory, writing everything to `wyjscie`.
int bryzas_analiza_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie);

}  // namespace bryzas_analiza
