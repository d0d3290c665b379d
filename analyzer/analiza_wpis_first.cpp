#include "analyzer/analiza_wpis_first.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <system_error>

#include "gramatyka/bryzas_skan.h"
#include "wspolne/blad_pliku.h"

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
  bryzas::bryzas_skan skan(nullptr, nullptr, true);
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

// The new file beside the grammar, removed unless it has taken the
// grammar's place.
struct Plik_Tymczasowy {
  std::string nazwa;
  bool zostaje = false;
  ~Plik_Tymczasowy() {
    if (!zostaje) ::unlink(nazwa.c_str());
  }
};

// The whole text into a new file with the grammar's permissions, then the
// new file in the grammar's place. Every step is checked.
void zapisz_w_miejsce(const std::string& cel, std::string_view zostaje, std::string_view nowe) {
  struct stat st {};
  if (::stat(cel.c_str(), &st) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, cel, errno);
  Plik_Tymczasowy tymczasowy{cel + ".XXXXXX"};
  wspolne::Deskryptor d(::mkstemp(tymczasowy.nazwa.data()));
  if (!d.otwarty()) {
    tymczasowy.zostaje = true;  // nothing was created
    throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, cel, errno);
  }
  wspolne::zapisz(d.fd(), zostaje.data(), zostaje.size(), cel);
  wspolne::zapisz(d.fd(), nowe.data(), nowe.size(), cel);
  if (::fchmod(d.fd(), st.st_mode & 07777) != 0 || ::fsync(d.fd()) != 0)
    throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, cel, errno);
  d.zamknij(cel);
  if (::rename(tymczasowy.nazwa.c_str(), cel.c_str()) != 0) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, cel, errno);
  tymczasowy.zostaje = true;
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
    // A link keeps pointing at the grammar: the file it names is replaced.
    std::error_code blad;
    std::string cel = plik;
    if (std::filesystem::is_symlink(plik, blad)) cel = std::filesystem::canonical(plik, blad).string();
    if (blad) throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, plik, blad.value());
    zapisz_w_miejsce(cel, zostaje, nowe);
  } catch (const Blad_Pliku& e) {
    // Named as the user named the grammar, whichever step failed.
    throw Blad_Pliku(Blad_Pliku::Rodzaj::zapis, plik, e.kod_errno());
  }
  return {};
}

}  // namespace bryzas_analiza
