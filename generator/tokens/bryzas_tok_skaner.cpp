#include "generator/tokens/bryzas_tok_skaner.h"

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

#include "generator/podstawa/czas.h"
#include "generator/podstawa/pisarz.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/tekst.h"

namespace bryzas {

namespace {

// Values per line in the generated tables.
constexpr std::size_t wartosci_w_linii = 16;

// An Ada expression of type String for any text: printable ASCII inside
// quotes, every other character by its code.
std::string napis_ady(std::string_view tekst) {
  std::vector<std::string> czesci;
  std::string biezacy;
  for (char c : tekst) {
    const auto u = static_cast<unsigned char>(c);
    if (u >= 32 && u < 127) {
      biezacy += c;
      if (c == '"') biezacy += '"';
      continue;
    }
    if (!biezacy.empty()) czesci.push_back("\"" + biezacy + "\"");
    biezacy.clear();
    czesci.push_back("Character'Val (" + std::to_string(u) + ")");
  }
  if (!biezacy.empty()) czesci.push_back("\"" + biezacy + "\"");
  if (czesci.size() == 1 && czesci[0][0] != '"') return "String'(1 => " + czesci[0] + ")";
  std::string s;
  for (const std::string& c : czesci) s += (s.empty() ? "" : " & ") + c;
  return s;
}

// A table as a positional aggregate, wartosci_w_linii values to a line.
void agregat(Pisarz& w, const std::vector<std::string>& wartosci, std::string_view koniec) {
  Wciecie glebiej(w, krok_wciecia);
  for (std::size_t i = 0; i < wartosci.size(); i += wartosci_w_linii) {
    std::string l;
    for (std::size_t j = i; j < std::min(i + wartosci_w_linii, wartosci.size()); ++j)
      l += wartosci[j] + (j + 1 < wartosci.size() ? "," : "") + (j + 1 < std::min(i + wartosci_w_linii, wartosci.size()) ? " " : "");
    w.linia(l, i + wartosci_w_linii >= wartosci.size() ? koniec : "");
  }
}

// The position package is named as GNAT names files by default, in lower
// case, so that a project file written before the token file existed
// finds it too.
std::string plik_pozycji(const std::string& projekt) {
  std::string p = projekt + "_pozycja.ads";
  for (char& c : p) c = static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  return p;
}

// The first line of the file, or "" when it cannot be read as a file.
std::string pierwsza_linia(const std::string& nazwa) {
  int fd = ::open(nazwa.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return "";
  char bufor[256];
  const ssize_t n = ::read(fd, bufor, sizeof bufor);
  ::close(fd);
  if (n <= 0) return "";
  std::string l(bufor, static_cast<std::size_t>(n));
  return l.substr(0, l.find('\n'));
}

}  // namespace

bryzas_tok_skaner::bryzas_tok_skaner(bryzas_pak& pak, const bryzas_skan& skan, Konsola& konsola)
    : pak_(pak), skan_(skan), konsola_(konsola), plik_tok_(pak.nazwa_proj + ".tok") {}

bool bryzas_tok_skaner::gen_skaner() {
  bryzas_tok czytnik;
  std::optional<Opis_Tokenow> opis;
  try {
    opis = czytnik.czytaj(plik_tok_);
  } catch (const wspolne::Blad_Pliku& e) {
    konsola_.linia(e.opis());
    return true;
  }
  if (!opis) return false;
  opis_ = std::move(*opis);

  std::optional<Blad_Tokenow> blad = czytnik.blad();
  if (!blad) {
    // Only the grammar's terminals are recognised: a kind it does not
    // declare could not be named in the generated Ada.
    for (const Definicja_Tokenu& d : opis_.tokeny)
      if (skan_.tablsymterm.znajdz(d.nazwa) != 0) tokeny_.push_back(&d);
    wzorce_ = wzorce_skanera(opis_, tokeny_);
    automat_ = Automat_Tokenow::zbuduj(wzorce_.wzorce);
    if (!automat_) blad = Blad_Tokenow{bledy_tok::za_duzy_automat, 1, 1};
  }
  if (blad)
    konsola_.linia("Blad tokenow (" + wspolne::obraz(blad->nr) + ") - " + plik_tok_ + ", l:" +
                   wspolne::obraz(blad->linia) + ", k:" + wspolne::obraz(blad->kol) + ": " +
                   std::string(komunikat_tokenow(blad->nr)));
  pisz_plik(pak_.nazwa_proj + "_tok.lst", [&](Pisarz& w) {
    for (std::size_t i = 0; i < czytnik.linie().size(); ++i) {
      const std::string numer = wspolne::obraz(static_cast<long long>(i + 1)) + ": ";
      w.linia(numer, czytnik.linie()[i]);
      if (blad && blad->linia == static_cast<int>(i + 1)) break;
    }
    w.linia();
    if (!blad) {
      w.linia("Bez bledu");
      return;
    }
    const std::string numer = wspolne::obraz(blad->linia) + ": ";
    w.linia(std::string(numer.size() + static_cast<std::size_t>(blad->kol) - 1, '-'), "^");
    w.linia("Blad tokenow: ", komunikat_tokenow(blad->nr));
  });
  if (blad) return true;
  pak_.z_tokenami = true;

  const std::string skaner = pak_.nazwa_proj + "_skan.adb";
  const std::string pierwsza = pierwsza_linia(skaner);
  int fd = ::open(skaner.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  const bool jest = fd >= 0 || errno != ENOENT;
  if (fd >= 0) ::close(fd);
  if (jest && !pierwsza.starts_with(znacznik_skanera)) {
    konsola_.linia("*** " + skaner + " nie pochodzi z " + plik_tok_ + ": pozostaje bez zmian");
  } else {
    pisz_plik(skaner, [&](Pisarz& w) { pisz_skaner(w); });
  }
  pisz_plik(plik_pozycji(pak_.nazwa_proj), [&](Pisarz& w) { pisz_pozycje(w); });
  return false;
}

bool bryzas_tok_skaner::jest_komentarz(bool liniowy) const {
  for (const Komentarz& k : opis_.komentarze)
    if (k.koniec.empty() == liniowy) return true;
  return false;
}

void bryzas_tok_skaner::pisz_pozycje(Pisarz& w) {
  const std::string p = pak_.nazwa_proj + "_Pozycja";
  w.linia("-- pakiet ", p, " - specyfikacja");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("package ", p, " is");
  w.linia();
  w.linia("-- linia i kolumna (od 1) pierwszego znaku biezacego tokenu albo bledu skanera");
  w.linia("Linia : Natural := 0;");
  w.linia("Kolumna : Natural := 0;");
  w.linia("-- znak, od ktorego nie zaczyna sie zaden token (blad skanera 1)");
  w.linia("Znak : Character := ' ';");
  w.linia();
  w.linia("end ", p, ";");
}

void bryzas_tok_skaner::pisz_skaner(Pisarz& w) {
  w.linia(znacznik_skanera, plik_tok_, "; kazde uruchomienie bryzas pisze go od nowa");
  w.linia("-- pakiet ", pak_.nazwa_skan, " - tresc");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with ", pak_.nazwa_proj, "_Pozycja;");
  w.linia();
  w.linia("package body ", pak_.nazwa_skan, " is");
  w.linia();
  tablice(w);
  wejscie(w);
  komentarze(w);
  skanuj(w);
  w.linia("end ", pak_.nazwa_skan, ";");
}

// The automaton: the class of every character, the move from every state
// on every class, what a match ending in a state is, and the characters
// skipped before the automaton starts.
void bryzas_tok_skaner::tablice(Pisarz& w) {
  const Automat_Tokenow& a = *automat_;
  const int n = a.licz_stanow();
  w.linia("-- automat tokenow: stan 0 to brak przejscia, 1 poczatek");
  w.linia("type Stan is range 0 .. ", std::to_string(n), ";");
  w.linia("type Klasa is range 0 .. ", std::to_string(a.licz_klas() - 1), ";");
  // What a match is, with the kinds of comment that the file declares.
  w.linia("type Dzialanie is (Brak, Pomin, ", jest_komentarz(true) ? "Komentarz_Liniowy, " : "",
          jest_komentarz(false) ? "Komentarz, " : "", "Token);");
  w.linia();
  std::vector<std::string> v;
  for (int k : a.klasy()) v.push_back(std::to_string(k));
  w.linia("Klasy : constant array (Character) of Klasa := (");
  agregat(w, v, ");");
  w.linia("Przejscia : constant array (Stan range 1 .. ", std::to_string(n), ", Klasa) of Stan := (");
  {
    Wciecie wiersze(w, krok_wciecia);
    for (int s = 1; s <= n; ++s) {
      // One character of each class stands for its column.
      std::vector<std::string> wiersz(static_cast<std::size_t>(a.licz_klas()));
      for (unsigned c = 0; c < 256; ++c)
        wiersz[static_cast<std::size_t>(a.klasy()[c])] = std::to_string(a.przejscie(s, static_cast<unsigned char>(c)));
      if (wiersz.size() == 1) wiersz[0] = "0 => " + wiersz[0];
      w.dopisz(std::to_string(s) + " => (");
      agregat(w, wiersz, s == n ? "));" : "),");
    }
  }
  std::vector<std::string> dzialania{"Brak"}, kody{"Pusty"}, numery{"0"};
  for (int s = 1; s <= n; ++s) {
    const int wz = a.wygrany(s);
    std::string d = "Brak", k = "Pusty", nr = "0";
    if (wz >= 0) {
      const Wzorce_Skanera::Cel& c = wzorce_.cele[static_cast<std::size_t>(wz)];
      if (c.rodzaj == Wzorce_Skanera::Rodzaj::pomin) d = "Pomin";
      if (c.rodzaj == Wzorce_Skanera::Rodzaj::token) {
        d = "Token";
        k = tokeny_[static_cast<std::size_t>(c.nr)]->nazwa;
      }
      if (c.rodzaj == Wzorce_Skanera::Rodzaj::komentarz) {
        const bool liniowy = opis_.komentarze[static_cast<std::size_t>(c.nr)].koniec.empty();
        d = liniowy ? "Komentarz_Liniowy" : "Komentarz";
        if (!liniowy) nr = std::to_string(c.nr + 1);
      }
    }
    dzialania.push_back(d);
    kody.push_back(k);
    numery.push_back(nr);
  }
  w.linia("Dzialania : constant array (Stan) of Dzialanie := (");
  agregat(w, dzialania, ");");
  w.linia("Kody : constant array (Stan) of Token_Kod := (");
  agregat(w, kody, ");");
  if (jest_komentarz(false)) {
    w.linia("-- numer komentarza, ktorego poczatek konczy sie w stanie");
    w.linia("Komentarze : constant array (Stan) of Natural := (");
    agregat(w, numery, ");");
  }
  // A character skipped whatever follows: its match is always the longest.
  std::string pomijane;
  for (unsigned c = 0; c < 256; ++c) {
    const int t = a.przejscie(1, static_cast<unsigned char>(c));
    if (t == 0 || a.wygrany(t) < 0 ||
        wzorce_.cele[static_cast<std::size_t>(a.wygrany(t))].rodzaj != Wzorce_Skanera::Rodzaj::pomin)
      continue;
    bool dalej = false;
    for (unsigned d = 0; d < 256 && !dalej; ++d) dalej = a.przejscie(t, static_cast<unsigned char>(d)) != 0;
    if (!dalej) pomijane += (pomijane.empty() ? "" : " | ") + ("Character'Val (" + std::to_string(c) + ")");
  }
  w.linia("-- znaki pomijane przed automatem");
  w.linia("Pomijane : constant array (Character) of Boolean := (",
          pomijane.empty() ? "" : pomijane + " => True, ", "others => False);");
  w.linia();
}

// The input: a piece of the current line in Bufor, followed by a line feed
// where the line ends; Lin and Kol give the place of Bufor (Start).
void bryzas_tok_skaner::wejscie(Pisarz& w) {
  w.linia("Rozmiar : constant := 4096;");
  w.linia("Bufor : String (1 .. Rozmiar);");
  w.linia("Dl : Natural := 0;");
  w.linia("Start : Positive := 1;");
  w.linia("Lin : Positive := 1;");
  w.linia("Kol : Positive := 1;");
  w.linia();
  w.linia("-- przesuwa nieprzeczytana reszte na poczatek i dopisuje nastepna linie");
  w.linia("-- (albo tyle, ile sie zmiesci), po jej koncu znak LF");
  w.linia("procedure Dolej is");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("Ostatni : Natural;");
  }
  w.linia("begin");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("Bufor (1 .. Dl - Start + 1) := Bufor (Start .. Dl);");
    w.linia("Dl := Dl - Start + 1;");
    w.linia("Start := 1;");
    w.linia("if not End_Of_File then");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("Get_Line (Bufor (Dl + 1 .. Rozmiar - 1), Ostatni);");
      w.linia("if Ostatni < Rozmiar - 1 then");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Ostatni := Ostatni + 1;");
        w.linia("Bufor (Ostatni) := ASCII.LF;");
      }
      w.linia("end if;");
      w.linia("Dl := Ostatni;");
    }
    w.linia("end if;");
  }
  w.linia("end Dolej;");
  w.linia();
  w.linia("-- czy w buforze jest jeszcze N znakow (dolewa, poki wejscie sie nie skonczy)");
  w.linia("function Zapewnij (N : Positive) return Boolean is");
  w.linia("begin");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("while Dl - Start + 1 < N and then not End_Of_File loop");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("Dolej;");
    }
    w.linia("end loop;");
    w.linia("return Dl - Start + 1 >= N;");
  }
  w.linia("end Zapewnij;");
  w.linia();
  w.linia("-- zuzywa N znakow, liczac linie i kolumny");
  w.linia("procedure Przesun (N : Natural) is");
  w.linia("begin");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("for I in Start .. Start + N - 1 loop");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("if Bufor (I) = ASCII.LF then");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Lin := Lin + 1;");
        w.linia("Kol := 1;");
      }
      w.linia("else");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Kol := Kol + 1;");
      }
      w.linia("end if;");
    }
    w.linia("end loop;");
    w.linia("Start := Start + N;");
  }
  w.linia("end Przesun;");
  w.linia();
  w.linia("-- 1: znak, od ktorego nie zaczyna sie zaden token; 2: token dluzszy niz Dl_Tok;");
  w.linia("-- 3: komentarz bez konca");
  w.linia("procedure Blad (Numer : Integer) is");
  w.linia("begin");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("Nr_Bledu_Skan := Numer;");
    w.linia("raise Blad_Skanera;");
  }
  w.linia("end Blad;");
  w.linia();
}

