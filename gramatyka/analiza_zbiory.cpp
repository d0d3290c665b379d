#include "gramatyka/analiza_zbiory.h"

#include <algorithm>
#include <bit>

namespace bryzas_analiza {

Zbior::Slowo Zbior::slowo(std::size_t nr) const {
  if (bloki_.empty()) return nr == nr_jednego_ ? jedno_ : 0;
  const std::size_t b = nr / slow_w_bloku;
  if (b < od_ || b - od_ >= bloki_.size() || !bloki_[b - od_]) return 0;
  return (*bloki_[b - od_])[nr % slow_w_bloku];
}

template <class F>
void Zbior::dla_slow(F f) const {
  if (bloki_.empty()) {
    if (jedno_ != 0) f(nr_jednego_, jedno_);
    return;
  }
  for (std::size_t i = 0; i < bloki_.size(); ++i) {
    if (!bloki_[i]) continue;
    for (std::size_t w = 0; w < slow_w_bloku; ++w)
      if ((*bloki_[i])[w] != 0 && !f((od_ + i) * slow_w_bloku + w, (*bloki_[i])[w])) return;
  }
}

void Zbior::obejmij(std::size_t od, std::size_t do_) {
  if (bloki_.empty()) {
    od_ = od;
    bloki_.resize(do_ - od);
    return;
  }
  if (od < od_) {
    bloki_.insert(bloki_.begin(), od_ - od, nullptr);
    od_ = od;
  }
  if (do_ > od_ + bloki_.size()) bloki_.resize(do_ - od_);
}

Zbior::Blok& Zbior::blok(std::size_t b) {
  if (bloki_.empty())
    obejmij(b, b + 1);
  else
    obejmij(std::min(b, od_), std::max(b + 1, od_ + bloki_.size()));
  std::shared_ptr<Blok>& p = bloki_[b - od_];
  if (!p)
    p = std::make_shared<Blok>();
  else if (p.use_count() > 1)
    p = std::make_shared<Blok>(*p);
  return *p;
}

// One word stays in place; a word of another number makes them blocks.
void Zbior::dodaj_slowo(std::size_t nr, Slowo s) {
  if (bloki_.empty() && (jedno_ == 0 || nr == nr_jednego_)) {
    nr_jednego_ = nr;
    jedno_ |= s;
    return;
  }
  do_blokow();
  blok(nr / slow_w_bloku)[nr % slow_w_bloku] |= s;
}

void Zbior::do_blokow() {
  if (jedno_ == 0) return;
  const Slowo jedno = jedno_;
  jedno_ = 0;
  blok(nr_jednego_ / slow_w_bloku)[nr_jednego_ % slow_w_bloku] = jedno;
}

bool Zbior::dodaj(int terminal) {
  const auto i = static_cast<std::size_t>(terminal);
  const Slowo bit = Slowo{1} << (i % bity);
  if (slowo(i / bity) & bit) return false;
  dodaj_slowo(i / bity, bit);
  return true;
}

bool Zbior::dodaj_koniec() {
  if (koniec_) return false;
  koniec_ = true;
  return true;
}

// A set without terminals takes the other's blocks; of the other's blocks
// one that this set lacks is taken as it is, one that is this set's own
// too is passed by, and only one that adds something is joined word by
// word.
bool Zbior::dodaj(const Zbior& z) {
  bool nowy = z.koniec_ && dodaj_koniec();
  if (z.bloki_.empty()) {
    const Slowo roznica = z.jedno_ & ~slowo(z.nr_jednego_);
    if (roznica != 0) dodaj_slowo(z.nr_jednego_, roznica);
    return nowy || roznica != 0;
  }
  if (bloki_.empty() && jedno_ == 0) {
    od_ = z.od_;
    bloki_ = z.bloki_;
    return true;
  }
  do_blokow();
  obejmij(std::min(od_, z.od_), std::max(od_ + bloki_.size(), z.od_ + z.bloki_.size()));
  for (std::size_t i = 0; i < z.bloki_.size(); ++i) {
    const std::shared_ptr<Blok>& jego = z.bloki_[i];
    std::shared_ptr<Blok>& moj = bloki_[z.od_ + i - od_];
    if (!jego || moj == jego) continue;
    if (!moj) {
      moj = jego;
      nowy = true;
      continue;
    }
    Slowo roznica = 0;
    for (std::size_t w = 0; w < slow_w_bloku; ++w) roznica |= (*jego)[w] & ~(*moj)[w];
    if (roznica == 0) continue;
    Blok& b = blok(z.od_ + i);
    for (std::size_t w = 0; w < slow_w_bloku; ++w) b[w] |= (*jego)[w];
    nowy = true;
  }
  return nowy;
}

bool Zbior::zawiera(int terminal) const {
  const auto i = static_cast<std::size_t>(terminal);
  return (slowo(i / bity) >> (i % bity)) & 1;
}

bool Zbior::przecina(const Zbior& z) const {
  if (koniec_ && z.koniec_) return true;
  bool wspolny = false;
  dla_slow([&](std::size_t nr, Slowo s) { return !(wspolny = (s & z.slowo(nr)) != 0); });
  return wspolny;
}

Zbior Zbior::przeciecie(const Zbior& z) const {
  Zbior w;
  w.koniec_ = koniec_ && z.koniec_;
  dla_slow([&](std::size_t nr, Slowo s) {
    if (const Slowo x = s & z.slowo(nr)) w.dodaj_slowo(nr, x);
    return true;
  });
  return w;
}

Zbior Zbior::bez(const Zbior& z) const {
  Zbior w;
  w.koniec_ = koniec_ && !z.koniec_;
  dla_slow([&](std::size_t nr, Slowo s) {
    if (const Slowo x = s & ~z.slowo(nr)) w.dodaj_slowo(nr, x);
    return true;
  });
  return w;
}

std::vector<int> Zbior::terminale() const {
  std::vector<int> w;
  dla_slow([&](std::size_t nr, Slowo s) {
    for (; s != 0; s &= s - 1) w.push_back(static_cast<int>(nr * bity + static_cast<std::size_t>(std::countr_zero(s))));
    return true;
  });
  return w;
}

Analiza_Zbiory::Analiza_Zbiory(const Gramatyka& g) : Analiza_Zbiory(g, {}, true) {}

Analiza_Zbiory::Analiza_Zbiory(const Gramatyka& g, std::vector<Stan> stan)
    : Analiza_Zbiory(g, std::move(stan), false) {}

Analiza_Zbiory::Analiza_Zbiory(const Gramatyka& g, std::vector<Stan> stan, bool jak_napisana)
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

bool Analiza_Zbiory::wyprowadza(const Ciag& ciag) const {
  return std::all_of(ciag.begin(), ciag.end(), [this](const Element& e) { return wyprowadza(e); });
}

// An option or a repetition can always be passed by.
bool Analiza_Zbiory::wyprowadza(const Element& e) const {
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

void Analiza_Zbiory::licz_wyprowadzalne() {
  for (std::size_t n = 0; n < stan_.size(); ++n) wyprowadza_[n] = stan_[n] == Stan::zalozony;
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje) {
      if (wyprowadza_[idx(p.lewa)] || stan_[idx(p.lewa)] != Stan::zwykly) continue;
      if (wyprowadza(p.prawa)) wyprowadza_[idx(p.lewa)] = zmiana = true;
    }
  }
}

Zbior Analiza_Zbiory::first_symbolu(const Symbol& s, bool& pusty) const {
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

Zbior Analiza_Zbiory::first_ciagu(const Ciag& c, std::size_t od, std::size_t do_, bool& pusty) const {
  Zbior z;
  pusty = true;
  for (std::size_t i = od; i < std::min(do_, c.size()) && pusty; ++i) z.dodaj(first_elementu(c[i], pusty));
  return z;
}

Zbior Analiza_Zbiory::first_elementu(const Element& e, bool& pusty) const {
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
void Analiza_Zbiory::licz_first() {
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
void Analiza_Zbiory::licz_zywe() {
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
bool Analiza_Zbiory::przejdz(const Ciag& c, const Zbior& za_ciagiem, const Zbior& dodatek) {
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

void Analiza_Zbiory::licz_follow() {
  if (g_.produkcje.empty()) return;
  follow_[idx(g_.produkcje[0].lewa)].dodaj_koniec();
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (const Produkcja& p : g_.produkcje)
      if (zywy_[idx(p.lewa)] && przejdz(p.prawa, Zbior(follow_[idx(p.lewa)]), Zbior{})) zmiana = true;
  }
}

}  // namespace bryzas_analiza
