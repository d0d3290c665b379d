#include "generator/rozszerzona/pakiety.h"

#include "generator/wspolne/naglowek.h"
#include "generator/wspolne/napis_ady.h"
#include "generator/wspolne/pisarz.h"

namespace bryzas::rozszerzona {

namespace {

// Token kinds per line of the enumeration.
constexpr std::size_t nazw_w_linii = 6;

}  // namespace

Pakiety::Pakiety(const Bryzas_Pak& pak, const Plan& plan, const std::vector<Opis_Bledu>& opisy)
    : pak_(pak), plan_(plan), opisy_(opisy) {}

void Pakiety::gen_skaner_spec() {
  pisz_plik(pak_.plik(pak_.plik_wyskans), [&](Pisarz& w) {
    w.linia("-- pakiet ", pak_.nazwa_skan, " - specyfikacja");
    naglowek_danych(w, pak_.epoka_zrodel);
    w.linia("package ", pak_.nazwa_skan, " is");
    w.linia();
    {
      Wciecie wnetrze(w, krok_wciecia);
      skaner_spec(w);
    }
    w.linia();
    w.linia("end ", pak_.nazwa_skan, ";");
  });
}

void Pakiety::skaner_spec(Pisarz& w) {
  w.blok(R"ada(
Dl_Tok : constant := 100;
Nr_Bledu_Skan : Integer := 0;

)ada");
  w.dopisz("type Token_Kod is (");
  {
    Wciecie pod_nazwami(w, krok_wciecia);
    for (std::size_t i = 0; i < plan_.rodzaje_tokenow.size(); ++i) {
      w.dopisz(plan_.rodzaje_tokenow[i]);
      w.dopisz(",");
      if ((i + 1) % nazw_w_linii == 0)
        w.koniec_linii();
      else
        w.dopisz(" ");
    }
    w.linia("Pusty);");
  }
  w.blok(R"ada(

-- rodzaj tokenu i pierwsze Dl_Tok znakow jego tekstu, dopelnione spacjami
type Token_Typ is record
  Kod : Token_Kod;
  Wart : String (1 .. Dl_Tok);
end record;

-- nastepny token wejscia; na jego koncu token konca
function Skanuj return Token_Typ;
)ada");
  // A scanner written from P.tok builds the token where the parser reads it.
  if (plan_.token_w_miejscu()) {
    w.blok(R"ada(
-- to samo w miejscu: Skanuj_Biezacy wpisuje nastepny token w Biezacy
)ada");
    if (!plan_.wart_czytany())
      w.linia("-- (bez Wart, ktorego gramatyka nie czyta: tekst daje Tekst)");
    w.blok(R"ada(
Biezacy : Token_Typ := (Kod => Pusty, Wart => (others => ' '));
procedure Skanuj_Biezacy;
)ada");
  }
  w.blok(R"ada(
-- caly tekst tokenu, ktory Skanuj dal ostatnio
function Tekst return String;

Blad_Skanera : exception;

-- zbior rodzajow tokenow: tych, ktorych parser oczekiwal przy bledzie, albo
-- tych, z ktorymi moze isc dalej
type Zbior_Tokenow is array (Token_Kod) of Boolean with Pack;
)ada");
}

void Pakiety::gen_main() {
  pisz_plik_gdy_brak(pak_.plik(pak_.plik_main), [&](Pisarz& w) { tresc_main(w); });
}

// "P [--drzewo] [PLIK | -]": the file named, or standard input without one
// or for "-"; with --drzewo the parse tree on standard output. The program
// prints nothing else of its own and ends with status 1 after an error.
void Pakiety::tresc_main(Pisarz& w) {
  const std::string& p = pak_.nazwa_proj;
  w.linia("-- procedura glowna ", p);
  naglowek_danych(w, pak_.epoka_zrodel);
  w.linia("with Ada.Command_Line; use Ada.Command_Line;");
  w.linia("with Ada.Text_IO; use Ada.Text_IO;");
  w.linia("with ", pak_.nazwa_pars, ";");
  w.linia("with ", pak_.nazwa_skan, ";");
  w.linia("with ", pak_.nazwa_bledy, ";");
  w.linia();
  w.linia("-- ", p, " [--drzewo] [PLIK | -]: parsuje plik, bez niego albo dla \"-\" standardowe");
  w.linia("-- wejscie; z --drzewo wypisuje drzewo wyprowadzenia; po bledzie konczy sie");
  w.linia("-- ze statusem 1");
  w.linia("procedure ", p, " is");
  w.linia("  Wejscie : File_Type;");
  w.linia("  Plik : Positive := 1;  -- argument z nazwa pliku");
  w.linia("begin");
  {
    Wciecie cialo(w, krok_wciecia);
    w.linia("if Argument_Count >= 1 and then Argument (1) = \"--drzewo\" then");
    {
      Wciecie drzewo(w, krok_wciecia);
      w.linia(pak_.nazwa_pars, ".Drzewo := True;");
      w.linia("Plik := 2;");
    }
    w.linia("end if;");
    w.linia("if Argument_Count >= Plik and then Argument (Plik) /= \"-\" then");
    {
      Wciecie plik(w, krok_wciecia);
      w.linia(pak_.nazwa_bledy, ".Ustaw_Plik (Argument (Plik));");
      w.linia("Open (Wejscie, In_File, Argument (Plik));");
      w.linia("Set_Input (Wejscie);");
    }
    w.linia("end if;");
    w.linia(pak_.nazwa_pars, ".Parsuj;");
  }
  w.linia("exception");
  {
    Wciecie obsluga(w, krok_wciecia);
    w.linia("when ", pak_.nazwa_pars, ".Blad_Parsera | ", pak_.nazwa_skan, ".Blad_Skanera =>");
    {
      Wciecie cialo(w, krok_wciecia);
      w.linia("Set_Exit_Status (Failure);");
    }
    w.linia("when Name_Error | Use_Error =>");
    Wciecie cialo(w, krok_wciecia);
    w.linia(pak_.nazwa_bledy, ".Zglos_Pliku (\"nie mozna otworzyc pliku\");");
    w.linia("Set_Exit_Status (Failure);");
  }
  w.linia("end ", p, ";");
}

}  // namespace bryzas::rozszerzona