// Comments: to the end of the line (the line feed stays for the automaton),
// and between delimiters, nested or not.
void bryzas_tok_skaner::komentarze(Pisarz& w) {
  std::vector<const Komentarz*> blokowe;
  for (const Komentarz& k : opis_.komentarze)
    if (!k.koniec.empty()) blokowe.push_back(&k);
  if (jest_komentarz(true)) {
    w.linia("procedure Do_Konca_Linii is");
    w.linia("begin");
    {
      Wciecie d(w, krok_wciecia);
      w.linia("while Zapewnij (1) and then Bufor (Start) /= ASCII.LF loop");
      {
        Wciecie e(w, krok_wciecia);
        w.linia("Przesun (1);");
      }
      w.linia("end loop;");
    }
    w.linia("end Do_Konca_Linii;");
    w.linia();
  }
  if (blokowe.empty()) return;
  w.linia("procedure Komentarz (Otwarcie, Zamkniecie : String; Zagniezdzony : Boolean) is");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("Glebokosc : Natural := 1;");
    w.linia("function Jest (S : String) return Boolean is");
    w.linia("  (Zapewnij (S'Length) and then Bufor (Start .. Start + S'Length - 1) = S);");
  }
  w.linia("begin");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("loop");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("if Jest (Zamkniecie) then");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Przesun (Zamkniecie'Length);");
        w.linia("Glebokosc := Glebokosc - 1;");
        w.linia("exit when Glebokosc = 0;");
      }
      w.linia("elsif Zagniezdzony and then Jest (Otwarcie) then");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Przesun (Otwarcie'Length);");
        w.linia("Glebokosc := Glebokosc + 1;");
      }
      w.linia("elsif Zapewnij (1) then");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Przesun (1);");
      }
      w.linia("else");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Blad (3);");
      }
      w.linia("end if;");
    }
    w.linia("end loop;");
  }
  w.linia("end Komentarz;");
  w.linia();
  w.linia("procedure Pomin_Komentarz (Nr : Natural) is");
  w.linia("begin");
  {
    Wciecie d(w, krok_wciecia);
    auto wywolanie = [&](const Komentarz& k) {
      return "Komentarz (" + napis_ady(k.poczatek) + ", " + napis_ady(k.koniec) + ", " +
             (k.zagniezdzony ? "True" : "False") + ");";
    };
    w.linia("case Nr is");
    {
      Wciecie e(w, krok_wciecia);
      for (std::size_t i = 0; i < opis_.komentarze.size(); ++i) {
        const Komentarz& k = opis_.komentarze[i];
        if (k.koniec.empty() || &k == blokowe.back()) continue;
        w.linia("when ", std::to_string(i + 1), " => ", wywolanie(k));
      }
      w.linia("when others => ", wywolanie(*blokowe.back()));
    }
    w.linia("end case;");
  }
  w.linia("end Pomin_Komentarz;");
  w.linia();
}

