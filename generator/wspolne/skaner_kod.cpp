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

// The start state's moves by class: 0 no move (or a character the loop
// before the case has skipped), 1 a skipped line feed, then one class for
// each state a move leads to, in the order of their numbers.
Skaner::Klasy_Startu Skaner::klasy_startu() const {
  Klasy_Startu k{std::vector<int>(256, 0), {}};
  std::map<int, int> numery;
  for (unsigned c = 0; c < 256; ++c)
    if (ruch(1, c) != 0 && !zawsze_pomijany(c)) numery.emplace(ruch(1, c), 0);
  for (auto& [t, nr] : numery) {
    nr = static_cast<int>(k.cele.size()) + 2;
    k.cele.push_back(t);
  }
  for (unsigned c = 0; c < 256; ++c) {
    if (zawsze_pomijany(c))
      k.klasa[c] = c == '\n' ? 1 : 0;
    else if (ruch(1, c) != 0)
      k.klasa[c] = numery[ruch(1, c)];
  }
  return k;
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
  // One jump on the class of the token's first character.
  const Klasy_Startu k = klasy_startu();
  w.linia("-- klasy pierwszego znaku tokenu: 0 zaden, 1 pomijany koniec linii, dalej stany");
  w.linia("type Klasa_Aut is range 0 .. ", std::to_string(k.cele.size() + 1), ";");
  w.linia("Klasy_Aut : constant array (Character) of Klasa_Aut := (");
  for (std::size_t nr = 1; nr < k.cele.size() + 2; ++nr) {
    Zbior z(256, false);
    for (unsigned c = 0; c < 256; ++c) z[c] = k.klasa[c] == static_cast<int>(nr);
    if (!przedzialy(z).empty()) w.linia("  ", wybor_ady(z), " => ", std::to_string(nr), ",");
  }
  w.linia("  others => 0);");
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
void Skaner::ruch_kodem(Pisarz& w, int cel, const Cechy& c) {
  const Automat_Tokenow& a = *skaner_.automat;
  if (a.wygrany(cel) >= 0 && (!bez_wyjscia(cel) || token_wprost(cel, c).empty())) {
    w.linia("Kon := I;");
    w.linia("Akc := ", std::to_string(cel), ";");
  }
  if (bez_wyjscia(cel) && !token_wprost(cel, c).empty()) {
    w.linia("Wydaj_We (", token_wprost(cel, c), ", Od, I + 1);");
    w.linia(c.powrot);
  } else if (bez_wyjscia(cel)) {
    w.linia("exit Automat;");
  } else {
    w.linia("I := I + 1;");
    w.linia("goto ", etykieta(cel), ";");
  }
}

// A run of characters from I on: a for loop (its index needs no check) up
// to the first character for which the test holds, or to the end of the
// buffer; I is then at that character.
void Skaner::petla_kodem(Pisarz& w, const std::string& koniec, const std::string& etykieta_dalej) {
  w.linia("for J in I .. B'Last loop");
  w.linia("  if ", koniec, " then");
  w.linia("    I := J;");
  w.linia("    goto ", etykieta_dalej, ";");
  w.linia("  end if;");
  w.linia("end loop;");
  w.linia("I := B'Last + 1;");
  w.linia("<<", etykieta_dalej, ">>");
}

// The characters skipped before a token, in the start state: a run of
// them in a tight loop (the token begins after it), and a line feed among
// them counts a line. The start state's code is entered with I = Od.
void Skaner::pomijane_kodem(Pisarz& w) {
  Zbior z(256, false);
  for (unsigned c = 0; c < 256; ++c) z[c] = c != '\n' && zawsze_pomijany(c);
  if (przedzialy(z).empty()) return;
  petla_kodem(w, przedzialy(z).size() <= przedzialy_w_tescie ? "B (J) not in " + wybor_ady(z) : "not Pomijane_Aut (B (J))",
              etykieta(1) + "_Token");
  w.linia("Od := I;");
}

// The start state's moves: one jump on the class of the character.
void Skaner::start_kodem(Pisarz& w, const Cechy& c) {
  const Klasy_Startu k = klasy_startu();
  w.linia("case Klasy_Aut (B (I)) is");
  {
    Wciecie wybory(w, krok_wciecia);
    w.linia("when 0 =>");
    w.linia("  exit Automat;");
    koniec_linii_kodem(w);
    for (std::size_t i = 0; i < k.cele.size(); ++i) {
      w.linia("when ", std::to_string(i + 2), " =>");
      Wciecie ruch(w, krok_wciecia);
      ruch_kodem(w, k.cele[i], c);
    }
  }
  w.linia("end case;");
}

// The line feed skipped in the start state (class 1).
void Skaner::koniec_linii_kodem(Pisarz& w) {
  if (!zawsze_pomijany('\n')) {
    w.linia("when 1 =>");
    w.linia("  exit Automat;");
    return;
  }
  w.linia("when 1 =>");
  w.linia("  I := I + 1;");
  w.linia("  Od := I;");
  w.linia("  Linia_We := Linia_We + 1;");
  w.linia("  Pocz_Linii_We := I;");
  w.linia("  goto ", etykieta(1), ";");
}

// The code of one state: its own characters in a loop, the end of the
// buffer, then a case on the character that leaves it. Where no move
// leads on, the automaton stops in the state, on that character.
void Skaner::stan_kodem(Pisarz& w, int s, const Cechy& c) {
  const Automat_Tokenow& a = *skaner_.automat;
  w.linia("<<", etykieta(s), ">>");
  if (s == 1) pomijane_kodem(w);
  const Zbior wlasne = petla(s);
  if (!przedzialy(wlasne).empty()) {
    petla_kodem(w,
                przedzialy(wlasne).size() <= przedzialy_w_tescie ? "B (J) not in " + wybor_ady(wlasne)
                                                                  : "not Petla_" + std::to_string(s) + "_Aut (B (J))",
                etykieta(s) + "_Dalej");
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
  if (s == 1) {
    start_kodem(w, c);
    return;
  }
  w.linia("case B (I) is");
  {
    Wciecie wybory(w, krok_wciecia);
    for (const auto& [t, z] : cele) {
      w.linia("when ", wybor_ady(z), " =>");
      Wciecie ruch(w, krok_wciecia);
      ruch_kodem(w, t, c);
    }
    if (!wszystkie) {
      // In a state that accepts, the match ends before this character.
      w.linia("when others =>");
      if (!token_wprost(s, c).empty()) {
        w.linia("  Wydaj_We (", token_wprost(s, c), ", Od, I);");
        w.linia("  ", c.powrot);
      } else {
        w.linia("  S := ", std::to_string(s), ";");
        w.linia("  exit Automat;");
      }
    }
  }
  w.linia("end case;");
}

// The automaton over the part of the buffer filled so far, renamed whole,
// each state a label: a move is a jump. At the end of the buffer it asks
// for more (Dolej keeps the token's first character at Poz_We) and goes on
// in the state it was in.
void Skaner::automat_kodem(Pisarz& w, const Cechy& c) {
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
    for (int s : stany) stan_kodem(w, s, c);
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
  miejsce_tokenu(w, "Od");
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
    automat_kodem(w, c);
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
