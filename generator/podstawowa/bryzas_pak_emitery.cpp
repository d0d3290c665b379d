#include "generator/podstawowa/bryzas_pak_emitery.h"

#include <string>
#include <string_view>

#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/napis_ady.h"
#include "generator/wspolne/pisarz.h"

namespace bryzas::podstawowa {

namespace {

// Names per line of the token kind enumeration.
constexpr int nazw_w_linii = 6;

}  // namespace

Bryzas_Pak_Emitery::Bryzas_Pak_Emitery(const Bryzas_Pak& pak, const Tablice_Symboli& symbole,
                                       const std::vector<Opis_Bledu>& opisy, Pliki& pliki)
    : pak_(pak), symbole_(symbole), opisy_(opisy), pliki_(pliki) {}

// The date and time are taken anew for every file, as each is written.
void Bryzas_Pak_Emitery::naglowek_dane(Pisarz& w) { naglowek_danych(w, pak_.epoka_zrodel); }

// The sets package does not depend on the grammar: only the names and the
// header's date change it. Each file is closed before the next is created.
void Bryzas_Pak_Emitery::gen_zbiory() {
  const std::string& n = pak_.nazwa_zbiory;
  pisz_plik(n + ".ads", [&](Pisarz& w) { zbiory_specyfikacja(w, n); });
  pisz_plik(n + ".adb", [&](Pisarz& w) { zbiory_tresc(w, n); });
}

void Bryzas_Pak_Emitery::zbiory_specyfikacja(Pisarz& w, const std::string& n) {
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

void Bryzas_Pak_Emitery::zbiory_tresc(Pisarz& w, const std::string& n) {
  w.linia("-- pakiet ", n, " - tresc");
  naglowek_dane(w);
  w.linia("package body ", n, " is");
  w.linia();

  w.blok(R"ada(
function "+" (l: Zbior_Tok; p: Token_Kod) return Zbior_Tok is
  z: Zbior_Tok:=l;
begin
  z(p) := True;
  return z;
end "+";

function "+" (l,p: Zbior_Tok) return Zbior_Tok is
  z: Zbior_Tok;
begin
  z := l or p;
  return z;
end "+";

function Zawiera_Sie(l: Token_Kod; p: Zbior_Tok) return Boolean is
begin
  if p(l)=True then return True;
  else return False;
  end if;
end Zawiera_Sie;

procedure Zeruj (z: in out Zbior_Tok) is
begin
  z := (others => False); 
end Zeruj;

)ada");
  w.linia("end ", n, ";");
}

// The scanner specification: one token kind per terminal, in the order of
// the terminal table, closed by Pusty. Written through the shared handle.
void Bryzas_Pak_Emitery::gen_skaner_spec() {
  const std::string s = pak_.nazwa_skan;
  wspolne::Plik_Wy& plik = pliki_.skan_t;
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
void Bryzas_Pak_Emitery::deklaracja_kodow(Pisarz& w) {
  constexpr std::string_view otwarcie = "type Token_Kod is (";
  w.dopisz(otwarcie);
  Wciecie pod_pierwsza_nazwa(w, static_cast<int>(otwarcie.size()));
  int i = 0;
  for (const std::string& nazwa : symbole_.tablsymterm.nazwy()) {
    w.dopisz(nazwa);
    w.dopisz(",");
    if (++i % nazw_w_linii == 0) w.koniec_linii();
  }
  w.linia("Pusty);");
}

void Bryzas_Pak_Emitery::gen_main() { pisz_plik_gdy_brak(pak_.plik_main, [&](Pisarz& w) { tresc_main(w); }); }

void Bryzas_Pak_Emitery::tresc_main(Pisarz& w) {
  const std::string p = pak_.nazwa_proj;
  const std::string r = pak_.nazwa_pars;
  w.linia("-- procedura glowna ", p, " ");
  naglowek_dane(w);
  w.linia("with  ", r, "; use ", r, ";");
  w.linia();
  w.linia("procedure ", p, " is");
  w.linia("begin");
  w.blok(R"ada(
  Parsuj;
)ada");
  w.linia("end  ", p, ";");
}

// The text of each error number of the generated parser, for its user's
// except_pars insert: Opis (Nr_Bledu_Pars).
void Bryzas_Pak_Emitery::gen_bledy(bool z_tokenami) {
  pisz_plik(pak_.plik_bledy + ".ads", [&](Pisarz& w) { bledy_specyfikacja(w, z_tokenami); });
  pisz_plik(pak_.plik_bledy + ".adb", [&](Pisarz& w) { bledy_tresc(w, z_tokenami); });
}

void Bryzas_Pak_Emitery::bledy_specyfikacja(Pisarz& w, bool z_tokenami) {
  const std::string& p = pak_.nazwa_bledy;
  w.linia("-- pakiet ", p, " - specyfikacja");
  naglowek_dane(w);
  w.linia("package ", p, " is");
  w.linia();
  w.linia("-- co parser ", pak_.nazwa_pars, " oczekiwal przy bledzie numer Nr i gdzie w gramatyce");
  w.linia("function Opis (Nr : Integer) return String;");
  w.linia();
  if (z_tokenami) {
    w.linia("-- miejsce biezacego tokenu wg ", pak_.nazwa_pozycji, ": \"linia:kolumna\"");
    w.linia("function Miejsce return String;");
    w.linia("-- co zastal skaner przy bledzie numer Nr");
    w.linia("function Opis_Skanera (Nr : Integer) return String;");
    w.linia("-- \"linia:kolumna: tekst\" bledu parsera i bledu skanera numer Nr");
    w.linia("function Komunikat_Parsera (Nr : Integer) return String;");
    w.linia("function Komunikat_Skanera (Nr : Integer) return String;");
    w.linia();
  }
  w.linia("end ", p, ";");
}

void Bryzas_Pak_Emitery::bledy_tresc(Pisarz& w, bool z_tokenami) {
  const std::string& p = pak_.nazwa_bledy;
  w.linia("-- pakiet ", p, " - tresc");
  naglowek_dane(w);
  if (z_tokenami) {
    w.linia("with ", pak_.nazwa_pozycji, "; use ", pak_.nazwa_pozycji, ";");
    w.linia();
  }
  w.linia("package body ", p, " is");
  w.linia();
  w.linia("function Opis (Nr : Integer) return String is");
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    pisz_teksty_bledow(w, opisy_, [&](const Opis_Bledu& o) {
      const std::string miejsce = pak_.plik_we + ":" + std::to_string(o.linia) + ":" + std::to_string(o.kol);
      return napis_ady(o.tekst + " (" + miejsce + ")");
    });
  }
  w.linia("end Opis;");
  w.linia();
  if (z_tokenami) bledy_z_miejscem(w);
  w.linia("end ", p, ";");
}

// The texts with the place of the current token instead of the place in
// the grammar, for a scanner generated from a token file.
void Bryzas_Pak_Emitery::bledy_z_miejscem(Pisarz& w) {
  w.blok(R"ada(
function Miejsce return String is
  L : constant String := Integer'Image (Linia);
  K : constant String := Integer'Image (Kolumna);
begin
  return L (L'First + 1 .. L'Last) & ":" & K (K'First + 1 .. K'Last);
end Miejsce;

)ada");
  pisz_opis_skanera(w);
  w.linia("function Komunikat_Parsera (Nr : Integer) return String is");
  {
    Wciecie d(w, krok_wciecia);
    w.linia("function Tresc return String is");
    w.linia("begin");
    {
      Wciecie cialo(w, krok_wciecia);
      pisz_teksty_bledow(w, opisy_, [](const Opis_Bledu& o) { return napis_ady(o.tekst); });
    }
    w.linia("end Tresc;");
  }
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia("return Miejsce & \": \" & Tresc;");
  }
  w.linia("end Komunikat_Parsera;");
  w.linia();
  w.blok(R"ada(
function Komunikat_Skanera (Nr : Integer) return String is
begin
  return Miejsce & ": " & Opis_Skanera (Nr);
end Komunikat_Skanera;

)ada");
}

}  // namespace bryzas::podstawowa
