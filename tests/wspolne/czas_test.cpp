// SOURCE_DATE_EPOCH fixes the instant of generated headers only when it is
// a whole number of seconds that a four-digit year can show; anything else
// leaves the clock, as if it were unset.
#include <gtest/gtest.h>

#include "wspolne/czas.h"

namespace {

TEST(EpokaZrodel, TylkoCyfryWZakresie) {
  EXPECT_EQ(wspolne::czytaj_epoke_zrodel("0"), 0);
  EXPECT_EQ(wspolne::czytaj_epoke_zrodel("951782399"), 951782399);
  EXPECT_EQ(wspolne::czytaj_epoke_zrodel("253402300799"), 253402300799LL);
  for (const char* zle : {"", "12x", "-5", "+5", " 5", "5 ", "1e9", "253402300800", "99999999999999999999"})
    EXPECT_FALSE(wspolne::czytaj_epoke_zrodel(zle).has_value()) << zle;
  EXPECT_FALSE(wspolne::czytaj_epoke_zrodel(nullptr).has_value());
}

}  // namespace
