// The layout of railroad diagrams where it can go wrong: rows that wrap,
// groups nested in groups within a width, labels measured by characters.
#include "analyzer/diagram_uklad.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>

namespace d = bryzas_analiza::diagram;

namespace {

d::Wezel pudelko(std::string tekst, int id = -1) { return {d::Rodzaj::terminal, std::move(tekst), {}, id}; }
d::Wezel ciag(std::vector<d::Wezel> el) { return {d::Rodzaj::ciag, {}, std::move(el), -1}; }

// Sequences and groups up to `glebokosc` deep; boxes and marks numbered in reading order.
d::Wezel losuj(std::mt19937& r, int glebokosc, int& nr) {
  auto los = [&](int od, int do_) { return std::uniform_int_distribution<>(od, do_)(r); };
  std::vector<d::Wezel> el;
  for (int n = los(1, glebokosc > 0 ? 4 : 6); n > 0; --n) {
    const int k = los(0, 9);
    if (glebokosc == 0 || k < 6) {
      el.push_back(k == 5 ? d::Wezel{d::Rodzaj::znacznik, {}, {}, nr++} : pudelko(std::string(los(1, 24), 'x'), nr++));
      continue;
    }
    d::Wezel g{k == 6 ? d::Rodzaj::opcja : k == 7 ? d::Rodzaj::powtorzenie : d::Rodzaj::alternatywa, {}, {}, -1};
    for (int b = los(1, 3); b > 0; --b) g.dzieci.push_back(losuj(r, glebokosc - 1, nr));
    el.push_back(std::move(g));
  }
  return ciag(std::move(el));
}

void zbierz(const d::Blok& b, std::vector<const d::Blok*>& pudelka, std::vector<d::Punkt>& konce) {
  if (b.rodzaj == d::Rodzaj::terminal || b.rodzaj == d::Rodzaj::znacznik) pudelka.push_back(&b);
  for (const d::Linia& l : b.linie) konce.insert(konce.end(), {l.front(), l.back()});
  for (const d::Blok& c : b.dzieci) zbierz(c, pudelka, konce);
}

// Boxes inside the picture and apart, each met at the middle of both sides
// by the end of a line (or of the line into or out of the whole). Returns
// the boxes in the order of their ids.
std::vector<const d::Blok*> sprawdz(const d::Blok& b) {
  std::vector<const d::Blok*> p;
  std::vector<d::Punkt> konce{{b.x, b.os_we}, {b.x + b.szer, b.os_wy}};
  zbierz(b, p, konce);
  auto dotyka = [&](double x, double y) {
    return std::any_of(konce.begin(), konce.end(), [&](d::Punkt k) { return k.x == x && k.y == y; });
  };
  for (std::size_t i = 0; i < p.size(); ++i) {
    const d::Blok& a = *p[i];
    EXPECT_TRUE(a.x >= b.x && a.y >= b.y && a.x + a.szer <= b.x + b.szer && a.y + a.wys <= b.y + b.wys) << a.id;
    EXPECT_TRUE(dotyka(a.x, a.os_we) && dotyka(a.x + a.szer, a.os_wy)) << "box " << a.id << " not joined";
    for (std::size_t j = 0; j < i; ++j) {
      const d::Blok& c = *p[j];
      EXPECT_FALSE(a.x < c.x + c.szer && c.x < a.x + a.szer && a.y < c.y + c.wys && c.y < a.y + a.wys)
          << "boxes " << a.id << " and " << c.id << " overlap";
    }
  }
  std::sort(p.begin(), p.end(), [](const d::Blok* x, const d::Blok* y) { return x->id < y->id; });
  return p;
}

TEST(DiagramUklad, LongSequenceWrapsIntoRowsReadInOrder) {
  std::vector<d::Wezel> el;
  for (int i = 0; i < 60; ++i) el.push_back(pudelko(std::string(1 + i % 9, 'a'), i));
  const d::Blok b = d::uloz(ciag(el), 400);
  EXPECT_LE(b.szer, 400);
  const std::vector<const d::Blok*> p = sprawdz(b);
  EXPECT_EQ(p.front()->x, 0);
  for (std::size_t i = 1; i < p.size(); ++i)
    EXPECT_TRUE(p[i]->y > p[i - 1]->y || (p[i]->y == p[i - 1]->y && p[i]->x > p[i - 1]->x)) << i;
  EXPECT_GT(p.back()->y, p.front()->y);
  // A sequence that just fits stays one row.
  const std::vector<d::Wezel> trzy{pudelko("abc"), pudelko("de"), pudelko("f")};
  const double razem = 6 * d::znak + 6 * d::margines_tekstu + 2 * d::odstep;
  EXPECT_EQ(d::uloz(ciag(trzy), razem).os_wy, d::uloz(ciag(trzy), razem).os_we);
  EXPECT_GT(d::uloz(ciag(trzy), razem - 1).os_wy, d::uloz(ciag(trzy), razem - 1).os_we);
}

TEST(DiagramUklad, NestedGroupsStayWithinTheWidth) {
  std::mt19937 r(7);
  for (int i = 0; i < 300; ++i) {
    int nr = 0;
    const d::Wezel w = losuj(r, 3, nr);
    // Seven levels of sequences and groups take 4 * luk each, 280 in all,
    // beside the widest box of 224.
    const double szerokosc = std::uniform_int_distribution<>(504, 1200)(r);
    const d::Blok b = d::uloz(w, szerokosc);
    EXPECT_LE(b.szer, szerokosc) << i;
    EXPECT_EQ(sprawdz(b).size(), static_cast<std::size_t>(nr)) << i;
  }
}

TEST(DiagramUklad, LabelsMeasuredInCharactersAndLongOnesShortened) {
  EXPECT_EQ(d::uloz(pudelko("\"Za\u017c\u00f3\u0142\u0107\""), 900).szer, 8 * d::znak + 2 * d::margines_tekstu);
  const d::Blok dlugi = d::uloz(pudelko(std::string(100, 'n')), 900);
  EXPECT_TRUE(dlugi.skrocony);
  EXPECT_EQ(d::znaki(dlugi.tekst), d::max_znakow);
  EXPECT_EQ(dlugi.tekst.substr(dlugi.tekst.size() - 3), "\u2026");
}

}  // namespace
