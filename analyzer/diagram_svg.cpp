#include "analyzer/diagram_svg.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "analyzer/html_tekst.h"
#include "gramatyka/bryzas_tok.h"

namespace bryzas_analiza {

namespace {

namespace d = diagram;

// The page is this wide; a diagram keeps a margin around its lines.
constexpr double szerokosc = 940;
constexpr double margines = 6;

// A coordinate with at most two decimals and no trailing zeros.
std::string liczba(double x) {
  char bufor[32];
  const auto w = std::to_chars(bufor, bufor + sizeof bufor, x, std::chars_format::fixed, 2);
  std::string s(bufor, w.ptr);
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

// A polyline with rounded corners: each corner is cut short on both sides,
// by at most half of either of its segments, and joined by a curve.
std::string sciezka(const d::Linia& l) {
  auto pkt = [](double x, double y) { return liczba(x) + " " + liczba(y); };
  std::string s = "M";
  s += pkt(l[0].x, l[0].y);
  for (std::size_t i = 1; i + 1 < l.size(); ++i) {
    const d::Punkt a = l[i - 1], p = l[i], b = l[i + 1];
    const double dl_a = std::abs(p.x - a.x) + std::abs(p.y - a.y);
    const double dl_b = std::abs(b.x - p.x) + std::abs(b.y - p.y);
    const double r = std::min({d::luk, dl_a / 2, dl_b / 2});
    if (r <= 0) continue;
    const double ax = p.x - (p.x - a.x) / dl_a * r, ay = p.y - (p.y - a.y) / dl_a * r;
    const double bx = p.x + (b.x - p.x) / dl_b * r, by = p.y + (b.y - p.y) / dl_b * r;
    s += 'L';
    s += pkt(ax, ay) + "Q" + pkt(p.x, p.y) + " " + pkt(bx, by);
  }
  s += 'L';
  return s + pkt(l.back().x, l.back().y);
}

std::string miejsce(Pozycja p) { return std::to_string(p.linia) + ":" + std::to_string(p.kol); }

const char* nazwa_wagi(Waga w) { return w == Waga::blad ? "blad" : "ostrzezenie"; }

}  // namespace

Diagram_Svg::Diagram_Svg(const Analiza& a, const Oznaczenia& o)
    : a_(a), o_(o), produkcja_dla_(a.gramatyka().produkcja_dla()) {
  const Gramatyka& g = a.gramatyka();
  int nr = 0;
  for (const Produkcja& p : g.produkcje) numeruj(p.prawa, nr);
  for (const bryzas::Pisownia_Tokenu& p : bryzas::pisownie(g.terminale.nazwy(), a.opis_tokenow()))
    pisownie_.push_back(na_utf8(p.tekst));
}

void Diagram_Svg::numeruj(const Ciag& c, int& nr) {
  for (const Element& e : c) {
    numery_[&e] = ++nr;
    for (const Ciag& galaz : e.galezie) numeruj(galaz, nr);
  }
}

std::string Diagram_Svg::id(const Element& e) const {
  std::string w = "e";
  return w + std::to_string(numery_.at(&e));
}

std::string Diagram_Svg::id(const Element& e, std::size_t galaz) const {
  return id(e) + "-" + std::to_string(galaz + 1);
}

std::string Diagram_Svg::zbior(const Zbior& z) const {
  std::string w;
  for (int t : z.terminale()) w += (w.empty() ? "" : " ") + pisownie_[static_cast<std::size_t>(t)];
  if (z.ma_koniec()) w += w.empty() ? "koniec wejscia" : " i koniec wejscia";
  return w.empty() ? "(pusty)" : w;
}

void Diagram_Svg::znacznik(d::Wezel& w, std::vector<Opis>& opisy, std::string tytul) {
  w.dzieci.push_back({d::Rodzaj::znacznik, {}, {}, static_cast<int>(opisy.size())});
  opisy.push_back({Opis::Co::znacznik, nullptr, 0, std::move(tytul)});
}

// The nodes of a sequence: a box for each symbol, a group for each group,
// a mark after each that holds parameters or an insert.
void Diagram_Svg::elementy(const Ciag& c, d::Wezel& w, std::vector<Opis>& opisy) const {
  const Gramatyka& g = a_.gramatyka();
  for (const Element& e : c) {
    const int id = static_cast<int>(opisy.size());
    if (e.rodzaj == Rodzaj_Elementu::symbol) {
      const Symbol& s = e.symbol;
      opisy.push_back({Opis::Co::symbol, &e, 0, {}});
      w.dzieci.push_back({s.terminal ? d::Rodzaj::terminal : d::Rodzaj::nieterminal,
                          s.terminal ? pisownie_[static_cast<std::size_t>(s.nr)] : na_utf8(g.nieterminale.nazwa(s.nr)),
                          {}, id});
      if (e.parametry) znacznik(w, opisy, "parametry: " + *e.parametry);
    } else {
      opisy.push_back({Opis::Co::grupa, &e, 0, tytul_grupy(e)});
      d::Wezel grupa{e.rodzaj == Rodzaj_Elementu::opcja          ? d::Rodzaj::opcja
                     : e.rodzaj == Rodzaj_Elementu::powtorzenie ? d::Rodzaj::powtorzenie
                                                                : d::Rodzaj::alternatywa,
                     {}, {}, id};
      for (std::size_t k = 0; k < e.galezie.size(); ++k) {
        d::Wezel galaz{d::Rodzaj::ciag, {}, {}, static_cast<int>(opisy.size())};
        opisy.push_back({Opis::Co::galaz, &e, k, tytul_galezi(e, k)});
        elementy(e.galezie[k], galaz, opisy);
        grupa.dzieci.push_back(std::move(galaz));
      }
      w.dzieci.push_back(std::move(grupa));
    }
    if (!e.wstawka.empty()) znacznik(w, opisy, "wstawka: " + e.wstawka);
  }
}

std::string Diagram_Svg::tytul_grupy(const Element& e) const {
  const char* rodzaj = e.rodzaj == Rodzaj_Elementu::opcja         ? "opcja [ ]"
                       : e.rodzaj == Rodzaj_Elementu::powtorzenie ? "powtorzenie { }"
                                                                  : "wybor ( | )";
  return std::string(rodzaj) + "; po niej: " + zbior(a_.decyzje().grupy(e).za);
}

// The set the branch is tested on, and the tokens that really take it when
// an earlier branch takes some of them first.
std::string Diagram_Svg::tytul_galezi(const Element& e, std::size_t k) const {
  const Decyzja_Grupy& dg = a_.decyzje().grupy(e);
  std::string w = "galaz " + std::to_string(k + 1) + ": przewidywane " + zbior(dg.przewidywane[k]);
  if (!dg.przewidywane[k].bez(dg.wybierane[k]).pusty()) w += "; wybierana tylko na " + zbior(dg.wybierane[k]);
  return w;
}

std::string Diagram_Svg::klasa(const Opis& o) const {
  if (o.co == Opis::Co::galaz) {
    const auto i = o_.galezie.find({o.e, o.galaz});
    return i == o_.galezie.end() ? "" : std::string(" ") + nazwa_wagi(i->second);
  }
  const auto i = o_.elementy.find(o.e);
  return i == o_.elementy.end() ? "" : std::string(" ") + nazwa_wagi(i->second);
}

void Diagram_Svg::pisz(wspolne::Plik_Wy& wy, const Produkcja& p) const {
  std::vector<Opis> opisy;
  d::Wezel w{d::Rodzaj::ciag, {}, {{d::Rodzaj::poczatek, {}, {}, -1}}, -1};
  if (p.parametry) znacznik(w, opisy, "parametry: " + *p.parametry);
  if (!p.deklaracje.empty()) znacznik(w, opisy, "deklaracje: " + p.deklaracje);
  if (!p.wstawka_poczatkowa.empty()) znacznik(w, opisy, "wstawka: " + p.wstawka_poczatkowa);
  elementy(p.prawa, w, opisy);
  w.dzieci.push_back({d::Rodzaj::koniec, {}, {}, -1});
  d::Blok b = d::uloz(w, szerokosc - 2 * margines);
  b.przesun(margines, margines);
  const std::string szer = liczba(b.szer + 2 * margines), wys = liczba(b.wys + 2 * margines);
  wy.pisz_linie("<svg class=\"diagram\" xmlns=\"http://www.w3.org/2000/svg\" width=\"" + szer + "\" height=\"" + wys +
                "\" viewBox=\"0 0 " + szer + " " + wys + "\">");
  blok(wy, b, opisy);
  wy.pisz_linie("</svg>");
}

void Diagram_Svg::blok(wspolne::Plik_Wy& wy, const d::Blok& b, const std::vector<Opis>& opisy) const {
  const Opis* o = b.id >= 0 ? &opisy[static_cast<std::size_t>(b.id)] : nullptr;
  if (o && o->co == Opis::Co::symbol) return pudelko(wy, b, *o);
  if (o && o->co == Opis::Co::znacznik) {
    wy.pisz_linie("<g class=\"znacznik\"><title>" + html(na_utf8(o->tytul)) + "</title><circle cx=\"" +
                  liczba(b.x + b.szer / 2) + "\" cy=\"" + liczba(b.os_we) + "\" r=\"" + liczba(d::znacznik / 2) +
                  "\"/></g>");
    return;
  }
  const bool grupa = o && (o->co == Opis::Co::grupa || o->co == Opis::Co::galaz);
  if (grupa) {
    const std::string rodzaj = o->co == Opis::Co::galaz ? "galaz"
                               : b.rodzaj == d::Rodzaj::opcja ? "grupa opcja"
                               : b.rodzaj == d::Rodzaj::powtorzenie ? "grupa powtorzenie"
                                                                    : "grupa alternatywa";
    wy.pisz_linie("<g id=\"" + (o->co == Opis::Co::galaz ? id(*o->e, o->galaz) : id(*o->e)) + "\" class=\"" +
                  rodzaj + klasa(*o) + "\" data-poz=\"" + miejsce(o->e->poz) + "\"><title>" +
                  html(o->tytul) + "</title>");
  }
  for (const d::Linia& l : b.linie) wy.pisz_linie("<path d=\"" + sciezka(l) + "\"/>");
  for (const d::Blok& dziecko : b.dzieci) blok(wy, dziecko, opisy);
  if (grupa) wy.pisz_linie("</g>");
}

// A terminal in a rounded box; a nonterminal in a square one, a link to its
// diagram when it has a production. A shortened label shows whole on hover.
void Diagram_Svg::pudelko(wspolne::Plik_Wy& wy, const d::Blok& b, const Opis& o) const {
  const Symbol& s = o.e->symbol;
  const bool link = !s.terminal && produkcja_dla_[static_cast<std::size_t>(s.nr)] >= 0;
  std::string w = "<g id=\"" + id(*o.e) + "\" class=\"symbol" + klasa(o) + "\" data-poz=\"" + miejsce(o.e->poz) + "\">";
  if (b.skrocony)
    w += "<title>" + html(s.terminal ? pisownie_[static_cast<std::size_t>(s.nr)]
                                      : na_utf8(a_.gramatyka().nieterminale.nazwa(s.nr))) + "</title>";
  if (link) w += "<a href=\"#p-" + html(na_utf8(a_.gramatyka().nieterminale.nazwa(s.nr))) + "\">";
  w += "<rect class=\"" + std::string(s.terminal ? "terminal" : link ? "nieterminal" : "nieterminal bez-produkcji") +
       "\" x=\"" + liczba(b.x) + "\" y=\"" + liczba(b.y) + "\" width=\"" + liczba(b.szer) + "\" height=\"" +
       liczba(b.wys) + "\"" + (s.terminal ? " rx=\"" + liczba(b.wys / 2) + "\"" : "") + "/>";
  w += "<text x=\"" + liczba(b.x + b.szer / 2) + "\" y=\"" + liczba(b.os_we) + "\">" + html(b.tekst) + "</text>";
  if (link) w += "</a>";
  wy.pisz_linie(w + "</g>");
}

}  // namespace bryzas_analiza
