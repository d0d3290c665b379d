// The version that all three programs report.
#pragma once

#include <string_view>

namespace wspolne {

constexpr std::string_view wersja = "0.1.1";

}  // namespace wspolne
