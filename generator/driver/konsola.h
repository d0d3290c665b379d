// Standard output of the generator. It remembers whether the last text ended
// its line, so that a failure line never continues a half-written message.
#pragma once

#include <ostream>
#include <string>
#include <string_view>

namespace bryzas {

class Konsola {
public:
  explicit Konsola(std::ostream& os) : os_(os) {}

  void tekst(std::string_view t) {
    os_ << t;
    if (!t.empty()) srodek_linii_ = t.back() != '\n';
  }
  void linia(std::string_view t = {}) {
    os_ << t << '\n';
    srodek_linii_ = false;
  }
  // Ends a line begun without its line end, if there is one.
  void domknij_linie() {
    if (srodek_linii_) linia();
  }

private:
  std::ostream& os_;
  bool srodek_linii_ = false;
};

// The integer image of a number: its decimal digits after one blank for the
// sign (a minus sign for a negative value), as every number on the console,
// in the listing and in file headers is written.
inline std::string obraz(long long n) {
  return (n < 0 ? "" : " ") + std::to_string(n);
}

}  // namespace bryzas
