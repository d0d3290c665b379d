// The parser package of the extended notation, its recovery after a syntax
// error: the sets that errors skip to, computed for every element of the
// grammar before anything is written, and the procedures that report and
// skip.
#include "generator/pakiet_rozszerzony.h"

#include <algorithm>
#include <optional>

#include "wspolne/tekst.h"

namespace bryzas {

using bryzas_analiza::Rodzaj_Elementu;

// The set type, the sets that errors skip to, and the procedures that
// report an error and skip.
void Pakiet_Rozszerzony::pomocnicze(Pisarz& w) {
  w.blok(R"ada(
type Zbior_Tokenow is array (Token_Kod) of Boolean with Pack;

-- zbiory tokenow, z ktorymi parser moze isc dalej po bledzie w miejscach
-- gramatyki; procedura produkcji dostaje w Stop te, z ktorymi moga isc
-- dalej produkcje, ktore ja wywolaly
)ada");
  w.linia("Dalej : constant array (1 .. ", std::to_string(zbiory_dalej_.size()), ") of Zbior_Tokenow := (");
  {
    Wciecie elementy(w, krok_wciecia);
    for (std::size_t i = 0; i < zbiory_dalej_.size(); ++i)
      w.linia(std::to_string(i + 1), " => ", zbiory_dalej_[i], i + 1 < zbiory_dalej_.size() ? "," : ");");
  }
  w.linia();
  w.blok(R"ada(
-- blad skladni numer Nr przy biezacym tokenie; potem parser pomija tokeny
-- do pierwszego z tych, z ktorymi moze isc dalej
procedure Blad (Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow) is
begin
  Nr_Bledu_Pars := Nr;
)ada");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia(pak_.nazwa_bledy, ".Zglos_Parsera (Nr);");
  }
  w.blok(R"ada(
  while not Z_Ktorymi_Dalej (Tok.Kod) loop
)ada");
  {
    Wciecie cialo(w, 2 * krok_wciecia);
    w.linia(skanuj());
  }
  w.blok(R"ada(
  end loop;
end Blad;

-- po bledzie numer Nr tam, gdzie mial stac token rodzaju Kod: czy stoi
-- on tam, gdzie parser poszedl dalej
function Znaleziony (Kod : Token_Kod; Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow) return Boolean is
begin
  Blad (Nr, Z_Ktorymi_Dalej);
  return Tok.Kod = Kod;
end Znaleziony;

-- nastepny token po tym, ktory parser wzial tak, jak chce gramatyka
procedure Nastepny is
begin
)ada");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia(skanuj());
    const std::string wziete = pak_.nazwa_bledy + ".Wziete";
    w.linia("if ", wziete, " < 2 then");
    {
      Wciecie wnetrze(w, krok_wciecia);
      w.linia(wziete, " := ", wziete, " + 1;");
    }
    w.linia("end if;");
  }
  w.blok(R"ada(
end Nastepny;
pragma Inline (Nastepny);

)ada");
}

void Pakiet_Rozszerzony::planuj(const Ciag& c, const Zbior& dalej) {
  for (std::size_t i = 0; i < c.size(); ++i) {
    const Element& e = c[i];
    // What comes later in the production, as far as the rest of c, then
    // what follows c, counts even where the rest cannot vanish: a token
    // that closes or repeats the construct around is a place to go on from
    // when the rest is missing.
    bool pusty = false;
    Zbior po = zbiory_.first_ciagu(c, i + 1, pusty);
    po.dodaj(dalej);
    po_[&e] = po;
    if (e.rodzaj == Rodzaj_Elementu::symbol) {
      Zbior z = po;
      if (e.symbol.terminal) z.dodaj(e.symbol.nr);
      dodaj_zbior(z);
      continue;
    }
    const std::vector<Zbior> d = decyzje(e);
    Zbior wejscie = brak_separatora(e);
    for (const Zbior& z : d) wejscie.dodaj(z);
    Zbior z = wejscie;
    z.dodaj(po);
    dodaj_zbior(z);
    // A repetition can go round once more.
    for (const Ciag& galaz : e.galezie) planuj(galaz, e.rodzaj == Rodzaj_Elementu::powtorzenie ? z : po);
  }
}

// A repetition of one branch that begins with a terminal, a separator
// ({ ',' "Wartosc" }), goes round once more on a token that can follow the
// separator but cannot follow the repetition in any sentence: the separator
// is then missing, reported as such, and the parse goes on at once. These
// tokens, with recovery; none otherwise.
bryzas_analiza::Zbior Pakiet_Rozszerzony::brak_separatora(const Element& e) const {
  if (!odtwarzanie_ || e.rodzaj != Rodzaj_Elementu::powtorzenie || e.galezie.size() != 1) return {};
  const Ciag& c = e.galezie[0];
  if (c.size() < 2 || c[0].rodzaj != Rodzaj_Elementu::symbol || !c[0].symbol.terminal) return {};
  bool pusty = false;
  const Zbior za_separatorem = zbiory_.first_ciagu(c, 1, pusty);
  if (pusty) return {};
  const bryzas_analiza::Decyzja_Grupy& d = decyzje_.grupy(e);
  Zbior wejscie;
  for (const Zbior& z : d.przewidywane) wejscie.dodaj(z);
  return za_separatorem.bez(d.za).bez(wejscie);
}

std::string Pakiet_Rozszerzony::agregat(const Zbior& z) const {
  std::string a = "(";
  a.append(wybor(z_koncem(z))).append(" => True, others => False)");
  return a;
}

void Pakiet_Rozszerzony::dodaj_zbior(const Zbior& z) {
  if (z.pusty() && !z.ma_koniec()) return;
  std::string a = agregat(z);
  if (numery_zbiorow_.contains(a)) return;
  numery_zbiorow_.emplace(a, static_cast<int>(zbiory_dalej_.size()) + 1);
  zbiory_dalej_.push_back(std::move(a));
}

std::string Pakiet_Rozszerzony::stop_z(const Zbior& z) const {
  if (z.pusty() && !z.ma_koniec()) return "Stop";
  std::string s = "Stop or Dalej (";
  s.append(std::to_string(numery_zbiorow_.at(agregat(z)))).append(")");
  return s;
}

}  // namespace bryzas
