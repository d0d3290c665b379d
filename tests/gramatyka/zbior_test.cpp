// Sets of terminals against std::set on random operations over terminals
// that span many blocks: unions that share blocks, copies changed after
// the copy, intersections and differences, the end of input beside them.
#include <gtest/gtest.h>

#include <algorithm>
#include <iterator>
#include <random>
#include <set>
#include <vector>

#include "gramatyka/analiza_zbiory.h"

namespace {

using bryzas_analiza::Zbior;

struct Wzor {
  std::set<int> t;
  bool koniec = false;
};

void porownaj(const Zbior& z, const Wzor& w) {
  ASSERT_EQ(z.terminale(), std::vector<int>(w.t.begin(), w.t.end()));
  ASSERT_EQ(z.ma_koniec(), w.koniec);
  ASSERT_EQ(z.pusty(), w.t.empty() && !w.koniec);
}

TEST(Zbior, ZgadzaSieZeZbioremNaLosowychDzialaniach) {
  std::mt19937 los(7);
  // Terminals near one another and far apart, across blocks of 4096.
  auto terminal = [&] {
    const int baza = std::uniform_int_distribution<int>(0, 5)(los) * 4000;
    return baza + std::uniform_int_distribution<int>(0, los() % 2 ? 63 : 5000)(los);
  };
  std::vector<Zbior> z(6);
  std::vector<Wzor> w(6);
  for (int krok = 0; krok < 5000; ++krok) {
    const std::size_t a = los() % z.size(), b = los() % z.size();
    switch (los() % 7) {
      case 0:
      case 1: {
        const int t = terminal();
        ASSERT_EQ(z[a].dodaj(t), w[a].t.insert(t).second);
        break;
      }
      case 2: {
        const std::size_t przed = w[a].t.size();
        const bool koniec = w[a].koniec;
        w[a].t.insert(w[b].t.begin(), w[b].t.end());
        w[a].koniec = koniec || w[b].koniec;
        ASSERT_EQ(z[a].dodaj(z[b]), w[a].t.size() > przed || w[a].koniec != koniec);
        break;
      }
      case 3:  // a copy that one of the two then changes, or a fresh set
        z[a] = a == b ? Zbior{} : z[b];
        w[a] = a == b ? Wzor{} : w[b];
        break;
      case 4: {
        Wzor p;
        std::set_intersection(w[a].t.begin(), w[a].t.end(), w[b].t.begin(), w[b].t.end(),
                              std::inserter(p.t, p.t.begin()));
        p.koniec = w[a].koniec && w[b].koniec;
        porownaj(z[a].przeciecie(z[b]), p);
        ASSERT_EQ(z[a].przecina(z[b]), !p.t.empty() || p.koniec);
        break;
      }
      case 5: {
        Wzor r;
        std::set_difference(w[a].t.begin(), w[a].t.end(), w[b].t.begin(), w[b].t.end(),
                            std::inserter(r.t, r.t.begin()));
        r.koniec = w[a].koniec && !w[b].koniec;
        z[a] = z[a].bez(z[b]);
        w[a] = r;
        break;
      }
      case 6:
        if (los() % 8 == 0) {
          ASSERT_EQ(z[a].dodaj_koniec(), !w[a].koniec);
          w[a].koniec = true;
        } else {
          const int t = terminal();
          ASSERT_EQ(z[a].zawiera(t), w[a].t.contains(t));
        }
        break;
    }
    for (std::size_t i = 0; i < z.size(); ++i) porownaj(z[i], w[i]);
  }
}

}  // namespace
