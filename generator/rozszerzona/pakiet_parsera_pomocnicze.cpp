// The parser package of the extended notation, what the productions lean
// on: the procedures that take a token, report an error and skip, and print
// the tree; and the sets they use, numbered as the productions first ask for
// them and kept in the function Zbior at the end of the body.
#include "generator/rozszerzona/pakiet_parsera.h"

#include <algorithm>

#include "generator/wspolne/napis_ady.h"

namespace bryzas::rozszerzona {

// The sets, declared here and written at the end once every production has
// used them; what is passed by, the tree.
void Pakiet_Parsera::pomocnicze(Pisarz& w) {
  w.blok(R"ada(
-- zbior numer Nr tokenow: tych, ktore parser mogl wziac tam, gdzie wybral
-- pusta droge, i tych, z ktorymi moze isc dalej po bledzie
function Zbior (Nr : Positive) return Zbior_Tokenow;
pragma Inline (Zbior);
)ada");
  if (zglasza_bledy())
    w.blok(R"ada(
-- tokeny, ktorych parser oczekiwal przy bledzie numer Nr
function Oczekiwane (Nr : Positive) return Zbior_Tokenow;
)ada");
  w.blok(R"ada(

-- tokeny, ktore mogly stanac tam, gdzie parser od ostatniego wzietego
-- tokenu wybral pusta droge (nie wszedl w opcje, wyszedl z petli, wzial
-- galaz, ktora moze zniknac): blad je wymienia
Pominiete : Zbior_Tokenow := (others => False);

)ada");
  drzewo(w);
}

// The tree: a production's name on entering it, a token taken by its kind
// and its text, each level two blanks deeper.
void Pakiet_Parsera::drzewo(Pisarz& w) {
  w.blok(R"ada(
-- drzewo wyprowadzenia: poziom produkcji, w ktorej parser stoi
Glebokosc : Natural := 0;

procedure Wiersz (Tekst : String) is
begin
)ada");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia(pak_.nazwa_bledy, ".Wiersz_Drzewa (Glebokosc, Tekst);");
  }
  w.blok(R"ada(
end Wiersz;

)ada");
  std::vector<std::string> tokeny = plan_.rodzaje_tokenow;
  tokeny.push_back("Pusty");
  funkcja_nazw(w, "Nazwa_Tokenu (Kod : Token_Kod)", "Kod", "Token_Kod'Pos (Kod) + 1", tokeny, tokeny, false);
  w.blok(R"ada(

-- biezacy token w drzewie: rodzaj i tekst, jak stoi w wejsciu (token konca
-- wejscia nie ma tekstu)
function Opis_Tokenu return String is
  ("'" & Nazwa_Tokenu (Tok.Kod) & "'" & (if Tekst = "" then "" else " " & Tekst));

-- wiersz biezacego tokenu, wzietego albo pominietego po bledzie; poza
-- procedurami, ktore biora tokeny, zeby te zostaly krotkie bez drzewa
procedure Wiersz_Tokenu (Pominiety : Boolean) is
begin
  Wiersz ((if Pominiety then "pominiety " else "") & Opis_Tokenu);
end Wiersz_Tokenu;
pragma No_Inline (Wiersz_Tokenu);

)ada");
  nazwy_produkcji(w);
  w.blok(R"ada(
-- wejscie w produkcje numer Nr; produkcje nazywa ich numer, a nie tekst,
-- zeby wywolanie bylo krotkie
procedure Wejdz (Nr : Positive) is
begin
  Wiersz ("""" & Nazwa_Produkcji (Nr) & """");
  Glebokosc := Glebokosc + 1;
end Wejdz;
pragma No_Inline (Wejdz);

)ada");
}

// The productions' names by their numbers, in the order of the grammar.
void Pakiet_Parsera::nazwy_produkcji(Pisarz& w) {
  std::vector<std::string> nazwy, numery;
  for (const auto& p : g_.produkcje) {
    nazwy.push_back(g_.nieterminale.nazwa(p.lewa));
    numery.push_back(std::to_string(numery.size() + 1));
  }
  funkcja_nazw(w, "Nazwa_Produkcji (Nr : Positive)", "Nr", "Nr", numery, nazwy, true);
  w.linia();
}

// A function from a value to its name: a case on the value (choices, one
// for each name, and others for any value left) or, with too many to
// branch on, a slice of one string by the value's index.
void Pakiet_Parsera::funkcja_nazw(Pisarz& w, std::string_view profil, std::string_view wartosc,
                                  std::string_view indeks, const std::vector<std::string>& wybory,
                                  const std::vector<std::string>& nazwy, bool inne) {
  w.linia("function ", profil, " return String is");
  if (nazwy.size() > max_galezi) {
    {
      Wciecie deklaracje(w, krok_wciecia);
      tablica_tekstow(w, nazwy);
      w.linia("I : constant Positive := ", indeks, ";");
    }
    w.linia("begin");
    w.linia("  return Teksty (Od (I) .. Od (I + 1) - 1);");
    w.linia("end ", profil.substr(0, profil.find(' ')), ";");
    return;
  }
  Wciecie wyrazenie(w, krok_wciecia);
  w.linia("(case ", wartosc, " is");
  Wciecie przypadki(w, krok_wciecia);
  for (std::size_t i = 0; i < nazwy.size(); ++i)
    w.linia("when ", wybory[i], " => ", napis_ady(nazwy[i]), i + 1 < nazwy.size() || inne ? "," : ");");
  if (inne) w.linia("when others => \"\");");
}

// Without recovery a handler of the user's takes the first syntax error
// instead of P_Bledy.
bool Pakiet_Parsera::zglasza_bledy() const { return odtwarzanie_ || naglowek(Token_Kod::EXCEPTPARSKOD).empty(); }

// With recovery an error is reported and the parser skips to a token it can
// go on with; without, the first error ends the parse (and a handler of the
// user's takes it: then nothing reports it).
void Pakiet_Parsera::zglaszanie_bledow(Pisarz& w) {
  const std::string zglos = pak_.nazwa_bledy + ".Zglos_Parsera (Pominiete or Oczekiwane (Nr)" +
                            (odtwarzanie_ ? " or Dodatkowo);" : ");");
  if (!odtwarzanie_) {
    w.blok(R"ada(
-- blad skladni numer Nr przy biezacym tokenie
procedure Blad (Nr : Positive) is
begin
  Nr_Bledu_Pars := Nr;
)ada");
    if (zglasza_bledy()) {
      Wciecie cialo(w, krok_wciecia);
      w.linia(zglos);
    }
    w.blok(R"ada(
  raise Blad_Parsera;
end Blad;

-- biezacy token musi byc rodzaju Kod, inaczej blad numer Nr
procedure Sprawdz (Kod : Token_Kod; Nr : Positive) is
begin
  if Tok.Kod /= Kod then
    Blad (Nr);
  end if;
end Sprawdz;

)ada");
    return;
  }
  w.blok(R"ada(
-- blad skladni numer Nr przy biezacym tokenie (parser oczekiwal tez tokenow
-- Dodatkowo); potem parser pomija tokeny do pierwszego z tych, z ktorymi
-- moze isc dalej
procedure Blad (Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow;
                Dodatkowo : Zbior_Tokenow := (others => False)) is
begin
  Nr_Bledu_Pars := Nr;
)ada");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia(zglos);
    w.linia("while not Z_Ktorymi_Dalej (Tok.Kod) loop");
    {
      Wciecie petla(w, krok_wciecia);
      w.blok(R"ada(
if Drzewo then
  Wiersz_Tokenu (Pominiety => True);
end if;
)ada");
      w.linia(skanuj());
    }
    w.linia("end loop;");
    w.linia("Pominiete := (others => False);");
  }
  w.blok(R"ada(
end Blad;

-- po bledzie numer Nr tam, gdzie mial stac token rodzaju Kod: czy stoi
-- on tam, gdzie parser poszedl dalej
function Znaleziony (Kod : Token_Kod; Nr : Positive; Z_Ktorymi_Dalej : Zbior_Tokenow;
                     Dodatkowo : Zbior_Tokenow := (others => False)) return Boolean is
begin
  Blad (Nr, Z_Ktorymi_Dalej, Dodatkowo);
  if Tok.Kod /= Kod and then Drzewo then
    Wiersz ("brak '" & Nazwa_Tokenu (Kod) & "'");
  end if;
  return Tok.Kod = Kod;
end Znaleziony;

)ada");
}

