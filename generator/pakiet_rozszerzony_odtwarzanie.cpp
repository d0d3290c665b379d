// The parser package of the extended notation, its recovery after a syntax
// error: the procedures that report and skip, and the sets that errors skip
// to, numbered as the productions first use them and kept in the function
// Dalej at the end of the body.
#include "generator/pakiet_rozszerzony.h"

#include <algorithm>
#include <optional>

#include "generator/bryzas_tok_skaner.h"
#include "wspolne/tekst.h"

namespace bryzas {

using bryzas_analiza::Rodzaj_Elementu;

// The set type, the table of the sets that errors skip to, declared here
// and written at the end once every production has used its sets, and the
// procedures that report an error and skip.
void Pakiet_Rozszerzony::pomocnicze(Pisarz& w) {
  w.blok(R"ada(
type Zbior_Tokenow is array (Token_Kod) of Boolean with Pack;

-- zbior numer Nr tokenow, z ktorymi parser moze isc dalej po bledzie w
-- jednym z miejsc gramatyki; procedura produkcji dostaje w Stop te, z
-- ktorymi moga isc dalej produkcje, ktore ja wywolaly
function Dalej (Nr : Positive) return Zbior_Tokenow;
pragma Inline (Dalej);

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


std::string Pakiet_Rozszerzony::stop_z(const Zbior& z) {
  if (z.pusty() && !z.ma_koniec()) return "Stop";
  std::string s = "Stop or ";
  s.append(dalej(z));
  return s;
}

// "Dalej (K)": the set's number in the table, given when first asked for.
std::string Pakiet_Rozszerzony::dalej(const Zbior& z) {
  std::string a = agregat(z);
  auto [it, nowy] = numery_zbiorow_.emplace(a, static_cast<int>(zbiory_dalej_.size()) + 1);
  if (nowy) {
    zbiory_dalej_.push_back(std::move(a));
    kody_dalej_.push_back(nazwy(z_koncem(z)));
  }
  std::string s = "Dalej (";
  s.append(std::to_string(it->second)).append(")");
  return s;
}

// The table, after every use of it: the sets as aggregates, or, when these
// would hold too many bits for GNAT to compile them in reasonable time (a
// grammar of thousands of productions and tokens), the token kinds of all
// the sets one after another, from which Dalej builds the set asked for.
void Pakiet_Rozszerzony::tablica_dalej(Pisarz& w) {
  constexpr std::size_t max_bitow = std::size_t{1} << 20;
  const std::size_t rodzajow = static_cast<std::size_t>(g_.terminale.licz()) + 2;
  if (zbiory_dalej_.size() * rodzajow > max_bitow) return tablica_dalej_kodami(w);
  w.linia("function Dalej (Nr : Positive) return Zbior_Tokenow is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    w.linia("Zbiory : constant array (1 .. ", std::to_string(zbiory_dalej_.size()), ") of Zbior_Tokenow := (");
    Wciecie elementy(w, krok_wciecia);
    for (std::size_t i = 0; i < zbiory_dalej_.size(); ++i)
      w.linia(std::to_string(i + 1), " => ", zbiory_dalej_[i], i + 1 < zbiory_dalej_.size() ? "," : ");");
  }
  w.blok(R"ada(
begin
  return Zbiory (Nr);
end Dalej;
)ada");
}

void Pakiet_Rozszerzony::tablica_dalej_kodami(Pisarz& w) {
  std::vector<std::string> kody, od{"1"};
  for (const std::vector<std::string>& k : kody_dalej_) {
    kody.insert(kody.end(), k.begin(), k.end());
    od.push_back(std::to_string(kody.size() + 1));
  }
  w.linia("function Dalej (Nr : Positive) return Zbior_Tokenow is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    w.linia("-- tokeny zbioru Nr to Kody (Od (Nr) .. Od (Nr + 1) - 1)");
    w.linia("Kody : constant array (1 .. ", std::to_string(std::max<std::size_t>(kody.size(), 1)), ") of Token_Kod := (");
    if (kody.empty()) kody.push_back("Token_Kod'First");
    if (kody.size() == 1) kody.front().insert(0, "1 => ");
    bryzas::agregat(w, kody, ");");
    w.linia("Od : constant array (1 .. ", std::to_string(od.size()), ") of Positive := (");
    bryzas::agregat(w, od, ");");
    w.linia("Z : Zbior_Tokenow := (others => False);");
  }
  w.blok(R"ada(
begin
  for I in Od (Nr) .. Od (Nr + 1) - 1 loop
    Z (Kody (I)) := True;
  end loop;
  return Z;
end Dalej;
)ada");
}

}  // namespace bryzas
