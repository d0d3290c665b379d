#include "gramatyka/analiza_zbiory.h"

#include <algorithm>
#include <bit>

namespace bryzas_analiza {

std::vector<Zbior::Slowo>& Zbior::wlasne() {
  if (!slowa_) {
    slowa_ = std::make_shared<std::vector<Slowo>>();
    if (jedno_ != 0) slowa_->push_back(jedno_);
    jedno_ = 0;
  } else if (slowa_.use_count() > 1) {
    slowa_ = std::make_shared<std::vector<Slowo>>(*slowa_);
  }
  return *slowa_;
}

// Words that must move or be copied go once into a vector of the size
// wanted.
void Zbior::obejmij(std::size_t od, std::size_t do_) {
  if (ile() > 0) {
    od = std::min(od, od_);
    do_ = std::max(do_, od_ + ile());
    if (slowa_ && slowa_.use_count() == 1 && od == od_) {
      slowa_->resize(do_ - od, 0);
      return;
    }
  }
  auto nowe = std::make_shared<std::vector<Slowo>>(do_ - od, 0);
  if (ile() > 0) std::copy(dane(), dane() + ile(), nowe->begin() + static_cast<std::ptrdiff_t>(od_ - od));
  slowa_ = std::move(nowe);
  jedno_ = 0;
  od_ = od;
}

void Zbior::przytnij() {
  if (!slowa_) return;
  std::vector<Slowo>& s = *slowa_;
  std::size_t p = 0;
  while (p < s.size() && s[p] == 0) ++p;
  std::size_t k = s.size();
  while (k > p && s[k - 1] == 0) --k;
  od_ = p == k ? 0 : od_ + p;
  if (k - p <= 1) {
    jedno_ = p == k ? 0 : s[p];
    slowa_.reset();
    return;
  }
  s.erase(s.begin() + static_cast<std::ptrdiff_t>(k), s.end());
  s.erase(s.begin(), s.begin() + static_cast<std::ptrdiff_t>(p));
}

// One word stays in place; a terminal in another word makes them a vector.
bool Zbior::dodaj(int terminal) {
  const auto i = static_cast<std::size_t>(terminal);
  const std::size_t nr = i / bity;
  const Slowo bit = Slowo{1} << (i % bity);
  if (slowo(nr) & bit) return false;
  if (!slowa_ && (jedno_ == 0 || nr == od_)) {
    od_ = nr;
    jedno_ |= bit;
    return true;
  }
  obejmij(nr, nr + 1);
  (*slowa_)[nr - od_] |= bit;
  return true;
}

bool Zbior::dodaj_koniec() {
  if (koniec_) return false;
  koniec_ = true;
  return true;
}

// An empty set takes the other's words as they are, shared; a set that
// would not grow is left as it is, so sharing holds.
bool Zbior::dodaj(const Zbior& z) {
  const bool nowy = z.koniec_ && dodaj_koniec();
  if (z.ile() == 0) return nowy;
  if (ile() == 0) {
    od_ = z.od_;
    jedno_ = z.jedno_;
    slowa_ = z.slowa_;
    return true;
  }
  if (!slowa_ && !z.slowa_ && od_ == z.od_) {
    const Slowo przed = jedno_;
    jedno_ |= z.jedno_;
    return nowy || jedno_ != przed;
  }
  const Slowo* const jego = z.dane();
  Slowo roznica = 0;
  for (std::size_t i = 0; i < z.ile() && roznica == 0; ++i) roznica = jego[i] & ~slowo(z.od_ + i);
  if (roznica == 0) return nowy;
  obejmij(z.od_, z.od_ + z.ile());
  Slowo* const moje = slowa_->data() + (z.od_ - od_);
  for (std::size_t i = 0; i < z.ile(); ++i) moje[i] |= jego[i];
  return true;
}

bool Zbior::zawiera(int terminal) const {
  const auto i = static_cast<std::size_t>(terminal);
  return (slowo(i / bity) >> (i % bity)) & 1;
}

bool Zbior::przecina(const Zbior& z) const {
  if (koniec_ && z.koniec_) return true;
  const std::size_t od = std::max(od_, z.od_);
  const std::size_t do_ = std::min(od_ + ile(), z.od_ + z.ile());
  for (std::size_t nr = od; nr < do_; ++nr)
    if (dane()[nr - od_] & z.dane()[nr - z.od_]) return true;
  return false;
}

Zbior Zbior::przeciecie(const Zbior& z) const {
  Zbior w;
  w.koniec_ = koniec_ && z.koniec_;
  const std::size_t od = std::max(od_, z.od_);
  const std::size_t do_ = std::min(od_ + ile(), z.od_ + z.ile());
  if (od >= do_) return w;
  w.od_ = od;
  std::vector<Slowo>& s = w.wlasne();
  for (std::size_t nr = od; nr < do_; ++nr) s.push_back(dane()[nr - od_] & z.dane()[nr - z.od_]);
  w.przytnij();
  return w;
}

Zbior Zbior::bez(const Zbior& z) const {
  Zbior w;
  w.koniec_ = koniec_ && !z.koniec_;
  if (ile() == 0) return w;
  w.od_ = od_;
  std::vector<Slowo>& s = w.wlasne();
  for (std::size_t i = 0; i < ile(); ++i) s.push_back(dane()[i] & ~z.slowo(od_ + i));
  w.przytnij();
  return w;
}

std::vector<int> Zbior::terminale() const {
  std::vector<int> w;
  for (std::size_t i = 0; i < ile(); ++i)
    for (Slowo s = dane()[i]; s != 0; s &= s - 1)
      w.push_back(static_cast<int>((od_ + i) * bity + static_cast<std::size_t>(std::countr_zero(s))));
  return w;
}

analiza_zbiory::analiza_zbiory(const Gramatyka& g) : analiza_zbiory(g, {}, true) {}

analiza_zbiory::analiza_zbiory(const Gramatyka& g, std::vector<Stan> stan)
    : analiza_zbiory(g, std::move(stan), false) {}

analiza_zbiory::analiza_zbiory(const Gramatyka& g, std::vector<Stan> stan, bool jak_napisana)
    : g_(g),
      stan_(std::move(stan)),
      wyprowadza_(idx(g.nieterminale.licz()), jak_napisana),
      pusty_(idx(g.nieterminale.licz()), false),
      first_(idx(g.nieterminale.licz())),
      zywy_(idx(g.nieterminale.licz()), jak_napisana),
      follow_(idx(g.nieterminale.licz())) {
  stan_.resize(idx(g.nieterminale.licz()), Stan::zwykly);
  if (!jak_napisana) licz_wyprowadzalne();
  licz_first();
  if (!jak_napisana) licz_zywe();
  licz_follow();
}

bool analiza_zbiory::wyprowadza(const Ciag& ciag) const {
  return std::all_of(ciag.begin(), ciag.end(), [this](const Element& e) { return wyprowadza(e); });
}

// An option or a repetition can always be passed by.
bool analiza_zbiory::wyprowadza(const Element& e) const {
  switch (e.rodzaj) {
    case Rodzaj_Elementu::symbol:
      return wyprowadza(e.symbol);
    case Rodzaj_Elementu::opcja:
    case Rodzaj_Elementu::powtorzenie:
      return true;
    case Rodzaj_Elementu::alternatywa:
      return std::any_of(e.galezie.begin(), e.galezie.end(), [this](const Ciag& c) { return wyprowadza(c); });
  }
  return false;
}

void analiza_zbiory::licz_wyprowadzalne() {
  for (std::size_t n = 0; n < stan_.size(); ++n) wyprowadza_[n] = stan_[n] == Stan::zalozony;
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje) {
      if (wyprowadza_[idx(p.lewa)] || stan_[idx(p.lewa)] != Stan::zwykly) continue;
      if (wyprowadza(p.prawa)) wyprowadza_[idx(p.lewa)] = zmiana = true;
    }
  }
}

