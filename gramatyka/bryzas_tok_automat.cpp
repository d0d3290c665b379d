#include "gramatyka/bryzas_tok_automat.h"

#include <algorithm>
#include <array>
#include <deque>
#include <map>
#include <unordered_map>

namespace bryzas {

namespace {

// The other case of a Latin-1 letter, or the character itself.
unsigned char druga_wielkosc(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 222 && c != 215)) return static_cast<unsigned char>(c + 32);
  if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247)) return static_cast<unsigned char>(c - 32);
  return c;
}

std::size_t idx(int nr) { return static_cast<std::size_t>(nr); }

// A move on the characters of set `zbior` (an index into Nka::zbiory).
struct Krawedz {
  int zbior;
  int cel;
};

// Sets of states as keys.
struct Skrot_Stanow {
  std::size_t operator()(const std::vector<int>& v) const {
    std::size_t h = v.size();
    for (int x : v) h = (h ^ static_cast<std::size_t>(x)) * 0x100000001b3ULL;
    return h;
  }
};

// The nondeterministic automaton, one fragment per node of a pattern. The
// character sets of its moves are kept once each.
class Nka {
public:
  explicit Nka(std::size_t granica) : granica_(granica) {}

  std::vector<Zbior_Znakow> zbiory;
  std::vector<std::vector<Krawedz>> krawedzie;
  std::vector<std::vector<int>> puste;  // moves on no character
  std::vector<int> konczy;              // pattern that ends in the state, or -1
  bool za_duzy = false;

  int nowy() {
    if (krawedzie.size() >= granica_) za_duzy = true;
    krawedzie.emplace_back();
    puste.emplace_back();
    konczy.push_back(-1);
    return static_cast<int>(krawedzie.size()) - 1;
  }

  // The fragment of w entered at `od`; returns its exit.
  int fragment(const Wzor& w, int od, bool bez_wielkosci) {
    if (za_duzy) return od;
    switch (w.rodzaj) {
      case Wzor::Rodzaj::znak: {
        Zbior_Znakow z = w.znaki;
        if (bez_wielkosci)
          for (unsigned c = 0; c < 256; ++c)
            if (w.znaki[c]) z.set(druga_wielkosc(static_cast<unsigned char>(c)));
        const int cel = nowy();
        krawedzie[idx(od)].push_back({numer_zbioru(z), cel});
        return cel;
      }
      case Wzor::Rodzaj::ciag:
        for (const Wzor& c : w.czesci) od = fragment(c, od, bez_wielkosci);
        return od;
      case Wzor::Rodzaj::wybor: {
        const int wyjscie = nowy();
        for (const Wzor& c : w.czesci) {
          const int wejscie = nowy();
          puste[idx(od)].push_back(wejscie);
          puste[idx(fragment(c, wejscie, bez_wielkosci))].push_back(wyjscie);
        }
        return wyjscie;
      }
      case Wzor::Rodzaj::opcja: {
        const int wejscie = nowy();
        const int wyjscie = nowy();
        puste[idx(od)].push_back(wejscie);
        puste[idx(od)].push_back(wyjscie);
        puste[idx(fragment(w.czesci[0], wejscie, bez_wielkosci))].push_back(wyjscie);
        return wyjscie;
      }
      case Wzor::Rodzaj::powtorzenie: {
        const int petla = nowy();
        puste[idx(od)].push_back(petla);
        puste[idx(fragment(w.czesci[0], petla, bez_wielkosci))].push_back(petla);
        return petla;
      }
    }
    return od;
  }

  // The states reachable on no character, sorted. The marks of one call are
  // told from those of the others by its number, so that a call costs what
  // it visits and not the size of the automaton.
  std::vector<int> domkniecie(std::vector<int> stany) const {
    znacznik_.resize(krawedzie.size(), 0);
    ++pokolenie_;
    for (int s : stany) znacznik_[idx(s)] = pokolenie_;
    for (std::size_t i = 0; i < stany.size(); ++i)
      for (int t : puste[idx(stany[i])])
        if (znacznik_[idx(t)] != pokolenie_) {
          znacznik_[idx(t)] = pokolenie_;
          stany.push_back(t);
        }
    std::sort(stany.begin(), stany.end());
    return stany;
  }

private:
  int numer_zbioru(const Zbior_Znakow& z) {
    auto [it, nowy] = numery_zbiorow_.emplace(z, static_cast<int>(zbiory.size()));
    if (nowy) zbiory.push_back(z);
    return it->second;
  }

