#include "generator/wspolne/skaner.h"

#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <unistd.h>

#include "generator/wspolne/lista.h"
#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/napis_ady.h"
#include "generator/wspolne/pisarz.h"
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

Skaner::Skaner(const Bryzas_Pak& pak, const Plan_Skanera& plan)
    : pak_(pak), plan_(plan), opis_(plan.tokeny.opis()), skaner_(plan.tokeny.skaner()) {
  if (plan_.rozszerzona) zastepca_ = zastepcy();
}

void Skaner::pisz() {
  pisz_liste_tokenow(pak_.plik(pak_.plik_tok_lst), plan_.tokeny);
  if (plan_.pisz_cialo) pisz_plik(pak_.plik(pak_.plik_skan), [&](Pisarz& w) { pisz_skaner(w); });
  pisz_plik(pak_.plik(pak_.plik_pozycji), [&](Pisarz& w) { pisz_pozycje(w); });
}

std::string skaner_uzytkownika(const Bryzas_Pak& pak) {
  return "*** " + pak.plik_skan + " nie pochodzi z " + pak.plik_tok + ": pozostaje bez zmian";
}

void pisz_liste_tokenow(const std::string& plik_lst, const Plik_Tokenow& tokeny) {
  pisz_plik(plik_lst, [&](Pisarz& w) {
    const std::optional<Blad_Tokenow> b = tokeny.blad();
    if (!b) {
      pisz_liste(w, tokeny.linie(), {});
      w.linia();
      w.linia("Bez bledu");
      return;
    }
    pisz_liste(w, tokeny.linie(), {{b->linia, b->kol, {"Blad tokenow: " + std::string(komunikat_tokenow(b->nr))}}},
               b->linia);
  });
}

bool skaner_do_napisania(const std::string& plik_skan) {
  const std::optional<std::string> pierwsza = pierwsza_linia(plik_skan);
  return !pierwsza || pierwsza->starts_with(znacznik_skanera);
}

// A character skipped whatever follows: its match is always the longest.
bool Skaner::zawsze_pomijany(unsigned c) const {
  const Automat_Tokenow& a = *skaner_.automat;
  const int t = a.przejscie(1, static_cast<unsigned char>(c));
  if (t == 0 || a.wygrany(t) < 0 ||
      skaner_.wzorce.cele[static_cast<std::size_t>(a.wygrany(t))].rodzaj != Wzorce_Skanera::Rodzaj::pomin)
    return false;
  for (unsigned d = 0; d < 256; ++d)
    if (a.przejscie(t, static_cast<unsigned char>(d)) != 0) return false;
  return true;
}

bool Skaner::jest_komentarz(bool liniowy) const {
  for (const Komentarz& k : opis_.komentarze)
    if (k.koniec.empty() == liniowy) return true;
  return false;
}

void Skaner::pisz_pozycje(Pisarz& w) {
  const std::string& p = pak_.nazwa_pozycji;
  w.linia("-- pakiet ", p, " - specyfikacja");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("package ", p, " is");
  w.linia();
  if (plan_.rozszerzona) {
    w.linia("-- linia (od 1) pierwszego znaku biezacego tokenu albo bledu skanera");
    w.linia("Linia : Natural := 0;");
    w.linia("-- ten znak i pierwszy znak jego linii jako miejsca w buforze skanera:");
    w.linia("-- kolumne liczy sie z nich dopiero wtedy, kiedy ktos o nia pyta");
    w.linia("Pocz_Tokenu : Positive := 1;");
    w.linia("Pocz_Linii : Integer := 1;");
    w.linia("-- kolumna (od 1) tego znaku");
    w.linia("function Kolumna return Natural is (if Linia = 0 then 0 else Pocz_Tokenu - Pocz_Linii + 1);");
  } else {
    w.linia("-- linia i kolumna (od 1) pierwszego znaku biezacego tokenu albo bledu skanera");
    w.linia("Linia : Natural := 0;");
    w.linia("Kolumna : Natural := 0;");
  }
  w.linia("-- znak, od ktorego nie zaczyna sie zaden token (blad skanera 1)");
  w.linia("Znak : Character := ' ';");
  if (plan_.rozszerzona) {
    w.linia("-- pozycja w Token_Kod tokenu zaczetego, a nieskonczonego (blad skanera ", std::to_string(niedokonczony_ady.nr), ")");
    w.linia("Niedokonczony : Natural := 0;");
  }
  w.linia();
  w.linia("end ", p, ";");
}

