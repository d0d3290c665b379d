// A table of names numbered by first appearance (index + 1), holding at most
// its capacity; a further new name is not stored. The scanner keeps the
// terminals and the nonterminals in two, the grammar parser the left sides
// of the productions, the analyser its lists of names.
#pragma once

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace bryzas {

class Tablica_Symboli {
public:
  static constexpr std::size_t max_licz_tok = 200;
  static constexpr std::size_t bez_granic = std::numeric_limits<std::size_t>::max();

  explicit Tablica_Symboli(std::size_t pojemnosc = max_licz_tok) : pojemnosc_(pojemnosc) {}

  // The name's index (its number less one), or -1 when the table does not
  // hold it.
  int znajdz(std::string_view nazwa) const {
    auto it = numery_.find(nazwa);
    return it == numery_.end() ? -1 : it->second - 1;
  }
  // Stores a name that the table does not hold yet, while it has room; true
  // when the name was stored now.
  bool wstaw_token(std::string_view nazwa);

  // The names in table order; readers walk this.
  const std::vector<std::string>& nazwy() const { return nazwy_; }
  int licz() const { return static_cast<int>(nazwy_.size()); }

private:
  // Looked up by a view of the token's text, without a copy.
  struct Skrot {
    using is_transparent = void;
    std::size_t operator()(std::string_view s) const { return std::hash<std::string_view>{}(s); }
  };

  std::size_t pojemnosc_;
  std::vector<std::string> nazwy_;
  std::unordered_map<std::string, int, Skrot, std::equal_to<>> numery_;
};

// The names of a grammar as its scanner meets them: terminals and
// nonterminals, each numbered by first appearance.
struct Tablice_Symboli {
  Tablica_Symboli tablsymterm;
  Tablica_Symboli tablsymnterm;
};

}  // namespace bryzas
