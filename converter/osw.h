// The converter's run: the command line, then a.ini (or the file it names)
// becomes a.xml (or the file it names, or the input's name ending in .xml),
// in today's dialect or, after --swobodny, in the free one.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

namespace ostrew {

class Osw {
public:
  explicit Osw(std::ostream& konsola) : konsola_(konsola) {}

  // Reads the arguments, converts, reports on the console and returns the
  // exit status.
  int uruchom(const std::vector<std::string>& argumenty = {});

private:
  int konwertuj(const std::string& plik_we, const std::string& plik_wy);
  // The free dialect: the output is written whole or not at all.
  int konwertuj_swobodnie(const std::string& plik_we, const std::string& plik_wy);
  // The reason and the usage (of the dialect chosen); status 2.
  int odrzuc(std::string_view powod);
  void pomoc();

  bool swobodny_ = false;

  std::ostream& konsola_;
};

// The output's name for an input: its extension replaced by .xml, or .xml
// appended when the last part of the path has none.
std::string nazwa_wy(const std::string& plik_we);

}  // namespace ostrew