void Skaner::pisz_skaner(Pisarz& w) {
  w.linia(znacznik_skanera, pak_.plik_tok, "; kazde uruchomienie bryzas pisze go od nowa");
  w.linia("-- pakiet ", pak_.nazwa_skan, " - tresc");
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with Ada.Text_IO.C_Streams;");
  w.linia("with Ada.Unchecked_Deallocation;");
  w.linia("with Interfaces.C_Streams;");
  if (plan_.rozszerzona) w.linia("with System;");
  w.linia("with ", pak_.nazwa_pozycji, ";");
  if (plan_.odtwarzanie) w.linia("with ", pak_.nazwa_bledy, ";");
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
void Skaner::tablice(Pisarz& w) {
  const Automat_Tokenow& a = *skaner_.automat;
  const int n = a.licz_stanow();
  w.linia("-- automat tokenow: stan 0 to brak przejscia, 1 poczatek");
  w.linia("type Stan_Aut is range 0 .. ", std::to_string(n), ";");
  if (!plan_.rozszerzona)
    w.linia("type Klasa_Aut is range 0 .. ", std::to_string(a.licz_klas() - 1), ";");
  // What a match is, with the kinds of comment that the file declares.
  w.linia("type Rodzaj_Aut is (Brak, Pomin, ", jest_komentarz(true) ? "Komentarz_Liniowy, " : "",
          jest_komentarz(false) ? "Komentarz, " : "", "Token);");
  w.linia();
  // Today's notation runs the automaton from tables; the extended one
  // has it written as code.
  if (plan_.rozszerzona)
    tablice_petli(w);
  else
    przejscia(w);
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
  if (plan_.rozszerzona) {
    // The token begun and not finished where the automaton stopped in a state.
    const std::vector<int> t = niedokonczone();
    std::vector<std::string> zaczete{"Pusty"};
    for (int s = 1; s <= n; ++s) {
      const int k = t[static_cast<std::size_t>(s)];
      zaczete.push_back(k < 0 ? "Pusty" : skaner_.tokeny[static_cast<std::size_t>(k)]->nazwa);
    }
    w.linia("-- token zaczety, a nieskonczony, gdy automat stanal w stanie");
    w.linia("Niedokonczone_Aut : constant array (Stan_Aut) of Token_Kod := (");
    agregat(w, zaczete, ");");
  }
  if (jest_komentarz(false)) {
    w.linia("-- numer komentarza, ktorego poczatek konczy sie w stanie");
    w.linia("Komentarze_Aut : constant array (Stan_Aut) of Natural := (");
    agregat(w, numery, ");");
  }
  // The extended notation's automaton skips them itself.
  if (!plan_.rozszerzona) {
    std::string pomijane;
    for (unsigned c = 0; c < 256; ++c)
      if (zawsze_pomijany(c)) pomijane += (pomijane.empty() ? "" : " | ") + ("Character'Val (" + std::to_string(c) + ")");
    w.linia("-- znaki pomijane przed automatem");
    w.linia("Pomijane_Aut : constant array (Character) of Boolean := (",
            pomijane.empty() ? "" : pomijane + " => True, ", "others => False);");
  }
  w.linia();
}

// The class of every character and the move from every state on every class.
void Skaner::przejscia(Pisarz& w) {
  const Automat_Tokenow& a = *skaner_.automat;
  const int n = a.licz_stanow();
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
}

}  // namespace bryzas
