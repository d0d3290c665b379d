#include "gramatyka/bryzas_tok.h"

#include <sys/stat.h>

#include <array>
#include <cerrno>
#include <unordered_map>

#include "wspolne/blad_pliku.h"
#include "wspolne/tekst.h"

namespace bryzas {

namespace {


constexpr std::size_t max_dl_nazwy = 100;
// Brackets nested deeper than this are refused before they exhaust the stack.
constexpr int max_glebokosc = 200;

bool znak_nazwy(char c) { return wspolne::litera(c) || wspolne::cyfra(c) || c == '_'; }

Wzor jeden_znak(unsigned char c) {
  Wzor w{Wzor::Rodzaj::znak, {}, {}};
  w.znaki.set(c);
  return w;
}

}  // namespace


std::optional<Opis_Tokenow> Bryzas_Tok::czytaj(const std::string& nazwa_pliku) {
  // Most grammars have no token file: asked first, its absence costs no
  // exception, whose first throw in a run costs more than the whole run.
  struct stat st {};
  if (::stat(nazwa_pliku.c_str(), &st) != 0 && errno == ENOENT) return std::nullopt;
  try {
    czytnik_.otworz(nazwa_pliku);
  } catch (const wspolne::Blad_Pliku& e) {
    if (e.brak_pliku()) return std::nullopt;
    throw;
  }
  Czytnik_Linii::Linia l;
  // A NUL byte ends the file, as it ends a grammar.
  while (!czytnik_.koniec()) {
    linie_.emplace_back(l.data(), czytnik_.czytaj(l));
    const std::size_t nul = linie_.back().find('\0');
    if (nul == std::string::npos) continue;
    linie_.back().resize(nul);
    break;
  }
  czytnik_.zamknij();
  for (unsigned char c : {' ', '\t', '\n', '\r'}) opis_.pomijane.set(c);
  try {
    nastepny();
    plik();
  } catch (const Blad_Tokenow& b) {
    blad_ = b;
  }
  return std::move(opis_);
}

void Bryzas_Tok::blad(int nr) const { throw Blad_Tokenow{nr, linia_sym_, kol_sym_}; }

// At the character being read, not at the symbol it belongs to.
void Bryzas_Tok::blad_tu(int nr) const {
  throw Blad_Tokenow{nr, static_cast<int>(nr_linii_), static_cast<int>(poz_) + 1};
}

void Bryzas_Tok::sprawdz(Sym s, int nr) {
  if (sym_ != s) blad(nr);
  nastepny();
}

// The next symbol; blanks, tabs and comments from "--" to the end of the
// line separate symbols.
void Bryzas_Tok::nastepny() {
  ++licznik_sym_;
  tekst_.clear();
  if (!pomin_odstepy()) return;
  const std::string& l = linie_[nr_linii_ - 1];
  linia_sym_ = static_cast<int>(nr_linii_);
  kol_sym_ = static_cast<int>(poz_) + 1;
  const char c = l[poz_++];
  if (znak_przestankowy(c)) return;
  if (c == '\'') {
    skanuj_nazwe_tokenu();
  } else if (wspolne::litera(c) || c == '_') {
    tekst_ += c;
    skanuj_nazwe();
  } else if (c == '"') {
    skanuj_napis();
  } else if (c == '#') {
    skanuj_kod();
  } else if (c == '+' && poz_ < l.size() && l[poz_] == '+') {
    ++poz_;
    while (poz_ < l.size() && znak_nazwy(l[poz_]) && tekst_.size() < max_dl_nazwy) tekst_ += l[poz_++];
    sym_ = Sym::opcja;
  } else {
    --poz_;
    blad_tu(bledy_tok::zly_znak);
  }
}

// Moves to the first character of the next symbol; false at the end of the
// file, which is then the symbol.
bool Bryzas_Tok::pomin_odstepy() {
  for (;;) {
    if (nr_linii_ == 0 || poz_ >= linie_[nr_linii_ - 1].size()) {
      if (nr_linii_ >= linie_.size()) {
        sym_ = Sym::koniec;
        linia_sym_ = static_cast<int>(nr_linii_);
        kol_sym_ = nr_linii_ == 0 ? 1 : static_cast<int>(linie_[nr_linii_ - 1].size()) + 1;
        return false;
      }
      ++nr_linii_;
      poz_ = 0;
      continue;
    }
    const std::string& l = linie_[nr_linii_ - 1];
    const char c = l[poz_];
    if (c == ' ' || c == '\t' || c == '\r')
      ++poz_;
    else if (c == '-' && poz_ + 1 < l.size() && l[poz_ + 1] == '-')
      poz_ = l.size();
    else
      return true;
  }
}

// A symbol of one character, or of two dots; false for any other.
bool Bryzas_Tok::znak_przestankowy(char c) {
  const std::string& l = linie_[nr_linii_ - 1];
  switch (c) {
    case '=': sym_ = Sym::rowna; return true;
    case '|': sym_ = Sym::kreska; return true;
    case '(': sym_ = Sym::lnaw; return true;
    case ')': sym_ = Sym::pnaw; return true;
    case '[': sym_ = Sym::lnawkw; return true;
    case ']': sym_ = Sym::pnawkw; return true;
    case '{': sym_ = Sym::lnawkl; return true;
    case '}': sym_ = Sym::pnawkl; return true;
    case '.':
      sym_ = poz_ < l.size() && l[poz_] == '.' ? (++poz_, Sym::dwie_kropki) : Sym::kropka;
      return true;
    default: return false;
  }
}

// nazwa_tokenu = "'" (litera | "_") { litera | cyfra | "_" } "'"
void Bryzas_Tok::skanuj_nazwe_tokenu() {
  const std::string& l = linie_[nr_linii_ - 1];
  while (poz_ < l.size() && l[poz_] != '\'') {
    const bool pierwszy = tekst_.empty();
    if (pierwszy ? !(wspolne::litera(l[poz_]) || l[poz_] == '_') : !znak_nazwy(l[poz_])) blad_tu(bledy_tok::zly_znak);
    if (tekst_.size() == max_dl_nazwy) blad(bledy_tok::za_dluga_nazwa);
    tekst_ += l[poz_++];
  }
  if (poz_ == l.size() || tekst_.empty()) blad_tu(bledy_tok::zly_znak);
  ++poz_;
  sym_ = Sym::nazwa_tokenu;
}

// The rest of a name whose first character is read.
void Bryzas_Tok::skanuj_nazwe() {
  const std::string& l = linie_[nr_linii_ - 1];
  while (poz_ < l.size() && znak_nazwy(l[poz_])) {
    if (tekst_.size() == max_dl_nazwy) blad(bledy_tok::za_dluga_nazwa);
    tekst_ += l[poz_++];
  }
  sym_ = Sym::nazwa;
}

// napis = '"' { znak | '""' } '"'
void Bryzas_Tok::skanuj_napis() {
  const std::string& l = linie_[nr_linii_ - 1];
  for (;;) {
    if (poz_ == l.size()) blad(bledy_tok::napis_bez_konca);
    if (l[poz_] == '"') {
      if (!(poz_ + 1 < l.size() && l[poz_ + 1] == '"')) break;
      ++poz_;
    }
    tekst_ += l[poz_++];
  }
  ++poz_;
  sym_ = Sym::napis;
}

// kod = "#" cyfra { cyfra }, at most 255
void Bryzas_Tok::skanuj_kod() {
  const std::string& l = linie_[nr_linii_ - 1];
  int kod = 0;
  if (!(poz_ < l.size() && wspolne::cyfra(l[poz_]))) blad(bledy_tok::zly_kod);
  while (poz_ < l.size() && wspolne::cyfra(l[poz_])) {
    kod = kod * 10 + (l[poz_++] - '0');
    if (kod > 255) blad(bledy_tok::zly_kod);
  }
  tekst_ = std::string(1, static_cast<char>(kod));
  sym_ = Sym::kod;
}

// plik = { opcja | definicja } .
void Bryzas_Tok::plik() {
  while (sym_ != Sym::koniec) {
    if (sym_ == Sym::opcja)
      opcja();
    else if (sym_ == Sym::nazwa_tokenu || sym_ == Sym::nazwa)
      definicja();
    else
      blad(bledy_tok::oczekiwano_definicji);
  }
}

// The string argument of an option, on the option's line.
std::string Bryzas_Tok::napis_opcji() {
  if (sym_ != Sym::napis) blad(bledy_tok::zle_argumenty);
  if (tekst_.empty()) blad(bledy_tok::pusty_napis);
  std::string s = tekst_;
  nastepny();
  return s;
}

// opcja = "++pomijaj" znaki { znaki } | "++komentarz" napis [ napis ]
//       | "++komentarz_zagniezdzony" napis napis | "++bez_wielkosci"
//       | "++koniec" nazwa_tokenu .      (all on one line)
void Bryzas_Tok::opcja() {
  const std::string nazwa = tekst_;
  const int linia = linia_sym_;
  const int kol = kol_sym_;
  nastepny();
  auto na_linii = [&] { return sym_ != Sym::koniec && linia_sym_ == linia; };
  // A missing argument is reported at the option.
  auto brak_argumentu = [&] { throw Blad_Tokenow{bledy_tok::zle_argumenty, linia, kol}; };
  if (nazwa == "pomijaj") {
    Zbior_Znakow z;
    if (!na_linii()) brak_argumentu();
    while (na_linii()) z |= znaki();
    opis_.pomijane = z;
  } else if (nazwa == "komentarz" || nazwa == "komentarz_zagniezdzony") {
    if (!na_linii()) brak_argumentu();
    Komentarz k;
    k.poczatek = napis_opcji();
    k.zagniezdzony = nazwa != "komentarz";
    if (k.zagniezdzony || na_linii()) {
      if (!na_linii()) brak_argumentu();
      k.koniec = napis_opcji();
    }
    opis_.komentarze.push_back(std::move(k));
  } else if (nazwa == "bez_wielkosci") {
    opis_.bez_wielkosci = true;
  } else if (nazwa == "koniec") {
    if (!na_linii()) brak_argumentu();
    if (sym_ != Sym::nazwa_tokenu) blad(bledy_tok::zle_argumenty);
    if (!opis_.koniec.empty()) blad(bledy_tok::powtorna_definicja);
    opis_.koniec = tekst_;
    opis_.koniec_linia = linia_sym_;
    opis_.koniec_kol = kol_sym_;
    nastepny();
  } else {
    throw Blad_Tokenow{bledy_tok::nieznana_opcja, linia, kol};
  }
  if (na_linii()) blad(bledy_tok::zle_argumenty);
}

// definicja = ( nazwa_tokenu | nazwa ) "=" wyrazenie "." .
void Bryzas_Tok::definicja() {
  const bool terminal = sym_ == Sym::nazwa_tokenu;
  Definicja_Tokenu d;
  d.nazwa = tekst_;
  d.linia = linia_sym_;
  d.kol = kol_sym_;
  if (!zdefiniowane_.insert(d.nazwa).second) blad(bledy_tok::powtorna_definicja);
  nastepny();
  sprawdz(Sym::rowna, bledy_tok::brak_rowna);
  // One string alone, beginning with a letter, is a keyword.
  const bool napis = sym_ == Sym::napis;
  const std::string tekst = tekst_;
  const std::size_t przed = licznik_sym_;
  wezly_ = 0;
  d.wzor = wyrazenie();
  d.slowo_kluczowe = napis && licznik_sym_ == przed + 1 && wspolne::litera(tekst[0]);
  if (d.slowo_kluczowe) d.napis = tekst;
  sprawdz(Sym::kropka, bledy_tok::brak_kropki);
  if (terminal)
    opis_.tokeny.push_back(std::move(d));
  else
    pomocnicze_.emplace(d.nazwa, std::move(d.wzor));
}

// wyrazenie = skladnik { "|" skladnik } .
Wzor Bryzas_Tok::wyrazenie() {
  Wzor w = skladnik();
  if (sym_ != Sym::kreska) return w;
  Wzor wybor{Wzor::Rodzaj::wybor, {}, {}};
  wybor.czesci.push_back(std::move(w));
  while (sym_ == Sym::kreska) {
    nastepny();
    wybor.czesci.push_back(skladnik());
  }
  return wybor;
}

// skladnik = czynnik { czynnik } .
Wzor Bryzas_Tok::skladnik() {
  Wzor ciag{Wzor::Rodzaj::ciag, {}, {}};
  do {
    Wzor c = czynnik();
    if (c.rodzaj == Wzor::Rodzaj::ciag)
      for (Wzor& z : c.czesci) ciag.czesci.push_back(std::move(z));
    else
      ciag.czesci.push_back(std::move(c));
  } while (sym_ == Sym::napis || sym_ == Sym::kod || sym_ == Sym::nazwa || sym_ == Sym::lnaw ||
           sym_ == Sym::lnawkw || sym_ == Sym::lnawkl);
  return ciag;
}

// czynnik = znaki | nazwa | "(" wyrazenie ")" | "[" wyrazenie "]"
//         | "{" wyrazenie "}" .
Wzor Bryzas_Tok::czynnik() {
  const int linia = linia_sym_;
  const int kol = kol_sym_;
  Wzor w;
  if (++glebokosc_ > max_glebokosc) blad(bledy_tok::za_duzy_automat);
  switch (sym_) {
    case Sym::napis:
    case Sym::kod: {
      const std::string tekst = tekst_;
      const Sym s = sym_;
      if (s == Sym::napis && tekst.empty()) blad(bledy_tok::pusty_napis);
      if (tekst.size() == 1) {
        w = {Wzor::Rodzaj::znak, znaki(), {}};
      } else {
        nastepny();
        if (sym_ == Sym::dwie_kropki) blad(bledy_tok::zakres_dlugi);
        w.rodzaj = Wzor::Rodzaj::ciag;
        for (char c : tekst) w.czesci.push_back(jeden_znak(static_cast<unsigned char>(c)));
      }
      break;
    }
    case Sym::nazwa: {
      auto p = pomocnicze_.find(tekst_);
      if (p == pomocnicze_.end()) blad(bledy_tok::nieznana_nazwa);
      w = p->second;
      nastepny();
      break;
    }
    case Sym::lnaw:
      nastepny();
      w = wyrazenie();
      sprawdz(Sym::pnaw, bledy_tok::brak_pnaw);
      break;
    case Sym::lnawkw:
    case Sym::lnawkl: {
      const bool opcja = sym_ == Sym::lnawkw;
      nastepny();
      w.rodzaj = opcja ? Wzor::Rodzaj::opcja : Wzor::Rodzaj::powtorzenie;
      w.czesci.push_back(wyrazenie());
      sprawdz(opcja ? Sym::pnawkw : Sym::pnawkl, opcja ? bledy_tok::brak_pnawkw : bledy_tok::brak_pnawkl);
      break;
    }
    default:
      blad(bledy_tok::brak_czynnika);
  }
  if (!dolicz(w)) throw Blad_Tokenow{bledy_tok::za_duzy_automat, linia, kol};
  --glebokosc_;
  return w;
}

// znaki = ( napis | kod ) [ ".." ( napis | kod ) ] .  A string alone gives
// all its characters; the two ends of a range are one character each.
Zbior_Znakow Bryzas_Tok::znaki() {
  if (sym_ != Sym::napis && sym_ != Sym::kod) blad(bledy_tok::zle_argumenty);
  if (tekst_.empty()) blad(bledy_tok::pusty_napis);
  Zbior_Znakow z;
  const std::string od = tekst_;
  nastepny();
  if (sym_ != Sym::dwie_kropki) {
    for (char c : od) z.set(static_cast<unsigned char>(c));
    return z;
  }
  if (od.size() != 1) blad(bledy_tok::zakres_dlugi);
  nastepny();
  if ((sym_ != Sym::napis && sym_ != Sym::kod) || tekst_.size() != 1) blad(bledy_tok::zakres_dlugi);
  const auto a = static_cast<unsigned char>(od[0]);
  const auto b = static_cast<unsigned char>(tekst_[0]);
  if (a > b) blad(bledy_tok::zakres_odwrocony);
  for (unsigned c = a; c <= b; ++c) z.set(c);
  nastepny();
  return z;
}

// Counts the nodes of a definition as it grows; helper names copy their
// whole pattern, so a chain of them could double it at every step.
bool Bryzas_Tok::dolicz(const Wzor& w) {
  wezly_ += 1;
  for (const Wzor& c : w.czesci)
    if (wezly_ > max_wezlow_wzoru || !dolicz(c)) return false;
  return wezly_ <= max_wezlow_wzoru;
}

namespace {

std::optional<std::string> jeden_napis(const Wzor& w) {
  if (w.rodzaj == Wzor::Rodzaj::znak) {
    if (w.znaki.count() != 1) return std::nullopt;
    for (unsigned c = 0; c < 256; ++c)
      if (w.znaki.test(c)) return std::string(1, static_cast<char>(c));
  }
  if (w.rodzaj != Wzor::Rodzaj::ciag) return std::nullopt;
  std::string napis;
  for (const Wzor& czesc : w.czesci) {
    const std::optional<std::string> n = jeden_napis(czesc);
    if (!n) return std::nullopt;
    napis += *n;
  }
  return napis;
}

}  // namespace

std::optional<std::string> jeden_napis(const Definicja_Tokenu& d) {
  if (d.slowo_kluczowe) return d.napis;
  const std::optional<std::string> n = jeden_napis(d.wzor);
  if (!n || n->empty()) return std::nullopt;
  return n;
}

std::vector<Pisownia_Tokenu> pisownie(const std::vector<std::string>& nazwy, const Opis_Tokenow* tokeny) {
  std::unordered_map<std::string_view, int> definicje;  // by name, their place in the file
  for (std::size_t i = 0; tokeny && i < tokeny->tokeny.size(); ++i)
    definicje.emplace(tokeny->tokeny[i].nazwa, static_cast<int>(i));
  std::vector<Pisownia_Tokenu> wynik;
  for (const std::string& nazwa : nazwy) {
    const auto d = definicje.find(nazwa);
    const int miejsce = d == definicje.end() ? -1 : d->second;
    const std::optional<std::string> napis =
        miejsce < 0 ? std::nullopt : jeden_napis(tokeny->tokeny[static_cast<std::size_t>(miejsce)]);
    const char cudzyslow = napis ? '"' : '\'';
    wynik.push_back({cudzyslow + (napis ? *napis : nazwa) + cudzyslow, miejsce});
  }
  return wynik;
}

}  // namespace bryzas