  std::size_t granica_;
  std::unordered_map<Zbior_Znakow, int> numery_zbiorow_;
  mutable std::vector<long> znacznik_;
  mutable long pokolenie_ = 0;
};

// Characters that no move of the automaton tells apart share a class, so
// that the construction goes by classes and not by characters.
struct Klasy_Nka {
  std::array<int, 256> klasa{};
  int licz = 1;
  std::vector<std::vector<int>> zbioru;  // the classes of each character set
};

Klasy_Nka klasy_nka(const std::vector<Zbior_Znakow>& zbiory) {
  Klasy_Nka k;
  std::vector<int> nowa;
  for (const Zbior_Znakow& z : zbiory) {
    // Each class splits into its characters in z and those outside.
    nowa.assign(idx(k.licz) * 2, -1);
    int licz = 0;
    for (unsigned c = 0; c < 256; ++c) {
      int& n = nowa[idx(k.klasa[c]) * 2 + (z[c] ? 1 : 0)];
      if (n < 0) n = licz++;
      k.klasa[c] = n;
    }
    k.licz = licz;
  }
  for (const Zbior_Znakow& z : zbiory) {
    std::vector<int> klasy;
    for (unsigned c = 0; c < 256; ++c)
      if (z[c]) klasy.push_back(k.klasa[c]);
    std::sort(klasy.begin(), klasy.end());
    klasy.erase(std::unique(klasy.begin(), klasy.end()), klasy.end());
    k.zbioru.push_back(std::move(klasy));
  }
  return k;
}

// The deterministic automaton by subsets, one row of classes per state:
// state k is zbiory[k], 0 the dead state.
struct Podzbiory {
  std::vector<std::vector<int>> zbiory{{}};
  std::vector<int> tablica;  // [stan * klasy.licz + klasa]
};

std::optional<Podzbiory> podzbiory(const Nka& n, const Klasy_Nka& klasy, int start, std::size_t granica,
                                   std::size_t granica_pracy) {
  const auto licz = idx(klasy.licz);
  Podzbiory p;
  p.tablica.assign(licz, 0);
  std::unordered_map<std::vector<int>, int, Skrot_Stanow> numery;
  auto numer = [&](std::vector<int> zbior) {
    auto [it, nowy] = numery.emplace(std::move(zbior), static_cast<int>(p.zbiory.size()));
    if (nowy) p.zbiory.push_back(it->first);
    return it->second;
  };
  numer(n.domkniecie({start}));
  std::vector<std::vector<int>> cele(licz);
  std::size_t praca = 0;
  for (std::size_t k = 1; k < p.zbiory.size(); ++k) {
    praca += p.zbiory[k].size();
    if (p.zbiory.size() > granica || praca > granica_pracy) return std::nullopt;
    for (auto& c : cele) c.clear();
    for (int s : p.zbiory[k])
      for (const Krawedz& kr : n.krawedzie[idx(s)])
        for (int c : klasy.zbioru[idx(kr.zbior)]) cele[idx(c)].push_back(kr.cel);
    std::vector<int> wiersz(licz, 0);
    std::map<std::vector<int>, int> juz;  // the same targets give the same state
    for (std::size_t c = 0; c < licz; ++c) {
      if (cele[c].empty()) continue;
      std::sort(cele[c].begin(), cele[c].end());
      cele[c].erase(std::unique(cele[c].begin(), cele[c].end()), cele[c].end());
      auto it = juz.find(cele[c]);
      if (it == juz.end()) it = juz.emplace(cele[c], numer(n.domkniecie(cele[c]))).first;
      wiersz[c] = it->second;
    }
    p.tablica.insert(p.tablica.end(), wiersz.begin(), wiersz.end());
  }
  return p;
}

// The states from which some pattern can still end.
std::vector<bool> zywe(const Podzbiory& p, std::size_t licz, const std::vector<int>& wygrany) {
  const std::size_t razem = p.zbiory.size();
  std::vector<std::vector<std::size_t>> poprzednie(razem);
  for (std::size_t k = 1; k < razem; ++k)
    for (std::size_t c = 0; c < licz; ++c)
      if (const auto t = idx(p.tablica[k * licz + c]); t != 0) poprzednie[t].push_back(k);
  std::vector<bool> zywy(razem, false);
  std::vector<std::size_t> do_zrobienia;
  for (std::size_t k = 1; k < razem; ++k)
    if (wygrany[k] >= 0) {
      zywy[k] = true;
      do_zrobienia.push_back(k);
    }
  while (!do_zrobienia.empty()) {
    const std::size_t k = do_zrobienia.back();
    do_zrobienia.pop_back();
    for (std::size_t q : poprzednie[k])
      if (!zywy[q]) {
        zywy[q] = true;
        do_zrobienia.push_back(q);
      }
  }
  return zywy;
}

