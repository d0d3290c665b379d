// A directory of the run's own in the current directory, where a set of
// files is made before any of them takes the place of the file of its name:
// what fails on the way leaves the files there as they were. Removed, with
// whatever it still holds, when dropped.
#pragma once

#include <string>
#include <vector>

#include "wspolne/blad_pliku.h"

namespace wspolne {

class Katalog_Roboczy {
public:
  // przedrostek begins its name; the rest makes it unique. Throws
  // Blad_Pliku when it cannot be made.
  explicit Katalog_Roboczy(const std::string& przedrostek);
  Katalog_Roboczy(const Katalog_Roboczy&) = delete;
  Katalog_Roboczy& operator=(const Katalog_Roboczy&) = delete;
  ~Katalog_Roboczy();

  const std::string& nazwa() const { return nazwa_; }
  // Moves the files of these names from here into the current directory,
  // each in the place of one of its name; a failure names that file as one
  // that could not be created. A directory in the place of any of them
  // stops it before the first is moved.
  void przenies(const std::vector<std::string>& pliki) const;

private:
  std::string nazwa_;
};

}  // namespace wspolne
