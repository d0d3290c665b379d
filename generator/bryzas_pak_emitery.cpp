#include "generator/bryzas_pak_emitery.h"

#include <string>
#include <string_view>

#include "generator/naglowek.h"
#include "gramatyka/nazwa_projektu.h"
#include "generator/bryzas_tok_skaner.h"
#include "generator/pisarz.h"
#include "wspolne/blad_pliku.h"

namespace bryzas {

namespace {

// Names per line of the token kind enumeration.
constexpr int nazw_w_linii = 6;

// An Ada string literal of the text: in quotes, a quote doubled.
std::string napis_ady(std::string_view tekst) {
  std::string s(1, '"');
  for (char c : tekst) {
    if (c == '"') s += '"';
    s += c;
  }
  s += '"';
  return s;
}

}  // namespace

bryzas_pak_emitery::bryzas_pak_emitery(bryzas_pak& pak) : pak_(pak) {}

// The date and time are taken anew for every file, as each is written.
void bryzas_pak_emitery::naglowek_dane(Pisarz& w) { naglowek_danych(w, pak_.epoka_zrodel); }

// The sets package does not depend on the grammar: only the names and the
// header's date change it. Each file is closed before the next is created.
void bryzas_pak_emitery::gen_zbiory() {
  const std::string& n = pak_.nazwa_zbiory;
  pisz_plik(n + ".ads", [&](Pisarz& w) { zbiory_specyfikacja(w, n); });
  pisz_plik(n + ".adb", [&](Pisarz& w) { zbiory_tresc(w, n); });
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
  for (const std::string& nazwa : pak_.symbole.tablsymterm.nazwy()) {
    w.dopisz(nazwa);
    w.dopisz(",");
    if (++i % nazw_w_linii == 0) w.koniec_linii();
  }
  w.linia("Pusty);");
}

void bryzas_pak_emitery::gen_main() { pisz_plik_gdy_brak(pak_.plik_main, [&](Pisarz& w) { tresc_main(w); }); }

// Only a name that can name Ada units gets a project: no other can compile.
void bryzas_pak_emitery::gen_projekt() {
  if (identyfikator_ady(pak_.nazwa_proj))
    pisz_plik_gdy_brak(pak_.plik_gpr, [&](Pisarz& w) { tresc_projektu(w); });
}

void bryzas_pak_emitery::tresc_main(Pisarz& w) {
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

// A GNAT project that builds the parser as generated: every unit mapped to
// the file bryzas writes (GNAT would look for lower-case names), the
// scanner body to the one the user writes, objects in obj/, the program
// beside the grammar; optimised unless the scenario asks for debugging.
void bryzas_pak_emitery::tresc_projektu(Pisarz& w) {
  const std::string& p = pak_.nazwa_proj;
  w.linia("-- projekt GNAT ", p);
  naglowek_dane(w);
  w.linia("project ", p, " is");
  {
    Wciecie glebiej(w, krok_wciecia);
    w.linia("for Source_Dirs use (\".\");");
    w.linia("for Object_Dir use \"obj\";");
    w.linia("for Exec_Dir use \".\";");
    w.linia("for Main use (\"", pak_.plik_main, "\");");
    w.linia();
    w.linia("-- zwykla budowa optymalizuje, z wszystkimi sprawdzeniami Ady; do szukania");
    w.linia("-- bledow: gprbuild -P ", pak_.plik_gpr, " -XTRYB=debug");
    w.blok(R"ada(
type Tryb_Budowy is ("optymalny", "debug");
Tryb : Tryb_Budowy := external ("TRYB", "optymalny");

package Compiler is
  case Tryb is
    when "optymalny" =>
      for Default_Switches ("Ada") use ("-O2", "-gnatn");
    when "debug" =>
      for Default_Switches ("Ada") use ("-g", "-O0", "-gnata");
  end case;
end Compiler;

)ada");
    w.linia("package Naming is");
    {
      Wciecie pliki(w, krok_wciecia);
      auto jednostka = [&](std::string_view czesc, const std::string& nazwa, const std::string& plik) {
        w.linia("for ", czesc, " (\"", nazwa, "\") use \"", plik, "\";");
      };
      jednostka("Spec", pak_.nazwa_pars, pak_.plik_wys);
      jednostka("Body", pak_.nazwa_pars, pak_.plik_wyb);
      // A parser of the extended notation needs no sets package.
      if (!pak_.rozszerzona) {
        jednostka("Spec", pak_.nazwa_zbiory, pak_.nazwa_zbiory + ".ads");
        jednostka("Body", pak_.nazwa_zbiory, pak_.nazwa_zbiory + ".adb");
      }
      jednostka("Spec", pak_.nazwa_skan, pak_.plik_wyskans);
      jednostka("Body", pak_.nazwa_skan, pak_.plik_skan);
      jednostka("Spec", pak_.nazwa_bledy, pak_.plik_bledy + ".ads");
      jednostka("Body", pak_.nazwa_bledy, pak_.plik_bledy + ".adb");
      jednostka("Body", p, pak_.plik_main);
    }
    w.linia("end Naming;");
  }
  w.linia("end ", p, ";");
}

// The text of each error number of the generated parser, for its user's
// except_pars insert: Opis (Nr_Bledu_Pars).
void bryzas_pak_emitery::gen_bledy() {
  const std::string& p = pak_.nazwa_bledy;
  const std::string& plik_nazwa = pak_.plik_bledy;
  pisz_plik(plik_nazwa + ".ads", [&](Pisarz& w) {
    w.linia("-- pakiet ", p, " - specyfikacja");
    naglowek_dane(w);
    w.linia("package ", p, " is");
    w.linia();
    w.linia("-- co parser ", pak_.nazwa_pars, " oczekiwal przy bledzie numer Nr i gdzie w gramatyce");
    w.linia("function Opis (Nr : Integer) return String;");
    w.linia();
    if (pak_.z_tokenami) {
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
  });
  pisz_plik(plik_nazwa + ".adb", [&](Pisarz& w) {
    w.linia("-- pakiet ", p, " - tresc");
    naglowek_dane(w);
    if (pak_.z_tokenami) {
      w.linia("with ", pak_.nazwa_pozycji, "; use ", pak_.nazwa_pozycji, ";");
      w.linia();
    }
    w.linia("package body ", p, " is");
    w.linia();
    w.linia("function Opis (Nr : Integer) return String is");
    w.linia("begin");
    {
      Wciecie cialo(w, krok_wciecia);
      pisz_teksty_bledow(w, pak_.opisy_bledow, [&](const bryzas_pak::Opis_Bledu& o) {
        const std::string miejsce = pak_.plik_we + ":" + std::to_string(o.linia) + ":" + std::to_string(o.kol);
        return napis_ady(o.tekst + " (" + miejsce + ")");
      });
    }
    w.linia("end Opis;");
    w.linia();
    if (pak_.z_tokenami) bledy_z_miejscem(w);
    w.linia("end ", p, ";");
  });
}

void pisz_teksty_bledow(Pisarz& w, const std::vector<bryzas_pak::Opis_Bledu>& opisy,
                        const std::function<std::string(const bryzas_pak::Opis_Bledu&)>& tekst) {
  w.linia("case Nr is");
  {
    Wciecie galezie(w, krok_wciecia);
    for (const bryzas_pak::Opis_Bledu& o : opisy) w.linia("when ", std::to_string(o.nr), " => return ", tekst(o), ";");
    w.linia("when others => return \"nieznany blad\";");
  }
  w.linia("end case;");
}

// The texts of the generated scanner's errors; a character that begins no
// token is shown as it is, or by its code.
void pisz_opis_skanera(Pisarz& w) {
  w.blok(R"ada(
function Opis_Skanera (Nr : Integer) return String is
  Kod : constant String := Integer'Image (Character'Pos (Znak));
begin
  case Nr is
)ada");
  {
    Wciecie galezie(w, 2 * krok_wciecia);
    for (const Blad_Skanera_Ady& b : bledy_skanera_ady) {
      const std::string tekst(b.tekst);
      if (b.nr != zly_znak_ady.nr) {
        w.linia("when ", std::to_string(b.nr), " => return \"", tekst, "\";");
        continue;
      }
      w.linia("when ", std::to_string(b.nr), " =>");
      Wciecie galaz(w, krok_wciecia);
      w.linia("if Znak in ' ' .. '~' then");
      {
        Wciecie znak(w, krok_wciecia);
        w.linia("return \"", tekst, " '\" & Znak & \"'\";");
      }
      w.linia("end if;");
      w.linia("return \"", tekst, " #\" & Kod (Kod'First + 1 .. Kod'Last);");
    }
  }
  w.blok(R"ada(
    when others => return "nieznany blad skanera";
  end case;
end Opis_Skanera;

)ada");
}

// The texts with the place of the current token instead of the place in
// the grammar, for a scanner generated from a token file.
void bryzas_pak_emitery::bledy_z_miejscem(Pisarz& w) {
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
      pisz_teksty_bledow(w, pak_.opisy_bledow,
                         [](const bryzas_pak::Opis_Bledu& o) { return napis_ady(o.tekst); });
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

}  // namespace bryzas
