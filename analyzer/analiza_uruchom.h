// One run of the grammar analyser, from the command line to the exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bryzas_analiza {

// Runs bryzas_analiza with the given arguments (without the program name) in
// the current directory, writing to `wyjscie`; with --first only the FIRST
// section goes there and the messages go to `bledy`. source_date_epoch is
// the variable's value or null: the instant a page written is dated with.
int bryzas_analiza_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie,
                           std::ostream& bledy, const char* source_date_epoch = nullptr);

}  // namespace bryzas_analiza
