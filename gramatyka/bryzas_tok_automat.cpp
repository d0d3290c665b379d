#include "gramatyka/bryzas_tok_automat.h"

#include <algorithm>
#include <deque>
#include <map>

namespace bryzas {

namespace {

// The other case of a Latin-1 letter, or the character itself.
unsigned char druga_wielkosc(unsigned char c) {
  if ((c >= 'A' && c <= 'Z') || (c >= 192 && c <= 222 && c != 215)) return static_cast<unsigned char>(c + 32);
  if ((c >= 'a' && c <= 'z') || (c >= 224 && c <= 254 && c != 247)) return static_cast<unsigned char>(c - 32);
  return c;
}

struct Krawedz {
  Zbior_Znakow znaki;
  int cel;
};

// The nondeterministic automaton, one fragment per node of a pattern.
class Nka {
public:
  std::vector<std::vector<Krawedz>> krawedzie;
  std::vector<std::vector<int>> puste;  // moves on no character
  std::vector<int> konczy;              // pattern that ends in the state, or -1
  bool za_duzy = false;

  int nowy() {
    if (krawedzie.size() >= Automat_Tokenow::max_stanow_nka) za_duzy = true;
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
        krawedzie[static_cast<std::size_t>(od)].push_back({z, cel});
        return cel;
      }
      case Wzor::Rodzaj::ciag:
        for (const Wzor& c : w.czesci) od = fragment(c, od, bez_wielkosci);
        return od;
      case Wzor::Rodzaj::wybor: {
        const int wyjscie = nowy();
        for (const Wzor& c : w.czesci) {
          const int wejscie = nowy();
          puste[static_cast<std::size_t>(od)].push_back(wejscie);
          puste[static_cast<std::size_t>(fragment(c, wejscie, bez_wielkosci))].push_back(wyjscie);
        }
        return wyjscie;
      }
      case Wzor::Rodzaj::opcja: {
        const int wejscie = nowy();
        const int wyjscie = nowy();
        puste[static_cast<std::size_t>(od)].push_back(wejscie);
        puste[static_cast<std::size_t>(od)].push_back(wyjscie);
        puste[static_cast<std::size_t>(fragment(w.czesci[0], wejscie, bez_wielkosci))].push_back(wyjscie);
        return wyjscie;
      }
      case Wzor::Rodzaj::powtorzenie: {
        const int petla = nowy();
        puste[static_cast<std::size_t>(od)].push_back(petla);
        puste[static_cast<std::size_t>(fragment(w.czesci[0], petla, bez_wielkosci))].push_back(petla);
        return petla;
      }
    }
    return od;
  }

  // The states reachable on no character, sorted.
  std::vector<int> domkniecie(std::vector<int> stany) const {
    std::vector<bool> jest(krawedzie.size());
    for (int s : stany) jest[static_cast<std::size_t>(s)] = true;
    for (std::size_t i = 0; i < stany.size(); ++i)
      for (int t : puste[static_cast<std::size_t>(stany[i])])
        if (!jest[static_cast<std::size_t>(t)]) {
          jest[static_cast<std::size_t>(t)] = true;
          stany.push_back(t);
        }
    std::sort(stany.begin(), stany.end());
    return stany;
  }
};

}  // namespace

