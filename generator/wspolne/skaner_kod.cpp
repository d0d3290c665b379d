// The automaton written as code, for the extended notation: a case on the
// state, in it a case on the character, and the characters a state keeps
// to itself (the inside of a string, digits, a name) taken by a tight loop.
// A state from which no move leads on ends the match at once, without
// reading the character after it.
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

// The set as choices of a case or a membership test: 'a' .. 'z' | '_'.
std::string wybor_ady(const Zbior& z) {
  std::string w;
  for (const auto& [od, DO] : przedzialy(z)) {
    if (!w.empty()) w += " | ";
    w += znak_ady(od);
    if (DO > od) w += " .. " + znak_ady(DO);
  }
  return w;
}

// A set tested by a membership of at most this many ranges; a larger one
// by a table of its own.
constexpr std::size_t przedzialy_w_tescie = 2;

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

// The tables of the loops that test more ranges than a membership does well.
void Skaner::tablice_petli(Pisarz& w) {
  const Automat_Tokenow& a = *skaner_.automat;
  Zbior pomijane(256, false);
  for (unsigned c = 0; c < 256; ++c) pomijane[c] = c != '\n' && zawsze_pomijany(c);
  if (przedzialy(pomijane).size() > przedzialy_w_tescie) {
    w.linia("-- znaki pomijane przed tokenem (bez konca linii)");
    w.linia("Pomijane_Aut : constant array (Character) of Boolean := (", wybor_ady(pomijane),
            " => True, others => False);");
  }
  Zbior poczatki(256, false);
  for (unsigned c = 0; c < 256; ++c) poczatki[c] = ruch(1, c) != 0;
  w.linia("-- znaki, od ktorych zaczyna sie token, komentarz albo pominiecie");
  w.linia("Poczatki_Aut : constant array (Character) of Boolean := (",
          przedzialy(poczatki).empty() ? "" : wybor_ady(poczatki) + " => True, ", "others => False);");
  bool pierwsza = true;
  for (int s = 1; s <= a.licz_stanow(); ++s) {
    if (zastepca_[static_cast<std::size_t>(s)] != s) continue;
    const Zbior z = petla(s);
    if (przedzialy(z).size() <= przedzialy_w_tescie) continue;
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

// One move: into a state that accepts, the match grows; into one without
// moves, the match is over; into any other, its code goes on.
void Skaner::ruch_kodem(Pisarz& w, int cel) {
  const Automat_Tokenow& a = *skaner_.automat;
  if (a.wygrany(cel) >= 0) {
    w.linia("Kon := I;");
    w.linia("Akc := ", std::to_string(cel), ";");
  }
  if (bez_wyjscia(cel)) {
    w.linia("exit Automat;");
  } else {
    w.linia("I := I + 1;");
    w.linia("goto ", etykieta(cel), ";");
  }
}

// The characters skipped before a token, in the start state: a run of
// them in a tight loop (the token begins after it), and a line feed among
// them counts a line. The start state's code is entered with I = Od.
void Skaner::pomijane_kodem(Pisarz& w) {
  Zbior z(256, false);
  for (unsigned c = 0; c < 256; ++c) z[c] = c != '\n' && zawsze_pomijany(c);
  if (przedzialy(z).empty()) return;
  const std::string test = przedzialy(z).size() <= przedzialy_w_tescie ? "B (I) in " + wybor_ady(z) : "Pomijane_Aut (B (I))";
  w.linia("while I <= B'Last and then ", test, " loop");
  w.linia("  I := I + 1;");
  w.linia("end loop;");
  w.linia("Od := I;");
}

// The line feed skipped in the start state.
void Skaner::koniec_linii_kodem(Pisarz& w) {
  if (!zawsze_pomijany('\n')) return;
  w.linia("when ASCII.LF =>");
  w.linia("  I := I + 1;");
  w.linia("  Od := I;");
  w.linia("  Linia_We := Linia_We + 1;");
  w.linia("  Pocz_Linii_We := I;");
  w.linia("  goto ", etykieta(1), ";");
}

// The code of one state: its own characters in a loop, the end of the
// buffer, then a case on the character that leaves it. Where no move
// leads on, the automaton stops in the state, on that character.
void Skaner::stan_kodem(Pisarz& w, int s) {
  const Automat_Tokenow& a = *skaner_.automat;
  w.linia("<<", etykieta(s), ">>");
  if (s == 1) pomijane_kodem(w);
  const Zbior wlasne = petla(s);
  if (!przedzialy(wlasne).empty()) {
    const std::string test = przedzialy(wlasne).size() <= przedzialy_w_tescie
                                 ? "B (I) in " + wybor_ady(wlasne)
                                 : "Petla_" + std::to_string(s) + "_Aut (B (I))";
    w.linia("while I <= B'Last and then ", test, " loop");
    w.linia("  I := I + 1;");
    w.linia("end loop;");
    // Where the state accepts, the match grows with the loop.
    if (a.wygrany(s) >= 0) w.linia("Kon := I - 1;");
  }
  w.linia("if I > B'Last then");
  w.linia("  S := ", std::to_string(s), ";");
  w.linia("  goto Koniec_Bufora;");
  w.linia("end if;");
  // The other moves, grouped by the state they lead to.
  std::map<int, Zbior> cele;
  bool wszystkie = true;
  for (unsigned c = 0; c < 256; ++c) {
    const int t = ruch(s, c);
    if (t == s || (s == 1 && zawsze_pomijany(c))) continue;
    if (t == 0) {
      wszystkie = false;
      continue;
    }
    cele.try_emplace(t, Zbior(256, false)).first->second[c] = true;
  }
  w.linia("case B (I) is");
  {
    Wciecie wybory(w, krok_wciecia);
    if (s == 1) koniec_linii_kodem(w);
    for (const auto& [t, z] : cele) {
      w.linia("when ", wybor_ady(z), " =>");
      Wciecie ruch(w, krok_wciecia);
      ruch_kodem(w, t);
    }
    if (!wszystkie) {
      w.linia("when others =>");
      if (s != 1) w.linia("  S := ", std::to_string(s), ";");
      w.linia("  exit Automat;");
    }
  }
  w.linia("end case;");
}

// The automaton over the part of the buffer filled so far, renamed whole,
// each state a label: a move is a jump. At the end of the buffer it asks
// for more (Dolej keeps the token's first character at Poz_We) and goes on
// in the state it was in.
void Skaner::automat_kodem(Pisarz& w) {
  const Automat_Tokenow& a = *skaner_.automat;
  std::vector<int> stany;
  for (int s = 1; s <= a.licz_stanow(); ++s)
    if (zastepca_[static_cast<std::size_t>(s)] == s && !bez_wyjscia(s)) stany.push_back(s);
  w.blok(R"ada(
S := 1;
Od := Poz_We;
I := Od;
Kon := 0;
Akc := 0;
Automat :
loop
  declare
    B : String renames Bufor_We (1 .. Dl_We);
  begin
)ada");
  {
    Wciecie blok(w, 2 * krok_wciecia);
    if (stany.size() > 1) {
      w.linia("-- po dolaniu automat idzie dalej ze stanu, w ktorym stanal");
      w.linia("if S /= 1 then");
      w.linia("  case S is");
      for (std::size_t i = 1; i < stany.size(); ++i)
        w.linia("    when ", std::to_string(stany[i]), " => goto ", etykieta(stany[i]), ";");
      w.linia("    when others => null;");
      w.linia("  end case;");
      w.linia("end if;");
    }
    for (int s : stany) stan_kodem(w, s);
    w.linia("<<Koniec_Bufora>>");
    w.linia("Ile := I - Od;");
  }
  w.blok(R"ada(
  end;
  -- Dolej przesuwa tekst tak, ze token zaczyna sie od Poz_We
  Poz_We := Od;
  Jest := Zapewnij (Ile + 1);
  Kon := Kon - (Od - Poz_We);
  Od := Poz_We;
  I := Od + Ile;
  exit Automat when not Jest;
end loop Automat;
Poz_We := Od;
)ada");
}

// No match: the end of the input, a token begun and not finished, or a
// character that begins none. A match after which the automaton read on
// into a longer token and stopped in it, on a character that begins no
// token of its own, is that longer token unfinished (1e in JSON); where
// that character begins one, the match stands (1..2 in Pascal).
void Skaner::bez_dopasowania_kodem(Pisarz& w, const Cechy& c) {
  const std::string poz = pak_.nazwa_pozycji + ".";
  w.linia(poz, "Linia := Linia_We;");
  w.linia(poz, "Kolumna := Od - Pocz_Linii_We + 1;");
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
}

// The scan of the extended notation: the automaton skips what comes
// before the token itself. With recovery it is Skanuj_Biezacy itself: a
// lexical error is reported and the scan goes on after what it took.
void Skaner::skanuj_kodem(Pisarz& w, const Cechy& c) {
  w.blok(R"ada(
  S : Stan_Aut;       -- stan, w ktorym automat stanal
  Od : Positive;      -- pierwszy znak tokenu
  I : Positive;       -- nastepny znak
  Kon : Integer;      -- ostatni znak najdluzszego dopasowania
  Akc : Stan_Aut;     -- stan, w ktorym sie skonczylo; 0, gdy go nie ma
  Ile : Natural;      -- znaki przeczytane przez automat od Od
  Dlugosc : Natural;  -- dlugosc dopasowania
  Jest : Boolean;     -- czy wejscie dalo jeszcze znaki
begin
  loop
)ada");
  Wciecie petla(w, 2 * krok_wciecia);
  if (c.scalony) w.linia("begin");
  {
    Wciecie proba(w, c.scalony ? krok_wciecia : 0);
    automat_kodem(w);
    bez_dopasowania_kodem(w, c);
    dopasowanie(w, c);
  }
  if (!c.scalony) return;
  w.linia("exception");
  w.linia("  when Blad_Skanera =>");
  w.linia("    ", pak_.nazwa_bledy, ".Zglos_Skanera (Nr_Bledu_Skan);");
  w.linia("    Przesun (Zajete_We);");
  w.linia("    Zajete_We := 0;");
  w.linia("end;");
}

}  // namespace bryzas
