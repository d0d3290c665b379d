// The automaton written as code, for the extended notation: a case on the
// state, in it a case on the character, and the characters a state keeps
// to itself (the inside of a string, digits, a name) taken by a tight loop.
// A state from which no move leads on ends the match at once, without
// reading the character after it.
#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "generator/wspolne/pisarz.h"
#include "generator/wspolne/skaner.h"

namespace bryzas {

namespace {

using Zbior = std::vector<bool>;  // of the 256 characters

// A character as an Ada static expression.
std::string znak_ady(unsigned c) {
  if (c >= 32 && c < 127) return std::string("'") + static_cast<char>(c) + "'";
  return "Character'Val (" + std::to_string(c) + ")";
}

// The ranges of a set, in order.
std::vector<std::pair<unsigned, unsigned>> przedzialy(const Zbior& z) {
  std::vector<std::pair<unsigned, unsigned>> p;
  for (unsigned c = 0; c < 256; ++c) {
    if (!z[c]) continue;
    if (!p.empty() && p.back().second + 1 == c)
      p.back().second = c;
    else
      p.emplace_back(c, c);
  }
  return p;
}

// One range as a choice: 'a' .. 'z', or the one character.
std::string przedzial_ady(unsigned od, unsigned DO) {
  return DO > od ? znak_ady(od) + " .. " + znak_ady(DO) : znak_ady(od);
}

// The set as choices of a case or a membership test: 'a' .. 'z' | '_'.
std::string wybor_ady(const Zbior& z) {
  std::string w;
  for (const auto& [od, DO] : przedzialy(z)) {
    if (!w.empty()) w += " | ";
    w += przedzial_ady(od, DO);
  }
  return w;
}

// "when CHOICES =>" over as many lines as keep each line short: a long
// list goes on under itself, each further line beginning with a "|".
void wybory(Pisarz& w, const Zbior& z) {
  constexpr std::size_t szerokosc = 90;
  std::string linia = "when ";
  bool pierwszy = true;
  for (const auto& [od, DO] : przedzialy(z)) {
    const std::string p = przedzial_ady(od, DO);
    if (pierwszy) {
      linia += p;
    } else if (linia.size() + p.size() + 3 > szerokosc) {
      w.linia(linia);
      linia = "   | " + p;
    } else {
      linia += " | " + p;
    }
    pierwszy = false;
  }
  w.linia(linia, " =>");
}

// A set tested by a membership of at most this many ranges; a larger one
// by a test of its own for each way out of the run, or by a table.
constexpr std::size_t przedzialy_w_tescie = 2;
constexpr std::size_t wyjscia_w_tescie = 5;

// A range of characters as a test of C: C = 'x', C <= 'a', C in 'a' .. 'z'.
std::string test_ady(unsigned od, unsigned DO) {
  if (od == DO) return "C = " + znak_ady(od);
  if (od == 0) return "C <= " + znak_ady(DO);
  if (DO == 255) return "C >= " + znak_ady(od);
  return "C in " + przedzial_ady(od, DO);
}

}  // namespace

// States that no text tells apart (the same pattern wins in both, and every
// character leads them into states that no text tells apart) are one in
// the code: each stands for its class by the smallest of its numbers. The
// classes are refined from those of the winning pattern until they split
// no more.
std::vector<int> Skaner::zastepcy() const {
  const Automat_Tokenow& a = *skaner_.automat;
  const int n = a.licz_stanow();
  std::vector<int> klasa(static_cast<std::size_t>(n) + 1, 0);
  for (int s = 1; s <= n; ++s) klasa[static_cast<std::size_t>(s)] = a.wygrany(s) + 2;  // 0 is the dead state's
  for (std::size_t licz = 0;;) {
    std::map<std::vector<int>, int> numery{{{0}, 0}};
    std::vector<int> nowa(klasa.size(), 0);
    for (int s = 1; s <= n; ++s) {
      std::vector<int> podpis{klasa[static_cast<std::size_t>(s)]};
      for (unsigned c = 0; c < 256; ++c)
        podpis.push_back(klasa[static_cast<std::size_t>(a.przejscie(s, static_cast<unsigned char>(c)))]);
      nowa[static_cast<std::size_t>(s)] = numery.try_emplace(podpis, static_cast<int>(numery.size())).first->second;
    }
    klasa = std::move(nowa);
    if (numery.size() == licz) break;
    licz = numery.size();
  }
  std::vector<int> pierwszy(klasa.size(), 0), z(klasa.size(), 0);
  for (int s = n; s >= 1; --s) pierwszy[static_cast<std::size_t>(klasa[static_cast<std::size_t>(s)])] = s;
  for (int s = 1; s <= n; ++s) z[static_cast<std::size_t>(s)] = pierwszy[static_cast<std::size_t>(klasa[static_cast<std::size_t>(s)])];
  return z;
}

// For each state the token that the automaton, stopped there, has begun:
// of those it could still end, the first that P.tok defines; -1 for none
// (only a comment or a skip could end from there).
std::vector<int> Skaner::niedokonczone() const {
  const Automat_Tokenow& a = *skaner_.automat;
  const int n = a.licz_stanow();
  std::vector<int> t(static_cast<std::size_t>(n) + 1, -1);
  for (int s = 1; s <= n; ++s) {
    const int wz = a.wygrany(s);
    if (wz >= 0 && skaner_.wzorce.cele[static_cast<std::size_t>(wz)].rodzaj == Wzorce_Skanera::Rodzaj::token)
      t[static_cast<std::size_t>(s)] = skaner_.wzorce.cele[static_cast<std::size_t>(wz)].nr;
  }
  // The least over the states a move leads to, until nothing changes.
  const auto lepszy = [](int x, int y) { return x < 0 || (y >= 0 && y < x) ? y : x; };
  for (bool zmiana = true; zmiana;) {
    zmiana = false;
    for (int s = 1; s <= n; ++s)
      for (unsigned c = 0; c < 256; ++c) {
        const int u = a.przejscie(s, static_cast<unsigned char>(c));
        const int b = lepszy(t[static_cast<std::size_t>(s)], t[static_cast<std::size_t>(u)]);
        if (u == 0 || b == t[static_cast<std::size_t>(s)]) continue;
        t[static_cast<std::size_t>(s)] = b;
        zmiana = true;
      }
  }
  return t;
}

// The token kind a match ending in the state gives, named with its
// package, when the scan can hand it over where it ends (its text stays in
// the buffer and holds no line feed); else "".
std::string Skaner::token_wprost(int s, const Cechy& c) const {
  const int wz = skaner_.automat->wygrany(s);
  if (c.wart || c.lf_w_tokenie || wz < 0) return "";
  const Wzorce_Skanera::Cel& cel = skaner_.wzorce.cele[static_cast<std::size_t>(wz)];
  if (cel.rodzaj != Wzorce_Skanera::Rodzaj::token) return "";
  return pak_.nazwa_skan + "." + skaner_.tokeny[static_cast<std::size_t>(cel.nr)]->nazwa;
}

int Skaner::ruch(int s, unsigned c) const {
  return zastepca_[static_cast<std::size_t>(skaner_.automat->przejscie(s, static_cast<unsigned char>(c)))];
}

bool Skaner::bez_wyjscia(int s) const {
  for (unsigned c = 0; c < 256; ++c)
    if (ruch(s, c) != 0) return false;
  return true;
}

// The characters on which a state stays where it is.
std::vector<bool> Skaner::petla(int s) const {
  Zbior z(256, false);
  for (unsigned c = 0; c < 256; ++c) z[c] = ruch(s, c) == s;
  return z;
}

// The ways out of a state's run, each a test of its own on C, first the
// characters on which the match ends, then those that lead on, then those
// on which the automaton stops short; empty where the run's characters are
// few ranges (one membership tests them) or the ways out too many. The run
// ends on a jump that no history predicts well (a string's length), and
// such a jump costs what it takes to decide it: one comparison with the
// character read, where a table would first read the table.
std::vector<std::string> Skaner::wyjscia_biegu(int s) const {
  const Automat_Tokenow& a = *skaner_.automat;
  const Zbior wlasne = petla(s);
  if (przedzialy(wlasne).size() <= przedzialy_w_tescie) return {};
  std::vector<Zbior> rodzaje(3, Zbior(256, false));
  for (unsigned z = 0; z < 256; ++z) {
    if (wlasne[z]) continue;
    const int t = ruch(s, z);
    const bool konczy = t == 0 ? a.wygrany(s) >= 0 : bez_wyjscia(t) && a.wygrany(t) >= 0;
    rodzaje[konczy ? 0 : t != 0 ? 1 : 2][z] = true;
  }
  std::vector<std::string> testy;
  for (const Zbior& r : rodzaje)
    for (const auto& [od, DO] : przedzialy(r)) testy.push_back(test_ady(od, DO));
  if (testy.size() > wyjscia_w_tescie) return {};
  return testy;
}

// The tables of the loops that test more ranges than a membership or their
// ways out do well, and the characters that begin something.
void Skaner::tablice_petli(Pisarz& w) {
  const Automat_Tokenow& a = *skaner_.automat;
  Zbior poczatki(256, false);
  for (unsigned c = 0; c < 256; ++c) poczatki[c] = ruch(1, c) != 0;
  w.linia("-- znaki, od ktorych zaczyna sie token, komentarz albo pominiecie");
  w.linia("Poczatki_Aut : constant array (Character) of Boolean := (",
          przedzialy(poczatki).empty() ? "" : wybor_ady(poczatki) + " => True, ", "others => False);");
  bool pierwsza = true;
  for (int s = 1; s <= a.licz_stanow(); ++s) {
    if (zastepca_[static_cast<std::size_t>(s)] != s) continue;
    const Zbior z = petla(s);
    if (przedzialy(z).size() <= przedzialy_w_tescie || !wyjscia_biegu(s).empty()) continue;
    if (pierwsza) w.linia("-- znaki, na ktorych stan zostaje soba");
    pierwsza = false;
    w.linia("Petla_", std::to_string(s), "_Aut : constant array (Character) of Boolean := (", wybor_ady(z),
            " => True, others => False);");
  }
}

namespace {

// The label of a state's code.
std::string etykieta(int s) { return "Stan_" + std::to_string(s); }

}  // namespace

// Whether the automaton hands a token over where it ends: a move into a
// state without moves, or a state that accepts and has no move on some
// character.
bool Skaner::wydaje_wprost(const std::vector<int>& stany, const Cechy& c) const {
  for (int s : stany)
    for (unsigned z = 0; z < 256; ++z) {
      const int t = ruch(s, z);
      if (t != 0 && t != s && bez_wyjscia(t) && !token_wprost(t, c).empty()) return true;
      if (t == 0 && !token_wprost(s, c).empty()) return true;
    }
  return false;
}

// One move from state z: into a state that accepts, the match grows; into
// one without moves, the match is over; into any other, its code goes on.
void Skaner::ruch_kodem(Pisarz& w, int z, int cel, const Cechy& c) {
  const Automat_Tokenow& a = *skaner_.automat;
  const bool wprost = bez_wyjscia(cel) && !token_wprost(cel, c).empty();
  if (a.wygrany(cel) >= 0 && !wprost) {
    w.linia("Kon := I;");
    w.linia("Akc := ", std::to_string(cel), ";");
  }
  if (wprost) {
    w.linia("Token_Aut.Kod := ", token_wprost(cel, c), ";");
    w.linia("I := I + 1;");
    w.linia("goto Wydaj;");
  } else if (bez_wyjscia(cel)) {
    stop_kodem(w, z);
  } else {
    w.linia("I := I + 1;");
    w.linia("goto ", etykieta(cel), ";");
  }
}

// The automaton stops in state z on character I.
void Skaner::stop_kodem(Pisarz& w, int z) {
  w.linia("S := ", std::to_string(z), ";");
  w.linia("goto Stoj;");
}

// A run of characters from I on, up to the first character for which one
// of the tests holds or to the end of the buffer; I is then at that
// character (and C holds it, where the tests are of C). The buffer ends
// below Natural'Last, so I + 1 needs no check, and the loop costs nothing
// to enter: most runs are short.
void Skaner::petla_kodem(Pisarz& w, const std::vector<std::string>& wyjscia, bool z_c) {
  w.linia("while I <= B'Last loop");
  if (z_c) w.linia("  C := B (I);");
  for (const std::string& t : wyjscia) w.linia("  exit when ", t, ";");
  w.linia("  I := I + 1;");
  w.linia("end loop;");
}

// The start state's own choices: the characters skipped whatever follows
// them go round again (the token begins after them), and a line feed among
// them counts a line.
void Skaner::pomijane_kodem(Pisarz& w) {
  Zbior z(256, false);
  for (unsigned c = 0; c < 256; ++c) z[c] = c != '\n' && zawsze_pomijany(c);
  if (!przedzialy(z).empty()) {
    wybory(w, z);
    w.linia("  I := I + 1;");
    w.linia("  goto ", etykieta(1), ";");
  }
  if (!zawsze_pomijany('\n')) return;
  w.linia("when ", znak_ady('\n'), " =>");
  w.linia("  I := I + 1;");
  w.linia("  Linia_We := Linia_We + 1;");
  w.linia("  Pocz_Linii_We := I;");
  w.linia("  goto ", etykieta(1), ";");
}

// A blank, the commonest thing before a token, costs no jump; the
// character is read once for the test and the jump.
void Skaner::spacja_kodem(Pisarz& w) {
  w.linia("C := B (I);");
  w.linia("if C = ' ' then");
  w.linia("  I := I + 1;");
  w.linia("  goto ", etykieta(1), ";");
  w.linia("end if;");
}

// The code of one state: its own characters in a loop, the end of the
// buffer, then a case on the character that leaves it. Where no move
// leads on, the automaton stops in the state, on that character. The
// start state's case is the one jump on a token's first character.
void Skaner::stan_kodem(Pisarz& w, int s, const Cechy& c) {
  const Automat_Tokenow& a = *skaner_.automat;
  w.linia("<<", etykieta(s), ">>");
  if (s == 1) w.linia("Od := I;");
  const Zbior wlasne = petla(s);
  const std::vector<std::string> wyjscia = wyjscia_biegu(s);
  if (!przedzialy(wlasne).empty()) {
    if (przedzialy(wlasne).size() <= przedzialy_w_tescie)
      petla_kodem(w, {"B (I) not in " + wybor_ady(wlasne)}, false);
    else if (!wyjscia.empty())
      petla_kodem(w, wyjscia, true);
    else
      petla_kodem(w, {"not Petla_" + std::to_string(s) + "_Aut (B (I))"}, false);
    // Where the state accepts, the match grows with the loop.
    if (a.wygrany(s) >= 0) w.linia("Kon := I - 1;");
  }
  w.linia("if I > B'Last then");
  {
    Wciecie e(w, krok_wciecia);
    stop_kodem(w, s);
  }
  w.linia("end if;");
  if (s == 1 && zawsze_pomijany(' ')) spacja_kodem(w);
  // The other moves, grouped by the state they lead to.
  std::map<int, Zbior> cele;
  bool wszystkie = true;
  for (unsigned z = 0; z < 256; ++z) {
    const int t = ruch(s, z);
    if (t == s || (s == 1 && zawsze_pomijany(z))) continue;
    if (t == 0) {
      wszystkie = false;
      continue;
    }
    cele.try_emplace(t, Zbior(256, false)).first->second[z] = true;
  }
  // Without a move out, the loop has taken what it could: the match ends
  // here, handed over or stopped at.
  if (s != 1 && cele.empty()) {
    if (!wszystkie && !token_wprost(s, c).empty()) {
      w.linia("Token_Aut.Kod := ", token_wprost(s, c), ";");
      w.linia("goto Wydaj;");
    } else {
      stop_kodem(w, s);
    }
    return;
  }
  // C holds the character where the start state or a run's tests read it.
  const bool c_przeczytany = s == 1 ? zawsze_pomijany(' ') : !wyjscia.empty();
  w.linia(c_przeczytany ? "case C is" : "case B (I) is");
  {
    Wciecie galezie(w, krok_wciecia);
    if (s == 1) pomijane_kodem(w);
    for (const auto& [t, z] : cele) {
      wybory(w, z);
      Wciecie ruch(w, krok_wciecia);
      ruch_kodem(w, s, t, c);
    }
    if (!wszystkie) {
      // In a state that accepts, the match ends before this character.
      // The start state names them: its jump then takes every character
      // from one table, without a test of its range first.
      if (s == 1) {
        Zbior bez_ruchu(256, false);
        for (unsigned z = 0; z < 256; ++z) bez_ruchu[z] = ruch(1, z) == 0;
        wybory(w, bez_ruchu);
      } else {
        w.linia("when others =>");
      }
      Wciecie inne(w, krok_wciecia);
      if (!token_wprost(s, c).empty()) {
        w.linia("Token_Aut.Kod := ", token_wprost(s, c), ";");
        w.linia("goto Wydaj;");
      } else {
        stop_kodem(w, s);
      }
    }
  }
  w.linia("end case;");
}

// The filled part of the buffer laid out as an array of its own, B, whose
// last index leaves room for I + 1: the loops over it need no index checks
// and GCC no overflow checks on I.
void Skaner::bufor_ulozony(Pisarz& w) {
  w.linia("Ost : constant Natural range 0 .. Natural'Last - 1 := Dl_We;");
  w.linia("B : String (1 .. Ost) with Import, Address => Adres_We;");
}

// Whether the automaton reads characters into C: the start state once for
// the blank and the jump, a run once for each of its tests.
bool Skaner::czyta_c(const std::vector<int>& stany) const {
  return zawsze_pomijany(' ') ||
         std::any_of(stany.begin(), stany.end(), [this](int s) { return !wyjscia_biegu(s).empty(); });
}

// Automat_We: the automaton over the part of the buffer filled so far,
// each state a label and a move a jump. It hands a token over where it
// ends (True) or stops (False) at the end of the buffer or where no move
// leads on; Rozstrzygnij_We then decides, and the automaton goes on where it
// stood: S_We and the rest say where.
void Skaner::automat_kodem(Pisarz& w, const Cechy& c) {
  std::vector<int> stany;
  for (int s = 1; s <= skaner_.automat->licz_stanow(); ++s)
    if (zastepca_[static_cast<std::size_t>(s)] == s && !bez_wyjscia(s)) stany.push_back(s);
  w.blok(R"ada(
-- gdzie automat stanal: stan, znaki przeczytane od Poz_We, ostatni znak
-- najdluzszego dopasowania i stan, w ktorym sie skonczylo (0, gdy go nie ma)
S_We : Stan_Aut := 1;
Ile_We : Natural := 0;
Kon_We : Integer := 0;
Akc_We : Stan_Aut := 0;

-- automat od Poz_We po wypelnionej czesci bufora, kazdy stan etykieta, a
-- ruch skok: True, kiedy wydal token, False, kiedy stanal (na koncu bufora
-- albo bez ruchu); po postoju idzie dalej ze stanu S_We, w ktorym stanal
function Automat_We (Po_Postoju : Boolean) return Boolean is
  -- bufor bez ostatniej mozliwej pozycji: I + 1 nigdy nie przekracza zakresu
)ada");
  {
    Wciecie deklaracje(w, krok_wciecia);
    bufor_ulozony(w);
  }
  w.blok(R"ada(
  S : Stan_Aut := 1;        -- stan, w ktorym automat stanal
  Od : Positive := Poz_We;  -- pierwszy znak tokenu
  I : Positive := Od;       -- nastepny znak
  Kon : Integer := 0;       -- ostatni znak najdluzszego dopasowania
  Akc : Stan_Aut := 0;      -- stan, w ktorym sie skonczylo; 0, gdy go nie ma
)ada");
  if (czyta_c(stany)) w.linia("  C : Character;            -- znak, ktory automat bada");
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    if (stany.size() > 1) {
      w.linia("if Po_Postoju and then S_We /= 1 then");
      w.linia("  goto Wznow;");
      w.linia("end if;");
    }
    for (int s : stany) stan_kodem(w, s, c);
    if (wydaje_wprost(stany, c)) {
      // No token handed over here holds a line feed, so the line counted is
      // already the token's place.
      w.linia("<<Wydaj>>");
      w.linia("Tekst_Od_We := Od;");
      w.linia("Poz_We := I;");
      w.linia("return True;");
    }
    w.blok(R"ada(
<<Stoj>>
S_We := S;
Ile_We := I - Od;
Kon_We := Kon;
Akc_We := Akc;
Poz_We := Od;
return False;
)ada");
    // Going on after a stop leaves S_We as it is: whatever reads it next,
    // Stoj or Rozstrzygnij_We has written it first.
    if (stany.size() > 1) {
      w.blok(R"ada(
<<Wznow>>
S := S_We;
I := Od + Ile_We;
Kon := Kon_We;
Akc := Akc_We;
case S is
)ada");
      for (std::size_t i = 1; i < stany.size(); ++i)
        w.linia("  when ", std::to_string(stany[i]), " => goto ", etykieta(stany[i]), ";");
      w.linia("  when others => goto ", etykieta(1), ";");
      w.linia("end case;");
    }
  }
  w.linia("end Automat_We;");
  // Written out twice: where a scan begins, and after a stop.
  w.linia("pragma Inline_Always (Automat_We);");
  w.linia();
}