Zbior analiza_zbiory::first_symbolu(const Symbol& s, bool& pusty) const {
  if (s.terminal) {
    pusty = false;
    Zbior z;
    z.dodaj(s.nr);
    return z;
  }
  // A name without a production derives nothing: empty FIRST, not nullable.
  pusty = pusty_[idx(s.nr)];
  return first_[idx(s.nr)];
}

Zbior analiza_zbiory::first_ciagu(const Ciag& c, std::size_t od, std::size_t do_, bool& pusty) const {
  Zbior z;
  pusty = true;
  for (std::size_t i = od; i < std::min(do_, c.size()) && pusty; ++i) z.dodaj(first_elementu(c[i], pusty));
  return z;
}

Zbior analiza_zbiory::first_elementu(const Element& e, bool& pusty) const {
  if (e.rodzaj == Rodzaj_Elementu::symbol) return first_symbolu(e.symbol, pusty);
  Zbior z;
  bool galaz_pusta = false;
  for (const Ciag& galaz : e.galezie) {
    if (!wyprowadza(galaz)) continue;
    bool p;
    z.dodaj(first_ciagu(galaz, 0, p));
    galaz_pusta = galaz_pusta || p;
  }
  pusty = e.rodzaj != Rodzaj_Elementu::alternatywa || galaz_pusta;
  return z;
}