std::optional<Automat_Tokenow> Automat_Tokenow::zbuduj(const std::vector<Wzorzec>& wzorce) {
  Nka n;
  const int start = n.nowy();
  for (std::size_t i = 0; i < wzorce.size(); ++i) {
    const int wejscie = n.nowy();
    n.puste[static_cast<std::size_t>(start)].push_back(wejscie);
    const int wyjscie = n.fragment(*wzorce[i].wzor, wejscie, wzorce[i].bez_wielkosci);
    if (n.za_duzy) return std::nullopt;
    n.konczy[static_cast<std::size_t>(wyjscie)] = static_cast<int>(i);
  }

  // Subsets: state k of the automaton is zbiory[k]; 0 is left for the dead
  // state.
  std::vector<std::vector<int>> zbiory{{}};
  std::map<std::vector<int>, int> numery;
  std::vector<std::vector<int>> tablica{std::vector<int>(256, 0)};
  auto numer = [&](std::vector<int> zbior) {
    auto [it, nowy] = numery.emplace(std::move(zbior), static_cast<int>(zbiory.size()));
    if (nowy) zbiory.push_back(it->first);
    return it->second;
  };
  numer(n.domkniecie({start}));
  for (std::size_t k = 1; k < zbiory.size(); ++k) {
    if (zbiory.size() > max_stanow) return std::nullopt;
    std::vector<std::vector<int>> cele(256);
    for (int s : zbiory[k])
      for (const Krawedz& kr : n.krawedzie[static_cast<std::size_t>(s)])
        for (unsigned c = 0; c < 256; ++c)
          if (kr.znaki[c]) cele[c].push_back(kr.cel);
    std::vector<int> wiersz(256, 0);
    std::map<std::vector<int>, int> juz;  // the same targets give the same state
    for (unsigned c = 0; c < 256; ++c) {
      if (cele[c].empty()) continue;
      std::sort(cele[c].begin(), cele[c].end());
      cele[c].erase(std::unique(cele[c].begin(), cele[c].end()), cele[c].end());
      auto it = juz.find(cele[c]);
      if (it == juz.end()) it = juz.emplace(cele[c], numer(n.domkniecie(cele[c]))).first;
      wiersz[c] = it->second;
    }
    tablica.push_back(std::move(wiersz));
  }

  // What ends in each state, and which of it wins.
  const std::size_t razem = zbiory.size();
  std::vector<std::vector<int>> konczace(razem);
  std::vector<int> wygrany(razem, -1);
  for (std::size_t k = 1; k < razem; ++k) {
    for (int s : zbiory[k])
      if (n.konczy[static_cast<std::size_t>(s)] >= 0) konczace[k].push_back(n.konczy[static_cast<std::size_t>(s)]);
    std::sort(konczace[k].begin(), konczace[k].end());
    for (int w : konczace[k])
      if (wygrany[k] < 0 || wzorce[static_cast<std::size_t>(w)].priorytet < wzorce[static_cast<std::size_t>(wygrany[k])].priorytet)
        wygrany[k] = w;
  }

  // Only states from which some pattern can still end are kept alive.
  std::vector<std::vector<std::size_t>> poprzednie(razem);
  for (std::size_t k = 1; k < razem; ++k)
    for (unsigned c = 0; c < 256; ++c)
      if (tablica[k][c] != 0) poprzednie[static_cast<std::size_t>(tablica[k][c])].push_back(k);
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
    for (std::size_t p : poprzednie[k])
      if (!zywy[p]) {
        zywy[p] = true;
        do_zrobienia.push_back(p);
      }
  }
  // Renumbered in breadth-first order from the start, which is always 1.
  std::vector<int> nowy_nr(razem, 0);
  std::vector<std::size_t> kolejnosc{1};
  nowy_nr[1] = 1;
  for (std::size_t i = 0; i < kolejnosc.size(); ++i)
    for (unsigned c = 0; c < 256; ++c) {
      const auto t = static_cast<std::size_t>(tablica[kolejnosc[i]][c]);
      if (t != 0 && zywy[t] && nowy_nr[t] == 0) {
        kolejnosc.push_back(t);
        nowy_nr[t] = static_cast<int>(kolejnosc.size());
      }
    }

  Automat_Tokenow a;
  a.tablica_.assign(kolejnosc.size() + 1, std::vector<int>(256, 0));
  a.wygrany_.assign(kolejnosc.size() + 1, -1);
  a.konczace_.assign(kolejnosc.size() + 1, {});
  for (std::size_t i = 0; i < kolejnosc.size(); ++i) {
    const std::size_t k = kolejnosc[i];
    for (unsigned c = 0; c < 256; ++c) a.tablica_[i + 1][c] = nowy_nr[static_cast<std::size_t>(tablica[k][c])];
    a.wygrany_[i + 1] = wygrany[k];
    a.konczace_[i + 1] = konczace[k];
  }

  std::map<std::vector<int>, int> kolumny;
  for (unsigned c = 0; c < 256; ++c) {
    std::vector<int> kolumna;
    for (std::size_t s = 1; s < a.tablica_.size(); ++s) kolumna.push_back(a.tablica_[s][c]);
    auto [it, nowa] = kolumny.emplace(std::move(kolumna), a.licz_klas_);
    if (nowa) ++a.licz_klas_;
    a.klasy_.push_back(it->second);
  }
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
void zbuduj_automat(const Opis_Tokenow& opis, Skaner_Tokenow& s) {
  s.wzorce = wzorce_skanera(opis, s.tokeny);
  s.automat = Automat_Tokenow::zbuduj(s.wzorce.wzorce);
  if (s.automat) return;
  std::size_t dobre = 0, za_duze = s.tokeny.size();  // prefixes that fit and that do not
  while (za_duze - dobre > 1) {
    const std::size_t srodek = (dobre + za_duze) / 2;
    const std::vector<const Definicja_Tokenu*> poczatek(s.tokeny.begin(), s.tokeny.begin() + static_cast<long>(srodek));
    (Automat_Tokenow::zbuduj(wzorce_skanera(opis, poczatek).wzorce) ? dobre : za_duze) = srodek;
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
  std::vector<std::string> tekst(tablica_.size());
  std::vector<bool> byl(tablica_.size(), false);
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