// Whether the error of a comment without its end needs its place kept
// aside: where the line is counted in P_Pozycja itself, the scan has
// counted it up to the end of the input by the time the error is raised.
// Rozstrzygnij_We reports it at the comment's beginning, and goes on from
// where the scan is.
bool Skaner::miejsce_komentarza(const Cechy& c) const { return c.miejsce_wprost && jest_komentarz(false); }

// Rozstrzygnij_We, where the automaton stood still. At the end of the buffer it
// asks for more (Dolej keeps the token's first character at Poz_We) and
// lets the automaton go on. Else the match is over: the end of the input,
// a token begun and not finished, a character that begins none, or the
// longest match. A match after which the automaton read on into a longer
// token and stopped in it, on a character that begins no token of its
// own, is that longer token unfinished (1e in JSON); where that character
// begins one, the match stands (1..2 in Pascal).
void Skaner::dalej_kodem(Pisarz& w, const Cechy& c) {
  const std::string poz = pak_.nazwa_pozycji + ".";
  w.blok(R"ada(
-- Automat_We stanal: na koncu bufora dolewa i automat idzie dalej; bez
-- ruchu albo na koncu wejscia dopasowanie sie skonczylo: wydaje token
-- (True) albo pomija, co automat dopasowal, czy zglasza blad (False)
function Rozstrzygnij_We return Boolean is
  S : constant Stan_Aut := S_We;
  Akc : constant Stan_Aut := Akc_We;
  Od : Positive := Poz_We;
  I : Positive := Od + Ile_We;
  Kon : Integer := Kon_We;
  Dlugosc : Natural;
)ada");
  if (miejsce_komentarza(c))
    w.blok(R"ada(
  -- linia i kolumna (od 0) poczatku dopasowania: tam stoi blad komentarza
  -- bez konca, choc skaner doszedl juz do konca wejscia
  Linia_Od : Natural := 0;
  Kolumna_Od : Integer := 0;
)ada");
  w.blok(R"ada(
begin
  S_We := 1;
  if I > Dl_We then
    -- Dolej przesuwa tekst tak, ze token zaczyna sie od Poz_We
    if Zapewnij (Ile_We + 1) then
      S_We := S;
      Kon_We := Kon - (Od - Poz_We);
      return False;
    end if;
    Kon := Kon - (Od - Poz_We);
    Od := Poz_We;
    I := Od + Ile_We;
  end if;
)ada");
  Wciecie cialo(w, krok_wciecia);
  miejsce_tokenu(w, "Od", c);
  if (miejsce_komentarza(c)) {
    w.linia("Linia_Od := Linia_We;");
    w.linia("Kolumna_Od := Od - Pocz_Linii_We;");
  }
  w.linia("if Akc = 0 and then Od > Dl_We then");
  {
    Wciecie e(w, krok_wciecia);
    token_konca(w, c);
  }
  w.linia("end if;");
  w.linia("if (Akc = 0 or else (I > Kon + 1 and then not Poczatki_Aut (Bufor_We (Kon + 1))))");
  w.linia("  and then I > Od and then Niedokonczone_Aut (S) /= Pusty");
  w.linia("then");
  {
    Wciecie e(w, krok_wciecia);
    w.linia(poz, "Niedokonczony := Token_Kod'Pos (Niedokonczone_Aut (S));");
    if (c.odtwarzanie) w.linia("Zajete_We := I - Od;");
    w.linia("Blad (", niedokonczony_ady.stala, ");");
  }
  w.linia("elsif Akc = 0 then");
  {
    Wciecie e(w, krok_wciecia);
    w.linia(poz, "Znak := Bufor_We (Od);");
    if (c.odtwarzanie) w.linia("Zajete_We := Natural'Max (I - Od, 1);");
    w.linia("Blad (", zly_znak_ady.stala, ");");
  }
  w.linia("end if;");
  w.linia("Dlugosc := Kon - Od + 1;");
  dopasowanie(w, c);
  w.linia("return False;");
}

