#include "gramatyka/analiza_raport.h"

#include <algorithm>

namespace bryzas_analiza {

int Analiza_Raport::blad(Pozycja poz, std::string tekst, Wybor wybor) {
  lista_.push_back({poz, Waga::blad, std::move(tekst), {}, poz, std::move(wybor)});
  ++bledy_;
  return static_cast<int>(lista_.size()) - 1;
}

int Analiza_Raport::ostrzezenie(Pozycja poz, std::string tekst, Wybor wybor) {
  lista_.push_back({poz, Waga::ostrzezenie, std::move(tekst), {}, poz, std::move(wybor)});
  return static_cast<int>(lista_.size()) - 1;
}

void Analiza_Raport::dodaj_uwage(int nr, std::string uwaga) {
  dodaj_uwage(nr, std::move(uwaga), lista_[static_cast<std::size_t>(nr)].poz);
}

void Analiza_Raport::dodaj_uwage(int nr, std::string uwaga, Pozycja poz) {
  Komunikat& k = lista_[static_cast<std::size_t>(nr)];
  k.uwaga = std::move(uwaga);
  k.poz_uwagi = poz;
}

void Analiza_Raport::na_ostrzezenie(int nr) {
  Komunikat& k = lista_[static_cast<std::size_t>(nr)];
  if (k.waga == Waga::blad) --bledy_;
  k.waga = Waga::ostrzezenie;
}

std::vector<Komunikat> Analiza_Raport::posortowane() const {
  std::vector<Komunikat> w = lista_;
  std::stable_sort(w.begin(), w.end(), [](const Komunikat& a, const Komunikat& b) {
    if (a.poz != b.poz) return a.poz < b.poz;
    return a.waga == Waga::blad && b.waga == Waga::ostrzezenie;
  });
  return w;
}

void Analiza_Raport::wypisz(std::ostream& os, const std::string& plik) const {
  for (const Komunikat& k : posortowane()) {
    os << plik << ':' << k.poz.linia << ':' << k.poz.kol << ": "
       << (k.waga == Waga::blad ? "blad: " : "ostrzezenie: ") << k.tekst << '\n';
    if (!k.uwaga.empty())
      os << plik << ':' << k.poz_uwagi.linia << ':' << k.poz_uwagi.kol << ": uwaga: " << k.uwaga << '\n';
  }
}

void Analiza_Raport::wypisz_podsumowanie(std::ostream& os, const Analiza_Raport& drugi) const {
  os << "*** bledy: " << bledy() + drugi.bledy() << ", ostrzezenia: " << ostrzezenia() + drugi.ostrzezenia()
     << '\n';
}

std::string cytat_nieterminala(const Gramatyka& g, int nr) {
  return '"' + g.nieterminale.nazwa(nr) + '"';
}

std::string cytat_terminala(const Gramatyka& g, int nr) {
  return '\'' + g.terminale.nazwa(nr) + '\'';
}

std::string cytaty_terminali(const Gramatyka& g, const Zbior& z) {
  std::string w;
  for (int t : z.terminale()) {
    if (!w.empty()) w += ' ';
    w += cytat_terminala(g, t);
  }
  return w;
}

}  // namespace bryzas_analiza
