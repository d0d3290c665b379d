// One run of the generator, from the command line to the exit status.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace bryzas {

// Runs bryzas with the given arguments (without the program name) in the
// current directory. source_date_epoch is the variable's value or null.
int bryzas_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie,
                   const char* source_date_epoch);

}  // namespace bryzas