// The scan of the extended notation: the automaton, on the way through
// the buffer, and what is done where it stands still. With recovery a
// lexical error is reported there and the scan goes on after what it took.
void Skaner::skanuj_kodem(Pisarz& w, const Cechy& c) {
  automat_kodem(w, c);
  dalej_kodem(w, c);
  if (c.scalony) {
    w.linia("exception");
    w.linia("  when Blad_Skanera =>");
    if (miejsce_komentarza(c)) {
      w.blok(R"ada(
    -- blad stoi tam, gdzie zaczelo sie dopasowanie; skaner idzie dalej stad,
    -- dokad doszedl
    declare
      Linia_Kon : constant Natural := Linia_We;
      Pocz_Linii_Kon : constant Integer := Pocz_Linii_We;
    begin
      Linia_We := Linia_Od;
      Pocz_Linii_We := Tekst_Od_We - Kolumna_Od;
)ada");
      w.linia("      ", pak_.nazwa_bledy, ".Zglos_Skanera (Nr_Bledu_Skan);");
      w.blok(R"ada(
      Linia_We := Linia_Kon;
      Pocz_Linii_We := Pocz_Linii_Kon;
    end;
)ada");
    } else {
      w.linia("    ", pak_.nazwa_bledy, ".Zglos_Skanera (Nr_Bledu_Skan);");
    }
    w.linia("    Przesun (Zajete_We);");
    w.linia("    Zajete_We := 0;");
    w.linia("    return False;");
  } else if (miejsce_komentarza(c)) {
    w.blok(R"ada(
exception
  when Blad_Skanera =>
    -- blad stoi tam, gdzie zaczelo sie dopasowanie
    Linia_We := Linia_Od;
    Pocz_Linii_We := Tekst_Od_We - Kolumna_Od;
    raise;
)ada");
  }
  w.blok(R"ada(
end Rozstrzygnij_We;

-- skanowanie od postoju automatu, az ktorys wyda token
procedure Dalej_We is
begin
  loop
    exit when Rozstrzygnij_We or else Automat_We (Po_Postoju => True);
  end loop;
end Dalej_We;
pragma No_Inline (Dalej_We);

procedure Skanuj_Biezacy is
begin
  if not Automat_We (Po_Postoju => False) then
    Dalej_We;
  end if;
end Skanuj_Biezacy;

)ada");
}

}  // namespace bryzas