// The automaton as it is kept: the live states renumbered in breadth-first
// order from the start, which is always 1, and the characters whose columns
// are equal in one class, numbered from 0 by their first character.
struct Uklad {
  std::vector<int> tablica;
  std::vector<int> wygrany;
  std::vector<std::vector<int>> konczace;
  std::vector<int> klasy;
  int licz_klas = 0;
};

Uklad uloz(const Podzbiory& p, const Klasy_Nka& klasy, const std::vector<bool>& zywy, const std::vector<int>& wygrany,
           const std::vector<std::vector<int>>& konczace) {
  const auto licz = idx(klasy.licz);
  auto cel = [&](std::size_t k, std::size_t klasa) { return idx(p.tablica[k * licz + klasa]); };
  std::vector<int> nowy_nr(p.zbiory.size(), 0);
  std::vector<std::size_t> kolejnosc{1};
  nowy_nr[1] = 1;
  for (std::size_t i = 0; i < kolejnosc.size(); ++i)
    for (unsigned c = 0; c < 256; ++c) {
      const std::size_t t = cel(kolejnosc[i], idx(klasy.klasa[c]));
      if (t != 0 && zywy[t] && nowy_nr[t] == 0) {
        kolejnosc.push_back(t);
        nowy_nr[t] = static_cast<int>(kolejnosc.size());
      }
    }
  Uklad u;
  std::map<std::vector<int>, int> kolumny;
  std::vector<std::size_t> wzor_klasy;  // a class of the automaton's moves for each of these
  for (unsigned c = 0; c < 256; ++c) {
    std::vector<int> kolumna;
    for (std::size_t k : kolejnosc) kolumna.push_back(nowy_nr[cel(k, idx(klasy.klasa[c]))]);
    auto [it, nowa] = kolumny.emplace(std::move(kolumna), u.licz_klas);
    if (nowa) {
      ++u.licz_klas;
      wzor_klasy.push_back(idx(klasy.klasa[c]));
    }
    u.klasy.push_back(it->second);
  }
  u.tablica.assign((kolejnosc.size() + 1) * wzor_klasy.size(), 0);
  u.wygrany.assign(kolejnosc.size() + 1, -1);
  u.konczace.assign(kolejnosc.size() + 1, {});
  for (std::size_t i = 0; i < kolejnosc.size(); ++i) {
    const std::size_t k = kolejnosc[i];
    for (std::size_t f = 0; f < wzor_klasy.size(); ++f)
      u.tablica[(i + 1) * wzor_klasy.size() + f] = nowy_nr[cel(k, wzor_klasy[f])];
    u.wygrany[i + 1] = wygrany[k];
    u.konczace[i + 1] = konczace[k];
  }
  return u;
}

}  // namespace

std::optional<Automat_Tokenow> Automat_Tokenow::zbuduj(const std::vector<Wzorzec>& wzorce, Granice_Automatu granice) {
  const bool rosnace = granice == Granice_Automatu::rosnace;
  Nka n(max_stanow_nka + (rosnace ? stanow_nka_na_wzorzec * wzorce.size() : 0));
  const int start = n.nowy();
  for (std::size_t i = 0; i < wzorce.size(); ++i) {
    const int wejscie = n.nowy();
    n.puste[idx(start)].push_back(wejscie);
    const int wyjscie = n.fragment(*wzorce[i].wzor, wejscie, wzorce[i].bez_wielkosci);
    if (n.za_duzy) return std::nullopt;
    n.konczy[idx(wyjscie)] = static_cast<int>(i);
  }
  const Klasy_Nka klasy = klasy_nka(n.zbiory);
  const std::size_t granica = rosnace ? max_stanow + n.krawedzie.size() : max_stanow;
  const std::size_t granica_pracy = rosnace ? praca_na_stan * granica : static_cast<std::size_t>(-1);
  const std::optional<Podzbiory> p = podzbiory(n, klasy, start, granica, granica_pracy);
  if (!p) return std::nullopt;

  // What ends in each state, and which of it wins.
  const std::size_t razem = p->zbiory.size();
  std::vector<std::vector<int>> konczace(razem);
  std::vector<int> wygrany(razem, -1);
  for (std::size_t k = 1; k < razem; ++k) {
    for (int s : p->zbiory[k])
      if (n.konczy[idx(s)] >= 0) konczace[k].push_back(n.konczy[idx(s)]);
    std::sort(konczace[k].begin(), konczace[k].end());
    for (int w : konczace[k])
      if (wygrany[k] < 0 || wzorce[idx(w)].priorytet < wzorce[idx(wygrany[k])].priorytet) wygrany[k] = w;
  }
  Uklad u = uloz(*p, klasy, zywe(*p, idx(klasy.licz), wygrany), wygrany, konczace);
  Automat_Tokenow a;
  a.tablica_ = std::move(u.tablica);
  a.wygrany_ = std::move(u.wygrany);
  a.konczace_ = std::move(u.konczace);
  a.klasy_ = std::move(u.klasy);
  a.licz_klas_ = u.licz_klas;
  return a;
}

