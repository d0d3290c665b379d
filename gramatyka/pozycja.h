// A place in a file: line and column of a character, both from 1.
#pragma once

namespace bryzas {

struct Pozycja {
  int linia = 0;
  int kol = 0;

  friend bool operator==(const Pozycja&, const Pozycja&) = default;
  friend auto operator<=>(const Pozycja&, const Pozycja&) = default;
};

}  // namespace bryzas
