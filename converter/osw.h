// The converter's run: a.ini in the current directory becomes a.xml there.
#pragma once

#include <iosfwd>

namespace ostrew {

// Exit statuses of a run.
constexpr int status_sukces = 0;
constexpr int status_blad_wejscia = 1;  // the input is at fault
constexpr int status_awaria = 3;        // a file could not be read or written

class osw {
public:
  explicit osw(std::ostream& konsola) : konsola_(konsola) {}

  // Converts, reports on the console and returns the exit status.
  int uruchom();

private:
  std::ostream& konsola_;
};

}  // namespace ostrew