// The token taken goes to the tree; what was passed by is forgotten, and
// with recovery the tokens taken are counted, modulo and without a test:
// how many since the last error is a difference.
void Pakiet_Parsera::nastepny_token(Pisarz& w) {
  w.blok(R"ada(
-- nastepny token po tym, ktory parser wzial tak, jak chce gramatyka
procedure Nastepny is
begin
  if Drzewo then
    Wiersz_Tokenu (Pominiety => False);
  end if;
)ada");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia(skanuj());
    w.linia("Pominiete := (others => False);");
    if (odtwarzanie_) {
      const std::string wziete = pak_.nazwa_bledy + ".Wziete_Wszystkie";
      w.linia(wziete, " := ", wziete, " + 1;");
    }
  }
  w.blok(R"ada(
end Nastepny;
pragma Inline (Nastepny);

)ada");
}

// The next token into Tok: in place when the scanner builds it there.
std::string_view Pakiet_Parsera::skanuj() const {
  return plan_.token_w_miejscu() ? "Skanuj_Biezacy;" : "Tok := Skanuj;";
}

void Pakiet_Parsera::tablica_kodow(Pisarz& w) {
  std::vector<std::string> kody, od{"1"};
  for (const std::vector<std::string>& k : kody_zbiorow_) {
    kody.insert(kody.end(), k.begin(), k.end());
    od.push_back(std::to_string(kody.size() + 1));
  }
  {
    Wciecie deklaracje(w, krok_wciecia);
    w.linia("-- tokeny zbioru Nr to Kody (Od (Nr) .. Od (Nr + 1) - 1)");
    w.linia("Kody : constant array (1 .. ", std::to_string(std::max<std::size_t>(kody.size(), 1)),
            ") of Token_Kod := (");
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
end Zbior;

)ada");
}