// The longest match from Start; skips and comments go round again.
void bryzas_tok_skaner::skanuj(Pisarz& w) {
  const std::string poz = pak_.nazwa_proj + "_Pozycja.";
  const bool koniec = !opis_.koniec.empty() && skan_.tablsymterm.znajdz(opis_.koniec) != 0;
  w.linia("function Skanuj return Token_Typ is");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("Wynik : Token_Typ := (Kod => Pusty, Wart => (others => ' '));");
    w.linia("S : Stan;");
    w.linia("Ile : Natural;      -- znaki przeczytane przez automat");
    w.linia("Dlugosc : Natural;  -- najdluzsze dopasowanie");
    w.linia("Akc : Stan;         -- stan, w ktorym sie skonczylo");
  }
  w.linia("begin");
  {
  Wciecie cialo(w, krok_wciecia);
  w.linia("loop");
  {
    Wciecie petla(w, krok_wciecia);
    w.linia("while (Start <= Dl or else Zapewnij (1)) and then Pomijane (Bufor (Start)) loop");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("Przesun (1);");
    }
    w.linia("end loop;");
    w.linia(poz, "Linia := Lin;");
    w.linia(poz, "Kolumna := Kol;");
    w.linia("if Start > Dl then");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("Wynik.Kod := ", koniec ? opis_.koniec : "Pusty", ";");
      w.linia("return Wynik;");
    }
    w.linia("end if;");
    w.linia("S := 1;");
    w.linia("Ile := 0;");
    w.linia("Dlugosc := 0;");
    w.linia("Akc := 0;");
    w.linia("while Start + Ile <= Dl or else Zapewnij (Ile + 1) loop");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("S := Przejscia (S, Klasy (Bufor (Start + Ile)));");
      w.linia("exit when S = 0;");
      w.linia("Ile := Ile + 1;");
      w.linia("if Dzialania (S) /= Brak then");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Dlugosc := Ile;");
        w.linia("Akc := S;");
      }
      w.linia("end if;");
      w.linia("exit when Ile > Dl_Tok;");
    }
    w.linia("end loop;");
    w.linia("if Ile > Dl_Tok then");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("Blad (2);");
    }
    w.linia("elsif Dlugosc = 0 then");
    {
      Wciecie e(w, krok_wciecia);
      w.linia(poz, "Znak := Bufor (Start);");
      w.linia("Blad (1);");
    }
    w.linia("end if;");
    w.linia("case Dzialania (Akc) is");
    {
      Wciecie e(w, krok_wciecia);
      w.linia("when Token =>");
      {
        Wciecie f(w, krok_wciecia);
        w.linia("Wynik.Kod := Kody (Akc);");
        w.linia("Wynik.Wart (1 .. Dlugosc) := Bufor (Start .. Start + Dlugosc - 1);");
        w.linia("Przesun (Dlugosc);");
        w.linia("return Wynik;");
      }
      if (jest_komentarz(true)) {
        w.linia("when Komentarz_Liniowy =>");
        Wciecie f(w, krok_wciecia);
        w.linia("Przesun (Dlugosc);");
        w.linia("Do_Konca_Linii;");
      }
      if (jest_komentarz(false)) {
        w.linia("when Komentarz =>");
        Wciecie f(w, krok_wciecia);
        w.linia("Przesun (Dlugosc);");
        w.linia("Pomin_Komentarz (Komentarze (Akc));");
      }
      w.linia("when others =>");
      Wciecie f(w, krok_wciecia);
      w.linia("Przesun (Dlugosc);");
    }
    w.linia("end case;");
  }
  w.linia("end loop;");
  }
  w.linia("end Skanuj;");
  w.linia();
}

}  // namespace bryzas
