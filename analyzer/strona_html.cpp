#include "analyzer/strona_html.h"

#include <string_view>

#include "analyzer/html_tekst.h"
#include "wspolne/czas.h"
#include "wspolne/tekst.h"

namespace bryzas_analiza {

namespace {

constexpr std::string_view styl = R"css(<style>
body { font-family: sans-serif; max-width: 960px; margin: 1em auto; padding: 0 10px; color: #222; }
h1 { font-size: 1.5em; } h2 { font-size: 1.15em; margin: 1.4em 0 .3em; font-family: monospace; }
a { color: #1a4d8f; }
.blad { color: #b00000; } .ostrzezenie { color: #a05a00; }
h2.blad::after { content: "  (blad)"; } h2.ostrzezenie::after { content: "  (ostrzezenie)"; }
ul.komunikaty, ol.spis { font-family: monospace; font-size: .9em; padding-left: 1.5em; }
.uwaga { color: #444; }
dl.zbiory { display: grid; grid-template-columns: max-content auto; gap: 0 .8em; margin: .3em 0;
  font-family: monospace; font-size: .9em; }
dl.zbiory dd { margin: 0; }
svg.diagram { display: block; margin: .4em 0; }
svg text { font-family: "DejaVu Sans Mono", "Liberation Mono", monospace; font-size: 14px;
  text-anchor: middle; dominant-baseline: central; fill: #111; }
svg path { fill: none; stroke: #444; stroke-width: 1.5; }
svg rect { stroke: #444; stroke-width: 1.5; }
rect.terminal { fill: #e8f1fb; } rect.nieterminal { fill: #fdf5e2; }
rect.bez-produkcji { stroke-dasharray: 4 3; }
svg a:hover rect { fill: #f8e3a8; }
g.znacznik circle { fill: #8a8a8a; stroke: #444; }
g.blad path, g.blad rect, g.blad circle { stroke: #c00000; stroke-width: 2.5; }
g.ostrzezenie path, g.ostrzezenie rect, g.ostrzezenie circle { stroke: #d98200; stroke-width: 2.5; }
.wskazany path, .wskazany rect { stroke-width: 4; }
section.wskazany { outline: 2px solid #d98200; }
</style>)css";

// A message in the list points at what it marks while the pointer is on it.
constexpr std::string_view skrypt = R"js(<script>
for (const li of document.querySelectorAll("li[data-cel]")) {
  const cele = li.dataset.cel.split(" ").map((id) => document.getElementById(id)).filter(Boolean);
  li.addEventListener("mouseenter", () => cele.forEach((c) => c.classList.add("wskazany")));
  li.addEventListener("mouseleave", () => cele.forEach((c) => c.classList.remove("wskazany")));
}
</script>)js";

const char* nazwa_wagi(Waga w) { return w == Waga::blad ? "blad" : "ostrzezenie"; }

std::string miejsce(Pozycja p) { return std::to_string(p.linia) + ":" + std::to_string(p.kol); }

}  // namespace

Strona_Html::Strona_Html(const Analiza& a, const bryzas::Nazwy_Projektu& n, const std::optional<long long>& epoka)
    : a_(a), n_(n), data_(wspolne::usun_spacje(wspolne::data_str(epoka))) {
  const Gramatyka& g = a.gramatyka();
  if (a.przeczytana()) {
    svg_.emplace(a, oznaczenia_);
    produkcja_dla_ = g.produkcja_dla();
    naglowki_.resize(g.produkcje.size());
    for (std::size_t i = 0; i < g.produkcje.size(); ++i) zbierz(g.produkcje[i].prawa, static_cast<int>(i));
  }
  for (const Komunikat& k : a.gramatyki().posortowane()) {
    Wpis w{k, false, -1, {}};
    if (svg_) oznacz(w);
    wpisy_.push_back(std::move(w));
  }
  for (const Komunikat& k : a.tokenow().posortowane()) wpisy_.push_back({k, true, -1, {}});
}

void Strona_Html::zbierz(const Ciag& c, int produkcja) {
  for (const Element& e : c) {
    produkcja_elementu_[&e] = produkcja;
    if (e.rodzaj == Rodzaj_Elementu::symbol) symbole_[e.poz] = &e;
    for (const Ciag& galaz : e.galezie) zbierz(galaz, produkcja);
  }
}

// A message that blames a choice marks its group or branches; another marks
// the symbol at its place, or the heading of the production it stands at.
void Strona_Html::oznacz(Wpis& w) {
  const Komunikat& k = w.k;
  if (const Element* g = k.wybor.grupa) {
    w.produkcja = produkcja_elementu_.at(g);
    if (k.wybor.galezie.empty()) {
      oznaczenia_.dodaj(g, k.waga);
      w.cele.push_back(svg_->id(*g));
    }
    for (std::size_t b : k.wybor.galezie) {
      oznaczenia_.dodaj(g, b, k.waga);
      w.cele.push_back(svg_->id(*g, b));
    }
    return;
  }
  if (const auto s = symbole_.find(k.poz); s != symbole_.end()) {
    w.produkcja = produkcja_elementu_.at(s->second);
    oznaczenia_.dodaj(s->second, k.waga);
    w.cele.push_back(svg_->id(*s->second));
    return;
  }
  w.produkcja = produkcja_miejsca(k.poz);
  const Gramatyka& g = a_.gramatyka();
  if (w.produkcja < 0 || g.produkcje[static_cast<std::size_t>(w.produkcja)].poz != k.poz) return;
  std::optional<Waga>& n = naglowki_[static_cast<std::size_t>(w.produkcja)];
  n = n == Waga::blad ? Waga::blad : k.waga;
  w.cele.push_back("p-" + html(na_utf8(g.nieterminale.nazwa(g.produkcje[static_cast<std::size_t>(w.produkcja)].lewa))));
}

// The production whose text holds the place; in the FIRST section, that of
// the line's nonterminal; -1 before the first production or for a
// nonterminal without one.
int Strona_Html::produkcja_miejsca(Pozycja p) const {
  const Gramatyka& g = a_.gramatyka();
  if (!g.first.empty() && !(p < g.first.front().poz)) {
    int n = -1;
    for (const Linia_First& l : g.first)
      if (!(p < l.poz)) n = l.nieterminal;
    return n < 0 ? -1 : produkcja_dla_[static_cast<std::size_t>(n)];
  }
  int wynik = -1;
  for (std::size_t i = 0; i < g.produkcje.size(); ++i)
    if (!(p < g.produkcje[i].poz)) wynik = static_cast<int>(i);
  return wynik;
}

void Strona_Html::pisz() const {
  wspolne::Plik_Wy wy;
  wy.utworz(n_.plik_html);
  naglowek(wy);
  if (!svg_)
    wy.pisz_linie("<p class=\"bez-modelu\">Blad skladni zatrzymal czytanie gramatyki: nie ma modelu, "
                  "z ktorego mozna narysowac diagramy produkcji.</p>");
  bool inne = false;
  for (const Wpis& w : wpisy_) inne = inne || w.produkcja < 0;
  if (inne) {
    wy.pisz_linie("<section id=\"inne\">");
    wy.pisz_linie("<h2>Komunikaty poza produkcjami</h2>");
    komunikaty(wy, -1);
    wy.pisz_linie("</section>");
  }
  if (svg_)
    for (std::size_t i = 0; i < a_.gramatyka().produkcje.size(); ++i) produkcja(wy, i);
  wy.pisz_linie(skrypt);
  wy.pisz_linie("</body>");
  wy.pisz_linie("</html>");
  wy.zamknij();
}

void Strona_Html::naglowek(wspolne::Plik_Wy& wy) const {
  const std::string nazwa = html(na_utf8(n_.nazwa_proj));
  wy.pisz_linie("<!DOCTYPE html>");
  wy.pisz_linie("<html lang=\"pl\">");
  wy.pisz_linie("<head>");
  wy.pisz_linie("<meta charset=\"utf-8\">");
  wy.pisz_linie("<title>" + nazwa + ": analiza gramatyki</title>");
  wy.pisz_linie(styl);
  wy.pisz_linie("</head>");
  wy.pisz_linie("<body>");
  wy.pisz_linie("<header>");
  wy.pisz_linie("<h1>Gramatyka " + nazwa + "</h1>");
  std::string opis = "<p class=\"opis\">" + html(na_utf8(n_.plik_we));
  if (a_.przeczytana())
    opis += a_.gramatyka().rozszerzona ? ", notacja rozszerzona" : ", notacja podstawowa";
  if (a_.opis_tokenow()) opis += ", tokeny z " + html(na_utf8(n_.plik_tok));
  wy.pisz_linie(opis + "; bryzas_analiza, dnia " + data_ + "</p>");
  wy.pisz_linie("<p id=\"podsumowanie\">bledy: " + std::to_string(a_.bledy()) + ", ostrzezenia: " +
                std::to_string(a_.gramatyki().ostrzezenia() + a_.tokenow().ostrzezenia()) + "</p>");
  if (!wpisy_.empty()) {
    wy.pisz_linie("<ol class=\"spis\">");
    for (std::size_t i = 0; i < wpisy_.size(); ++i)
      wy.pisz_linie("<li class=\"" + std::string(nazwa_wagi(wpisy_[i].k.waga)) + "\"><a href=\"#k" +
                    std::to_string(i + 1) + "\">" + linia(wpisy_[i], false) + "</a></li>");
    wy.pisz_linie("</ol>");
  }
  wy.pisz_linie("</header>");
}

void Strona_Html::produkcja(wspolne::Plik_Wy& wy, std::size_t i) const {
  const Gramatyka& g = a_.gramatyka();
  const Produkcja& p = g.produkcje[i];
  const std::string nazwa = html(na_utf8(g.nieterminale.nazwa(p.lewa)));
  wy.pisz_linie("<section id=\"p-" + nazwa + "\" class=\"produkcja\">");
  const std::optional<Waga>& w = naglowki_[i];
  wy.pisz_linie("<h2" + (w ? " class=\"" + std::string(nazwa_wagi(*w)) + "\"" : std::string()) + ">&quot;" +
                nazwa + "&quot;</h2>");
  svg_->pisz(wy, p);
  const Analiza_Zbiory& z = a_.zbiory();
  wy.pisz_linie("<dl class=\"zbiory\">");
  wy.pisz_linie("<dt>FIRST</dt><dd>" + html(svg_->zbior(z.first(p.lewa))) +
                (z.pusty(p.lewa) ? "; moze byc pusty" : "") + "</dd>");
  wy.pisz_linie("<dt>FOLLOW</dt><dd>" + html(svg_->zbior(z.follow(p.lewa))) + "</dd>");
  wy.pisz_linie("</dl>");
  komunikaty(wy, static_cast<int>(i));
  wy.pisz_linie("</section>");
}

// The messages written under a production (-1: under none), each with its note.
void Strona_Html::komunikaty(wspolne::Plik_Wy& wy, int produkcja) const {
  bool otwarta = false;
  for (std::size_t i = 0; i < wpisy_.size(); ++i) {
    const Wpis& w = wpisy_[i];
    if (w.produkcja != produkcja) continue;
    if (!otwarta) wy.pisz_linie("<ul class=\"komunikaty\">");
    otwarta = true;
    std::string cele;
    for (const std::string& c : w.cele) cele += (cele.empty() ? "" : " ") + c;
    std::string li = "<li id=\"k" + std::to_string(i + 1) + "\" class=\"" + nazwa_wagi(w.k.waga) + "\"" +
                     (cele.empty() ? "" : " data-cel=\"" + cele + "\"") + ">" + linia(w, false);
    if (!w.k.uwaga.empty()) li += "<br><span class=\"uwaga\">" + linia(w, true) + "</span>";
    wy.pisz_linie(li + "</li>");
  }
  if (otwarta) wy.pisz_linie("</ul>");
}

// The message, or its note, as the console writes it, escaped.
std::string Strona_Html::linia(const Wpis& w, bool uwaga) const {
  const std::string& plik = w.tokenow ? n_.plik_tok : n_.plik_we;
  const std::string tekst = uwaga ? miejsce(w.k.poz_uwagi) + ": uwaga: " + w.k.uwaga
                                  : miejsce(w.k.poz) + ": " + nazwa_wagi(w.k.waga) + ": " + w.k.tekst;
  return html(na_utf8(plik + ":" + tekst));
}

}  // namespace bryzas_analiza
