// The converter's run: a.ini in the current directory becomes a.xml there.
#pragma once

#include <iosfwd>

namespace ostrew {

class osw {
public:
  explicit osw(std::ostream& konsola) : konsola_(konsola) {}

  // Converts, reports on the console and returns the exit status.
  int uruchom();

private:
  std::ostream& konsola_;
};

}  // namespace ostrew