std::string Pakiet_Parsera::agregat(const Zbior& z) const {
  if (z.pusty() && !z.ma_koniec()) return "(others => False)";
  std::string a = "(";
  a.append(wybor(z_koncem(z))).append(" => True, others => False)");
  return a;
}

std::string Pakiet_Parsera::stop_z(const Zbior& z) {
  if (z.pusty() && !z.ma_koniec()) return "Stop";
  return "Stop or " + zbior(z);
}

std::string Pakiet_Parsera::po_z(const Reszta& r) {
  if (r.tokeny.pusty() && !r.tokeny.ma_koniec()) return r.wywolujacy ? "Oczekiwane_Potem" : zbior(r.tokeny);
  return r.wywolujacy ? "Oczekiwane_Potem or " + zbior(r.tokeny) : zbior(r.tokeny);
}

std::string Pakiet_Parsera::zbior(const Zbior& z) { return "Zbior (" + std::to_string(numer_zbioru(z)) + ")"; }

int Pakiet_Parsera::numer_zbioru(const Zbior& z) {
  std::string a = agregat(z);
  auto [it, nowy] = numery_zbiorow_.emplace(a, static_cast<int>(agregaty_.size()) + 1);
  if (nowy) {
    agregaty_.push_back(std::move(a));
    kody_zbiorow_.push_back(nazwy(z_koncem(z)));
  }
  return it->second;
}

// The tables, after every use of them. The sets as aggregates, or, when
// these would hold too many bits for GNAT to compile them in reasonable
// time (a grammar of thousands of productions and tokens), the token kinds
// of all the sets one after another, from which Zbior builds the one asked
// for.
void Pakiet_Parsera::tablice(Pisarz& w) {
  constexpr std::size_t max_bitow = std::size_t{1} << 20;
  const std::size_t rodzajow = plan_.rodzaje_tokenow.size() + 1;
  w.linia("function Zbior (Nr : Positive) return Zbior_Tokenow is");
  if (agregaty_.size() * rodzajow > max_bitow) {
    tablica_kodow(w);
  } else {
    Wciecie deklaracje(w, krok_wciecia);
    w.linia("Zbiory : constant array (1 .. ", std::to_string(agregaty_.size()), ") of Zbior_Tokenow := (");
    Wciecie elementy(w, krok_wciecia);
    for (std::size_t i = 0; i < agregaty_.size(); ++i)
      w.linia(std::to_string(i + 1), " => ", agregaty_[i], i + 1 < agregaty_.size() ? "," : ");");
    if (agregaty_.empty()) w.linia("others => (others => False));");
  }
  if (agregaty_.size() * rodzajow <= max_bitow)
    w.blok(R"ada(
begin
  return Zbiory (Nr);
end Zbior;

)ada");
  if (!zglasza_bledy()) return;
  w.linia("function Oczekiwane (Nr : Positive) return Zbior_Tokenow is");
  {
    Wciecie deklaracje(w, krok_wciecia);
    const std::size_t n = zbiory_bledow_.size();
    w.linia("Zbiory_Bledow : constant array (1 .. ", std::to_string(n), ") of Positive := (");
    Wciecie elementy(w, krok_wciecia);
    // Eight to a line.
    for (std::size_t i = 0; i < n; i += 8) {
      std::string l;
      for (std::size_t j = i; j < std::min(n, i + 8); ++j)
        l += std::to_string(j + 1) + " => " + std::to_string(zbiory_bledow_[j]) + (j + 1 < n ? ", " : ");");
      while (l.back() == ' ') l.pop_back();
      w.linia(l);
    }
    if (n == 0) w.linia("others => 1);");
  }
  w.blok(R"ada(
begin
  return Zbior (Zbiory_Bledow (Nr));
end Oczekiwane;

)ada");
}

}  // namespace bryzas::rozszerzona
