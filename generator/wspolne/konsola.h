// Standard output of the generator. It remembers whether the last text ended
// its line, so that a failure line never continues a half-written message.
#pragma once

#include <ostream>
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

}  // namespace bryzas
