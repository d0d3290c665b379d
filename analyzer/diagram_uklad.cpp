#include "analyzer/diagram_uklad.h"

#include <algorithm>

namespace bryzas_analiza::diagram {

namespace {

// A label of at most max_znakow characters: a longer one keeps its start
// and ends with an ellipsis.
std::string skroc(const std::string& tekst, bool& skrocony) {
  skrocony = znaki(tekst) > max_znakow;
  if (!skrocony) return tekst;
  std::size_t i = 0;
  for (std::size_t n = 0; i < tekst.size(); ++i)
    if ((static_cast<unsigned char>(tekst[i]) & 0xC0) != 0x80 && n++ == max_znakow - 1) break;
  return tekst.substr(0, i) + "\u2026";
}

Blok pusty(const Wezel& w) {
  Blok b;
  b.rodzaj = w.rodzaj;
  b.id = w.id;
  return b;
}

Blok pudelko(const Wezel& w) {
  Blok b = pusty(w);
  b.tekst = skroc(w.tekst, b.skrocony);
  b.szer = static_cast<double>(znaki(b.tekst)) * znak + 2 * margines_tekstu;
  b.wys = wys_pudelka;
  b.os_we = b.os_wy = wys_pudelka / 2;
  return b;
}

// A mark on the line; the start and the end of a diagram are a bar across
// it, with the line to the neighbour's side.
Blok maly(const Wezel& w) {
  Blok b = pusty(w);
  b.szer = w.rodzaj == Rodzaj::znacznik ? znacznik : znacznik / 2;
  b.wys = w.rodzaj == Rodzaj::znacznik ? znacznik : 2 * znacznik;
  b.os_we = b.os_wy = b.wys / 2;
  if (w.rodzaj == Rodzaj::poczatek) b.linie = {{{0, 0}, {0, b.wys}}, {{0, b.os_we}, {b.szer, b.os_we}}};
  if (w.rodzaj == Rodzaj::koniec) b.linie = {{{b.szer, 0}, {b.szer, b.wys}}, {{0, b.os_we}, {b.szer, b.os_we}}};
  return b;
}

// The elements of a sequence packed into rows, first to last: a row takes
// the next element while it fits, and at least one. Rows after the first
// start further in, past the line that turns into them.
std::vector<std::size_t> wiersze(const std::vector<Blok>& el, double szerokosc) {
  double razem = 0;
  for (const Blok& b : el) razem += b.szer;
  razem += odstep * static_cast<double>(el.size() - 1);
  std::vector<std::size_t> poczatki{0};
  if (razem <= szerokosc) return poczatki;
  double koniec = 0;
  for (std::size_t i = 0; i < el.size(); ++i) {
    const bool pierwszy = poczatki.back() == i;
    const double od = pierwszy ? (poczatki.size() == 1 ? 0 : 2 * luk) : koniec + odstep;
    if (!pierwszy && od + el[i].szer > szerokosc - 2 * luk) {
      poczatki.push_back(i);
      koniec = 2 * luk + el[i].szer;
    } else {
      koniec = od + el[i].szer;
    }
  }
  return poczatki;
}

Blok ciag(const Wezel& w, double szerokosc) {
  Blok b = pusty(w);
  std::vector<Blok> el;
  for (const Wezel& d : w.dzieci) el.push_back(uloz(d, szerokosc - 4 * luk));
  if (el.empty()) return b;
  std::vector<std::size_t> poczatki = wiersze(el, szerokosc);
  const bool jeden = poczatki.size() == 1;
  poczatki.push_back(el.size());
  double gora = 0;
  double zasieg = 0;  // the right end of the longest row
  std::vector<double> osie, konce, doly;
  for (std::size_t r = 0; r + 1 < poczatki.size(); ++r) {
    double nad = 0, pod = 0;
    for (std::size_t i = poczatki[r]; i < poczatki[r + 1]; ++i) {
      nad = std::max(nad, el[i].os_we);
      pod = std::max(pod, el[i].wys - el[i].os_we);
    }
    const double os = gora + nad;
    double x = r == 0 ? 0 : 2 * luk;
    for (std::size_t i = poczatki[r]; i < poczatki[r + 1]; ++i) {
      if (i > poczatki[r]) b.linie.push_back({{x - odstep, os}, {x, os}});
      el[i].przesun(x, os - el[i].os_we);
      x += el[i].szer + odstep;
    }
    osie.push_back(os);
    konce.push_back(x - odstep);
    doly.push_back(os + pod);
    zasieg = std::max(zasieg, x - odstep);
    gora = os + pod + 2 * przerwa;
  }
  b.szer = jeden ? zasieg : zasieg + 2 * luk;
  b.wys = gora - 2 * przerwa;
  b.os_we = osie.front();
  b.os_wy = osie.back();
  // From the end of each row past the longest one, back beneath the row,
  // and into the next.
  for (std::size_t r = 0; r + 1 < osie.size(); ++r) {
    const double powrot = doly[r] + przerwa;
    b.linie.push_back({{konce[r], osie[r]}, {zasieg + luk, osie[r]}, {zasieg + luk, powrot}, {luk, powrot},
                       {luk, osie[r + 1]}, {2 * luk, osie[r + 1]}});
  }
  if (!jeden && konce.back() < b.szer) b.linie.push_back({{konce.back(), b.os_wy}, {b.szer, b.os_wy}});
  b.dzieci = std::move(el);
  return b;
}

// Branches stacked beneath one another between two rails, the first on the
// group's line; an option or a repetition has a line above them that passes
// them by, a repetition a line beneath them that goes back to their start.
Blok grupa(const Wezel& w, double szerokosc) {
  Blok b = pusty(w);
  const bool pomijana = w.rodzaj != Rodzaj::alternatywa;
  const bool powtarzana = w.rodzaj == Rodzaj::powtorzenie;
  double najszersza = 0;
  double gora = pomijana ? przerwa : 0;
  for (const Wezel& d : w.dzieci) {
    Blok g = uloz(d, szerokosc - 4 * luk);
    g.przesun(2 * luk, gora);
    gora = g.y + g.wys + przerwa;
    najszersza = std::max(najszersza, g.szer);
    b.dzieci.push_back(std::move(g));
  }
  const double dol = gora - przerwa;
  b.szer = najszersza + 4 * luk;
  b.wys = powtarzana ? dol + przerwa : dol;
  const double os = b.dzieci.empty() ? 0 : b.dzieci.front().os_we;
  b.os_we = b.os_wy = os;
  const double prawa = b.szer - luk;
  for (Blok& g : b.dzieci) {
    if (g.os_we == os)
      g.linie.push_back({{0, os}, {2 * luk, os}});
    else
      g.linie.push_back({{0, os}, {luk, os}, {luk, g.os_we}, {2 * luk, g.os_we}});
    const double koniec = g.x + g.szer;
    if (g.os_wy == os)
      g.linie.push_back({{koniec, os}, {b.szer, os}});
    else
      g.linie.push_back({{koniec, g.os_wy}, {prawa, g.os_wy}, {prawa, os}, {b.szer, os}});
  }
  if (pomijana) b.linie.push_back({{0, os}, {luk, os}, {luk, 0}, {prawa, 0}, {prawa, os}, {b.szer, os}});
  if (powtarzana) b.linie.push_back({{prawa, os}, {prawa, b.wys}, {luk, b.wys}, {luk, os}});
  return b;
}

}  // namespace

void Blok::przesun(double dx, double dy) {
  x += dx;
  y += dy;
  os_we += dy;
  os_wy += dy;
  for (Linia& l : linie)
    for (Punkt& p : l) {
      p.x += dx;
      p.y += dy;
    }
  for (Blok& d : dzieci) d.przesun(dx, dy);
}

Blok uloz(const Wezel& w, double szerokosc) {
  switch (w.rodzaj) {
    case Rodzaj::terminal:
    case Rodzaj::nieterminal: return pudelko(w);
    case Rodzaj::znacznik:
    case Rodzaj::poczatek:
    case Rodzaj::koniec: return maly(w);
    case Rodzaj::ciag: return ciag(w, szerokosc);
    case Rodzaj::alternatywa:
    case Rodzaj::opcja:
    case Rodzaj::powtorzenie: return grupa(w, szerokosc);
  }
  return {};
}

std::size_t znaki(const std::string& tekst) {
  return static_cast<std::size_t>(std::count_if(
      tekst.begin(), tekst.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

}  // namespace bryzas_analiza::diagram
