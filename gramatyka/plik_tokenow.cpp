#include "gramatyka/plik_tokenow.h"

namespace bryzas {

std::unique_ptr<const Plik_Tokenow> Plik_Tokenow::czytaj(const std::string& nazwa, const Uzywany& uzywany,
                                                         bool rozszerzona) {
  Bryzas_Tok czytnik;
  std::optional<Opis_Tokenow> opis = czytnik.czytaj(nazwa);
  if (!opis) return nullptr;
  std::unique_ptr<Plik_Tokenow> p(new Plik_Tokenow);
  p->linie_ = czytnik.linie();
  p->blad_skladni_ = czytnik.blad();
  p->opis_ = std::move(*opis);
  const std::string& koniec = p->opis_.koniec;
  if (!p->blad_skladni_)
    p->skaner_ = zbuduj_skaner(
        p->opis_, [&](const std::string& n) { return uzywany(n) || (rozszerzona && !koniec.empty() && n == koniec); },
        rozszerzona ? Granice_Automatu::rosnace : Granice_Automatu::stale);
  return p;
}

}  // namespace bryzas
