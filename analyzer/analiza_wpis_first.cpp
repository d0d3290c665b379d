#include "analyzer/analiza_wpis_first.h"

#include <unistd.h>

#include <cerrno>
#include <optional>

#include "gramatyka/bryzas_skan.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/plik_zastepczy.h"

namespace bryzas_analiza {

namespace {

using wspolne::Blad_Pliku;

std::string czytaj_caly(const std::string& plik) {
  wspolne::Deskryptor d = wspolne::otworz_do_odczytu(plik);
  std::string tresc;
  std::size_t ile = 0;
  for (;;) {
    if (tresc.size() - ile < (1 << 16)) tresc.resize(ile + (1 << 16));
    const std::size_t n = wspolne::czytaj(d.fd(), tresc.data() + ile, tresc.size() - ile, plik);
    if (n == 0) break;
    ile += n;
  }
  tresc.resize(ile);
  return tresc;
}

// Where the FIRST section begins: the byte of its "%%", as the grammar's own
// scanner finds it past comments and inserts; none when the file has none.
std::optional<std::size_t> poczatek_sekcji(const std::string& plik) {
  bryzas::Bryzas_Skan skan(nullptr);
  skan.otworz(plik);
  std::optional<std::size_t> od;
  for (bryzas::Token_Typ t = skan.Skanuj(); t.Kod != bryzas::Token_Kod::KONIECPL; t = skan.Skanuj())
    if (t.Kod == bryzas::Token_Kod::PROCENT2) {
      od = t.bajt;
      break;
    }
  skan.zamknij();
  return od;
}

// The whole text into a new file with the grammar's permissions, which then
// takes the grammar's place (that of the file a link names). Every step is
// checked.
void zapisz_w_miejsce(const std::string& plik, std::string_view zostaje, std::string_view nowe) {
  wspolne::Plik_Zastepczy nowy(plik);
  wspolne::Deskryptor d = nowy.wez_plik();
  wspolne::zapisz(d.fd(), zostaje.data(), zostaje.size(), plik);
  wspolne::zapisz(d.fd(), nowe.data(), nowe.size(), plik);
  if (::fsync(d.fd()) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, plik, errno);
  d.zamknij(plik);
  nowy.zastap();
}

}  // namespace

std::string wpisz_sekcje_first(const std::string& plik, std::string_view sekcja) {
  // Only the "%%" line: no nonterminal derives a terminal, and a "%%" must
  // be followed by a line.
  if (sekcja.find('\n') + 1 >= sekcja.size()) return "z produkcji nie wynika zadna linia FIRST";
  const std::string tresc = czytaj_caly(plik);
  // Read once more to find the section, the file may have changed since it
  // was analysed; then it is left alone.
  const char* zmieniony = "plik zmienil sie w trakcie analizy";
  std::optional<std::size_t> od;
  try {
    od = poczatek_sekcji(plik);
  } catch (const bryzas::Blad_Skanera&) {
    return zmieniony;
  }
  if (od && *od > tresc.size()) return zmieniony;

  std::string nowe;
  if (!od) {
    // A NUL byte ends the grammar: a section after it would never be read.
    if (tresc.find('\0') != std::string::npos) return "bajt 0 konczy w nim gramatyke, a sekcja stanelaby za nim";
    if (!tresc.empty() && tresc.back() != '\n') nowe = "\n";
  }
  nowe += sekcja;
  const std::string_view zostaje = std::string_view(tresc).substr(0, od.value_or(tresc.size()));

  try {
    zapisz_w_miejsce(plik, zostaje, nowe);
  } catch (const Blad_Pliku& e) {
    // Named as the user named the grammar, whichever step failed.
    throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, plik, e.kod_errno());
  }
  return {};
}

}  // namespace bryzas_analiza
