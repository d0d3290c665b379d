#include "generator/packages/bryzas_pak_emitery.h"

#include <cerrno>
#include <fcntl.h>
#include <initializer_list>
#include <string_view>
#include <unistd.h>

#include "generator/podstawa/czas.h"
#include "generator/podstawa/pisarz.h"
#include "wspolne/blad_pliku.h"

namespace bryzas {

namespace {

// Names per line of the token kind enumeration.
constexpr int nazw_w_linii = 6;

// A subprogram: its heading, the declarations and the statements one level
// deeper, then its end line.
void podprogram(Pisarz& w, std::string_view naglowek, std::initializer_list<std::string_view> deklaracje,
                std::initializer_list<std::string_view> instrukcje, std::string_view koniec) {
  w.linia(naglowek);
  {
    Wciecie glebiej(w, krok_wciecia);
    for (std::string_view d : deklaracje) w.linia(d);
  }
  w.linia("begin");
  {
    Wciecie glebiej(w, krok_wciecia);
    for (std::string_view i : instrukcje) w.linia(i);
  }
  w.linia(koniec);
}

}  // namespace

bryzas_pak_emitery::bryzas_pak_emitery(bryzas_pak& pak, const bryzas_skan& skan)
    : pak_(pak), skan_(skan) {}

// The date and time are taken anew for every file, as each is written.
void bryzas_pak_emitery::naglowek_dane(Pisarz& w) {
  w.linia("-- wygenerowano wg danych uzytkownia");
  linia_daty(w, pak_.epoka_zrodel);
  w.linia();
}

// The sets package does not depend on the grammar: only the names and the
// header's date change it. Each file is closed before the next is created.
void bryzas_pak_emitery::gen_zbiory() {
  const std::string n = pak_.nazwa_proj + "_zbiory";
  wspolne::Plik_Wy plik;
  plik.utworz(n + ".ads");
  {
    Pisarz w(plik);
    zbiory_specyfikacja(w, n);
  }
  plik.zamknij();
  plik.utworz(n + ".adb");
  {
    Pisarz w(plik);
    zbiory_tresc(w, n);
  }
  plik.zamknij();
}

void bryzas_pak_emitery::zbiory_specyfikacja(Pisarz& w, const std::string& n) {
  const std::string s = pak_.nazwa_skan;
  w.linia("-- pakiet ", n, " - specyfikacja");
  naglowek_dane(w);
  w.linia("with  ", s, "; use ", s, ";");
  w.linia();
  w.linia("package ", n, " is");
  w.linia();
  w.linia("type Zbior_Tok is private;");
  w.linia();
  w.linia("procedure Zeruj(z: in out Zbior_Tok);");
  w.linia("function \"+\"(l: Zbior_Tok; p: Token_Kod) return Zbior_Tok;");
  w.linia("function \"+\"(l,p: Zbior_Tok) return Zbior_Tok;");
  w.linia("function Zawiera_Sie(l: Token_Kod;p: Zbior_Tok) return Boolean;");
  w.linia();
  w.linia("private");
  {
    Wciecie glebiej(w, krok_wciecia);
    w.linia("type Zbior_Tok is array(Token_Kod) of Boolean;");
  }
  w.linia();
  w.linia("end ", n, ";");
}

void bryzas_pak_emitery::zbiory_tresc(Pisarz& w, const std::string& n) {
  w.linia("-- pakiet ", n, " - tresc");
  naglowek_dane(w);
  w.linia("package body ", n, " is");
  w.linia();

  podprogram(w, "function \"+\" (l: Zbior_Tok; p: Token_Kod) return Zbior_Tok is", {"z: Zbior_Tok:=l;"},
             {"z(p) := True;", "return z;"}, "end \"+\";");
  w.linia();
  podprogram(w, "function \"+\" (l,p: Zbior_Tok) return Zbior_Tok is", {"z: Zbior_Tok;"},
             {"z := l or p;", "return z;"}, "end \"+\";");
  w.linia();
  podprogram(w, "function Zawiera_Sie(l: Token_Kod; p: Zbior_Tok) return Boolean is", {},
             {"if p(l)=True then return True;", "else return False;", "end if;"}, "end Zawiera_Sie;");
  w.linia();
  podprogram(w, "procedure Zeruj (z: in out Zbior_Tok) is", {}, {"z := (others => False); "}, "end Zeruj;");
  w.linia();

  w.linia("end ", n, ";");
}

// The scanner specification: one token kind per terminal, in the order of
// the terminal table, closed by Pusty. Written through the shared handle.
void bryzas_pak_emitery::gen_skaner_spec() {
  const std::string s = pak_.nazwa_skan;
  wspolne::Plik_Wy& plik = pak_.pl_wyskans;
  plik.utworz(pak_.plik_wyskans);
  {
    Pisarz w(plik);
    w.linia("-- pakiet ", s, " - specyfikacja");
    naglowek_dane(w);
    w.linia("with  Ada.Text_IO; use Ada.Text_IO;");
    w.linia();
    w.linia("package ", s, " is");
    w.linia();
    w.linia("Dl_Tok: constant Integer:=100;");
    w.linia();
    w.linia("Nr_Bledu_Skan: Integer:=0;");
    w.linia();
    w.linia("-- deklaracje typow");
    deklaracja_kodow(w);
    w.linia();
    w.linia();
    w.linia("type Token_Typ is record");
    {
      Wciecie glebiej(w, 2 * krok_wciecia);
      w.linia("Kod : Token_Kod;");
      w.linia("Wart: String(1..Dl_Tok); ");
    }
    {
      Wciecie glebiej(w, krok_wciecia);
      w.linia("end record;");
    }
    w.linia();
    w.linia("function Skanuj return Token_Typ;");
    w.linia();
    w.linia("Blad_Skanera: exception;");
    w.linia();
    w.linia("end  ", s, ";");
  }
  plik.zamknij();
}

// type Token_Kod is (T1,...,T6,
//                    T7,...,Pusty);
// Continuation lines start in the column of the first name.
void bryzas_pak_emitery::deklaracja_kodow(Pisarz& w) {
  constexpr std::string_view otwarcie = "type Token_Kod is (";
  w.dopisz(otwarcie);
  Wciecie pod_pierwsza_nazwa(w, static_cast<int>(otwarcie.size()));
  int i = 0;
  for (const std::string& nazwa : skan_.tablsymterm.nazwy()) {
    w.dopisz(nazwa);
    w.dopisz(",");
    if (++i % nazw_w_linii == 0) w.koniec_linii();
  }
  w.linia("Pusty);");
}

// The main procedure is written only when absent, so that a user's edited
// version survives later runs. Whatever opens for reading counts as present
// (a directory too); O_NONBLOCK keeps a FIFO of that name from stalling the
// probe. A main file left incomplete by a failed write is removed: kept, it
// would count as present and never be written again.
void bryzas_pak_emitery::gen_main() {
  const std::string m = pak_.nazwa_proj + ".adb";
  int fd = ::open(m.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd >= 0) {
    ::close(fd);
    return;
  }
  if (errno != ENOENT) throw wspolne::Blad_Pliku(wspolne::Blad_Pliku::Rodzaj::otwarcie, m, errno);

  wspolne::Plik_Wy plik;
  plik.utworz(m);
  try {
    Pisarz w(plik);
    tresc_main(w);
    plik.zamknij();
  } catch (const wspolne::Blad_Pliku&) {
    ::unlink(m.c_str());
    throw;
  }
}

void bryzas_pak_emitery::tresc_main(Pisarz& w) {
  const std::string p = pak_.nazwa_proj;
  const std::string r = pak_.nazwa_pars;
  w.linia("-- procedura glowna ", p, " ");
  naglowek_dane(w);
  w.linia("with  ", r, "; use ", r, ";");
  w.linia();
  podprogram(w, "procedure " + p + " is", {}, {"Parsuj;"}, "end  " + p + ";");
}

}  // namespace bryzas