// Both grow monotonically, so repeating until nothing changes terminates.
// Grammars are mostly written top-down, so going from the last production
// to the first settles them in few rounds.
void analiza_zbiory::licz_first() {
  const std::vector<int> produkcja_dla = g_.produkcja_dla();
  for (const Linia_First& l : g_.first)
    if (stan_[idx(l.nieterminal)] == Stan::zalozony && produkcja_dla[idx(l.nieterminal)] < 0)
      for (const Symbol& t : l.terminale) first_[idx(l.nieterminal)].dodaj(t.nr);
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (auto it = g_.produkcje.rbegin(); it != g_.produkcje.rend(); ++it) {
      const Produkcja& p = *it;
      if (!wyprowadza_[idx(p.lewa)]) continue;
      bool p_pusty;
      Zbior z = first_ciagu(p.prawa, 0, p_pusty);
      if (first_[idx(p.lewa)].dodaj(z)) zmiana = true;
      if (p_pusty && !pusty_[idx(p.lewa)]) pusty_[idx(p.lewa)] = zmiana = true;
    }
  }
}

// From the start symbol through what derivations can use.
void analiza_zbiory::licz_zywe() {
  if (g_.produkcje.empty() || !wyprowadza_[idx(g_.produkcje[0].lewa)]) return;
  const std::vector<int> produkcja_dla = g_.produkcja_dla();
  std::vector<int> do_odwiedzenia{g_.produkcje[0].lewa};
  zywy_[idx(g_.produkcje[0].lewa)] = true;
  auto odwiedz = [&](const Ciag& c, auto& samo) -> void {
    for (const Element& e : c) {
      if (e.rodzaj != Rodzaj_Elementu::symbol) {
        for (const Ciag& galaz : e.galezie)
          if (wyprowadza(galaz)) samo(galaz, samo);
      } else if (!e.symbol.terminal && wyprowadza(e.symbol) && !zywy_[idx(e.symbol.nr)]) {
        zywy_[idx(e.symbol.nr)] = true;
        do_odwiedzenia.push_back(e.symbol.nr);
      }
    }
  };
  while (!do_odwiedzenia.empty()) {
    const int n = do_odwiedzenia.back();
    do_odwiedzenia.pop_back();
    const int ip = produkcja_dla[idx(n)];
    if (ip >= 0) odwiedz(g_.produkcje[idx(ip)].prawa, odwiedz);
  }
}

// Notes what follows each group of the sequence and each nonterminal in
// it, given what follows the sequence (za_ciagiem and dodatek), going from
// its end; returns whether
// a set grew. The end of a branch is followed by what follows its group,
// and in a repetition also by the group once more. What follows an element
// is the FIRST of the elements after it (`lokalne`) and, while these can
// all vanish, what follows the sequence: the two are joined only where a
// group keeps the result, so that a large set that follows the sequence is
// shared and not copied at every element.
bool analiza_zbiory::przejdz(const Ciag& c, const Zbior& za_ciagiem, const Zbior& dodatek) {
  bool zmiana = false;
  Zbior lokalne = dodatek;
  bool przechodzi = true;
  for (std::size_t i = c.size(); i-- > 0;) {
    const Element& e = c[i];
    bool pusty;
    const Zbior first = first_elementu(e, pusty);
    if (e.rodzaj == Rodzaj_Elementu::symbol) {
      if (!e.symbol.terminal) {
        Zbior& follow = follow_[idx(e.symbol.nr)];
        if (przechodzi && follow.dodaj(za_ciagiem)) zmiana = true;
        if (follow.dodaj(lokalne)) zmiana = true;
      }
    } else {
      // The sets only grow from round to round: what a group kept is
      // joined with, which leaves it as it is when nothing is new.
      Zbior& za = za_[&e];
      if (przechodzi) za.dodaj(za_ciagiem);
      za.dodaj(lokalne);
      // A branch of a repetition is followed by the group once more too.
      const Zbior dalej = e.rodzaj == Rodzaj_Elementu::powtorzenie ? first : Zbior{};
      for (const Ciag& galaz : e.galezie)
        if (wyprowadza(galaz) && przejdz(galaz, za, dalej)) zmiana = true;
    }
    if (!pusty) {
      lokalne = Zbior{};
      przechodzi = false;
    }
    lokalne.dodaj(first);
  }
  return zmiana;
}

void analiza_zbiory::licz_follow() {
  if (g_.produkcje.empty()) return;
  follow_[idx(g_.produkcje[0].lewa)].dodaj_koniec();
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje)
      if (zywy_[idx(p.lewa)] && przejdz(p.prawa, Zbior(follow_[idx(p.lewa)]), Zbior{})) zmiana = true;
  }
}

}  // namespace bryzas_analiza
