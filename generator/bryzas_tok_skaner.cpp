#include "generator/bryzas_tok_skaner.h"

#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

#include "generator/naglowek.h"
#include "generator/pisarz.h"
#include "wspolne/tekst.h"

namespace bryzas {

namespace {

// The first line of the file, "" when something of that name cannot be
// read as a file (a directory, a FIFO), nullopt when there is none.
std::optional<std::string> pierwsza_linia(const std::string& nazwa) {
  int fd = ::open(nazwa.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? std::nullopt : std::optional<std::string>("");
  char bufor[256];
  const ssize_t n = ::read(fd, bufor, sizeof bufor);
  ::close(fd);
  if (n <= 0) return "";
  std::string l(bufor, static_cast<std::size_t>(n));
  return l.substr(0, l.find('\n'));
}

}  // namespace

// An Ada expression of type String for any text: printable ASCII inside
// quotes, every other character by its code.
std::string wyrazenie_napisu(std::string_view tekst) {
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

// Values per line in the generated tables.
constexpr std::size_t wartosci_w_linii = 16;

void agregat(Pisarz& w, const std::vector<std::string>& wartosci, std::string_view koniec) {
  Wciecie glebiej(w, krok_wciecia);
  for (std::size_t i = 0; i < wartosci.size(); i += wartosci_w_linii) {
    std::string l;
    for (std::size_t j = i; j < std::min(i + wartosci_w_linii, wartosci.size()); ++j)
      l += wartosci[j] + (j + 1 < wartosci.size() ? "," : "") + (j + 1 < std::min(i + wartosci_w_linii, wartosci.size()) ? " " : "");
    w.linia(l, i + wartosci_w_linii >= wartosci.size() ? koniec : "");
  }
}

bryzas_tok_skaner::bryzas_tok_skaner(bryzas_pak& pak, Konsola& konsola) : pak_(pak), konsola_(konsola) {}

bool bryzas_tok_skaner::gen_skaner() {
  // A token file that exists but cannot be read ends the run, as a grammar
  // of that kind does.
  bryzas_tok czytnik;
  std::optional<Opis_Tokenow> opis = czytnik.czytaj(pak_.plik_tok);
  if (!opis) return false;
  opis_ = std::move(*opis);

  std::optional<Blad_Tokenow> blad = czytnik.blad();
  if (!blad) {
    // Only the grammar's terminals are recognised: a kind it does not
    // declare could not be named in the generated Ada.
    skaner_ = zbuduj_skaner(
        opis_, [&](const std::string& n) { return pak_.symbole.tablsymterm.znajdz(n) != 0; },
        pak_.rozszerzona ? Granice_Automatu::rosnace : Granice_Automatu::stale);
    blad = skaner_.blad;
  }
  if (blad)
    konsola_.linia("Blad tokenow (" + wspolne::obraz(blad->nr) + ") - " + pak_.plik_tok + ", l:" +
                   wspolne::obraz(blad->linia) + ", k:" + wspolne::obraz(blad->kol) + ": " +
                   std::string(komunikat_tokenow(blad->nr)));
  pisz_plik(pak_.plik_tok_lst, [&](Pisarz& w) {
    for (std::size_t i = 0; i < czytnik.linie().size(); ++i) {
      const std::string numer = wspolne::obraz(static_cast<long long>(i + 1)) + ": ";
      w.linia(numer, czytnik.linie()[i]);
      if (blad && blad->linia == static_cast<int>(i + 1)) break;
    }
    if (!blad) {
      w.linia();
      w.linia("Bez bledu");
      return;
    }
    const std::string numer = wspolne::obraz(blad->linia) + ": ";
    w.linia(std::string(numer.size() + static_cast<std::size_t>(blad->kol) - 1, '-'), "^");
    w.linia("Blad tokenow: ", komunikat_tokenow(blad->nr));
  });
  if (blad) return true;
  pak_.z_tokenami = true;

  const std::string& skaner = pak_.plik_skan;
  if (!skaner_do_napisania(skaner)) {
    konsola_.linia("*** " + skaner + " nie pochodzi z " + pak_.plik_tok + ": pozostaje bez zmian");
  } else {
    pisz_plik(skaner, [&](Pisarz& w) { pisz_skaner(w); });
  }
  pisz_plik(pak_.plik_pozycji, [&](Pisarz& w) { pisz_pozycje(w); });
  return false;
}

bool skaner_do_napisania(const std::string& plik_skan) {
  const std::optional<std::string> pierwsza = pierwsza_linia(plik_skan);
  return !pierwsza || pierwsza->starts_with(znacznik_skanera);
}

bool bryzas_tok_skaner::jest_komentarz(bool liniowy) const {
  for (const Komentarz& k : opis_.komentarze)
    if (k.koniec.empty() == liniowy) return true;
  return false;
}

void bryzas_tok_skaner::pisz_pozycje(Pisarz& w) {
  const std::string& p = pak_.nazwa_pozycji;
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
  w.linia(znacznik_skanera, pak_.plik_tok, "; kazde uruchomienie bryzas pisze go od nowa");
  w.linia("-- pakiet ", pak_.nazwa_skan, " - tresc");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with Ada.Text_IO.C_Streams;");
  w.linia("with Ada.Unchecked_Deallocation;");
  w.linia("with Interfaces.C_Streams;");
  w.linia("with ", pak_.nazwa_pozycji, ";");
  if (pak_.rozszerzona && pak_.odtwarzanie_skanera) w.linia("with ", pak_.nazwa_bledy, ";");
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
// skipped before the automaton starts. The names of the scanner body end
// in _Aut and _We, apart from its subprograms, which a token kind cannot
// hide; the analyser holds them back as names of terminals.
void bryzas_tok_skaner::tablice(Pisarz& w) {
  const Automat_Tokenow& a = *skaner_.automat;
  const int n = a.licz_stanow();
  w.linia("-- automat tokenow: stan 0 to brak przejscia, 1 poczatek");
  w.linia("type Stan_Aut is range 0 .. ", std::to_string(n), ";");
  w.linia("type Klasa_Aut is range 0 .. ", std::to_string(a.licz_klas() - 1), ";");
  // What a match is, with the kinds of comment that the file declares.
  w.linia("type Rodzaj_Aut is (Brak, Pomin, ", jest_komentarz(true) ? "Komentarz_Liniowy, " : "",
          jest_komentarz(false) ? "Komentarz, " : "", "Token);");
  w.linia();
  std::vector<std::string> v;
  for (int k : a.klasy()) v.push_back(std::to_string(k));
  w.linia("Klasy_Aut : constant array (Character) of Klasa_Aut := (");
  agregat(w, v, ");");
  w.linia("Przejscia_Aut : constant array (Stan_Aut range 1 .. ", std::to_string(n),
          ", Klasa_Aut) of Stan_Aut := (");
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
      const Wzorce_Skanera::Cel& c = skaner_.wzorce.cele[static_cast<std::size_t>(wz)];
      if (c.rodzaj == Wzorce_Skanera::Rodzaj::pomin) d = "Pomin";
      if (c.rodzaj == Wzorce_Skanera::Rodzaj::token) {
        d = "Token";
        k = skaner_.tokeny[static_cast<std::size_t>(c.nr)]->nazwa;
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
  w.linia("Rodzaje_Aut : constant array (Stan_Aut) of Rodzaj_Aut := (");
  agregat(w, dzialania, ");");
  w.linia("Kody_Aut : constant array (Stan_Aut) of Token_Kod := (");
  agregat(w, kody, ");");
  if (jest_komentarz(false)) {
    w.linia("-- numer komentarza, ktorego poczatek konczy sie w stanie");
    w.linia("Komentarze_Aut : constant array (Stan_Aut) of Natural := (");
    agregat(w, numery, ");");
  }
  // A character skipped whatever follows: its match is always the longest.
  std::string pomijane;
  for (unsigned c = 0; c < 256; ++c) {
    const int t = a.przejscie(1, static_cast<unsigned char>(c));
    if (t == 0 || a.wygrany(t) < 0 ||
        skaner_.wzorce.cele[static_cast<std::size_t>(a.wygrany(t))].rodzaj != Wzorce_Skanera::Rodzaj::pomin)
      continue;
    bool dalej = false;
    for (unsigned d = 0; d < 256 && !dalej; ++d) dalej = a.przejscie(t, static_cast<unsigned char>(d)) != 0;
    if (!dalej) pomijane += (pomijane.empty() ? "" : " | ") + ("Character'Val (" + std::to_string(c) + ")");
  }
  w.linia("-- znaki pomijane przed automatem");
  w.linia("Pomijane_Aut : constant array (Character) of Boolean := (",
          pomijane.empty() ? "" : pomijane + " => True, ", "others => False);");
  w.linia();
}

}  // namespace bryzas