Wzorce_Skanera wzorce_skanera(const Opis_Tokenow& opis, const std::vector<const Definicja_Tokenu*>& tokeny) {
  Wzorce_Skanera w;
  auto dodaj = [&](Wzor wzor, Wzorce_Skanera::Rodzaj rodzaj, int nr) {
    w.wlasne.push_back(std::move(wzor));
    w.wzorce.push_back({&w.wlasne.back(), false, 0});
    w.cele.push_back({rodzaj, nr});
  };
  if (opis.pomijane.any()) dodaj({Wzor::Rodzaj::znak, opis.pomijane, {}}, Wzorce_Skanera::Rodzaj::pomin, 0);
  for (std::size_t i = 0; i < opis.komentarze.size(); ++i) {
    Wzor ciag;
    for (char c : opis.komentarze[i].poczatek) {
      Wzor z{Wzor::Rodzaj::znak, {}, {}};
      z.znaki.set(static_cast<unsigned char>(c));
      ciag.czesci.push_back(std::move(z));
    }
    dodaj(std::move(ciag), Wzorce_Skanera::Rodzaj::komentarz, static_cast<int>(i));
  }
  for (std::size_t i = 0; i < tokeny.size(); ++i) {
    const bool slowo = tokeny[i]->slowo_kluczowe;
    w.wzorce.push_back({&tokeny[i]->wzor, slowo && opis.bez_wielkosci, slowo ? 1 : 2});
    w.cele.push_back({Wzorce_Skanera::Rodzaj::token, static_cast<int>(i)});
  }
  return w;
}

// An automaton too big is blamed on the first token whose pattern makes it
// so, found by halving, so that the error has a place (the file's start
// when there is none to blame).
void zbuduj_automat(const Opis_Tokenow& opis, Skaner_Tokenow& s, Granice_Automatu granice) {
  s.wzorce = wzorce_skanera(opis, s.tokeny);
  s.automat = Automat_Tokenow::zbuduj(s.wzorce.wzorce, granice);
  if (s.automat) return;
  std::size_t dobre = 0, za_duze = s.tokeny.size();  // prefixes that fit and that do not
  while (za_duze - dobre > 1) {
    const std::size_t srodek = (dobre + za_duze) / 2;
    const std::vector<const Definicja_Tokenu*> poczatek(s.tokeny.begin(), s.tokeny.begin() + static_cast<long>(srodek));
    (Automat_Tokenow::zbuduj(wzorce_skanera(opis, poczatek).wzorce, granice) ? dobre : za_duze) = srodek;
  }
  const Definicja_Tokenu* d = za_duze == 0 ? nullptr : s.tokeny[za_duze - 1];
  s.blad = Blad_Tokenow{bledy_tok::za_duzy_automat, d ? d->linia : 1, d ? d->kol : 1};
}

int Automat_Tokenow::przebieg(std::string_view tekst) const {
  int s = 1;
  for (char c : tekst) s = przejscie(s, static_cast<unsigned char>(c));
  return s;
}

std::vector<std::string> Automat_Tokenow::najkrotsze() const {
  std::vector<std::string> tekst(wygrany_.size());
  std::vector<bool> byl(wygrany_.size(), false);
  std::deque<int> kolejka{1};
  byl[1] = true;
  while (!kolejka.empty()) {
    const int s = kolejka.front();
    kolejka.pop_front();
    for (unsigned i = 0; i < 256; ++i) {
      const unsigned c = (i + 33) % 256;  // "!" to "~" first, the blank and the codes last
      const int t = przejscie(s, static_cast<unsigned char>(c));
      if (t != 0 && !byl[static_cast<std::size_t>(t)]) {
        byl[static_cast<std::size_t>(t)] = true;
        tekst[static_cast<std::size_t>(t)] = tekst[static_cast<std::size_t>(s)] + static_cast<char>(c);
        kolejka.push_back(t);
      }
    }
  }
  return tekst;
}

}  // namespace bryzas
