#include "gramatyka/analiza_dojscie.h"

#include <algorithm>

namespace bryzas_analiza {

bool dochodzi(const Analiza_Zbiory& z, const Strona& s, const Zbior& tokeny) {
  const Element& grupa = *s.galaz.grupa;
  if (!z.w_wyprowadzeniach(grupa)) return false;
  const Zbior& za = z.za(grupa);
  if (s.tylko_za) return za.przecina(tokeny);
  const Ciag& ciag = s.galaz.ciag();
  if (!z.wyprowadza(ciag)) return false;
  bool pusty;
  z.first_ciagu(ciag, 0, s.od, pusty);
  if (!pusty) return false;
  Zbior w = z.first_ciagu(ciag, s.od, s.do_, pusty);
  if (pusty && s.za) w.dodaj(za);
  return w.przecina(tokeny);
}

namespace {

using Stan = Analiza_Zbiory::Stan;

// The faulty nonterminals as `wada`, the others as they are.
std::vector<Stan> stany(const std::vector<bool>& wadliwe, Stan wada) {
  std::vector<Stan> w;
  for (bool x : wadliwe) w.push_back(x ? wada : Stan::zwykly);
  return w;
}

}  // namespace

Analiza_Wad::Analiza_Wad(const Gramatyka& g, std::vector<bool> wadliwe)
    : g_(g),
      wadliwe_(std::move(wadliwe)),
      naprawiona_(g, stany(wadliwe_, Stan::zalozony)),
      bez_wad_(g, stany(wadliwe_, Stan::wykluczony)) {
  for (std::size_t n = 0; n < wadliwe_.size(); ++n)
    if (wadliwe_[n] && naprawiona_.zywy(static_cast<int>(n))) spotykane_.push_back(static_cast<int>(n));
  bez_jednego_.resize(spotykane_.size());
}

bool Analiza_Wad::dochodzi(const Analiza_Zbiory& z, const std::vector<Strona>& strony, const Zbior& tokeny) {
  return std::any_of(strony.begin(), strony.end(),
                     [&](const Strona& s) { return bryzas_analiza::dochodzi(z, s, tokeny); });
}

bool Analiza_Wad::mozliwe(const std::vector<Strona>& strony, const Zbior& tokeny) const {
  return dochodzi(naprawiona_, strony, tokeny);
}

bool Analiza_Wad::bez_wad(const std::vector<Strona>& strony, const Zbior& tokeny) const {
  return dochodzi(bez_wad_, strony, tokeny);
}

std::vector<int> Analiza_Wad::konieczne(const std::vector<Strona>& strony, const Zbior& tokeny) {
  std::vector<int> w;
  // Each costs the sets of the whole grammar: past a bound none is told.
  if (spotykane_.size() > max_bez_jednego) return w;
  for (std::size_t i = 0; i < spotykane_.size(); ++i) {
    if (!bez_jednego_[i]) {
      std::vector<Stan> s = stany(wadliwe_, Stan::zalozony);
      s[static_cast<std::size_t>(spotykane_[i])] = Stan::wykluczony;
      bez_jednego_[i] = std::make_unique<Analiza_Zbiory>(g_, std::move(s));
    }
    if (!dochodzi(*bez_jednego_[i], strony, tokeny)) w.push_back(spotykane_[i]);
  }
  return w;
}

}  // namespace bryzas_analiza
