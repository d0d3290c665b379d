#include "analyzer/analiza_uruchom.h"

#include <optional>
#include <sstream>
#include <string_view>

#include "analyzer/analiza_wpis_first.h"
#include "analyzer/strona_html.h"
#include "gramatyka/analiza.h"
#include "gramatyka/bryzas_skan.h"
#include "gramatyka/nazwy_projektu.h"
#include "wspolne/blad_pliku.h"
#include "wspolne/czas.h"
#include "wspolne/status.h"
#include "wspolne/wersja.h"

namespace bryzas_analiza {

namespace {

constexpr std::string_view pomoc[] = {
    "Sposob uzycia:  bryzas_analiza [--first | --first-w-miejscu] [--html] <nazwa_projektu>",
    " gramatyka w pliku <nazwa_projektu>.gpa",
    " --first  po komunikatach wypisuje sekcje FIRST obliczona z produkcji",
    " --first-w-miejscu  zapisuje te sekcje w <nazwa_projektu>.gpa w miejsce dawnej",
    " --html   zapisuje tez raport <nazwa_projektu>.html: diagramy skladni z komunikatami",
    " --help   wypisuje ten opis",
    " --version wypisuje wersje",
    "Status: 0 bez bledow, 1 zgloszono blad, 2 bledne wywolanie, 3 nie mozna odczytac pliku",
};

int odrzuc(std::ostream& os, std::string_view powod) {
  os << powod << '\n';
  for (std::string_view l : pomoc) os << l << '\n';
  return wspolne::status_bledne_wywolanie;
}

struct Wywolanie {
  bool first = false;
  bool w_miejscu = false;
  bool html = false;
  std::optional<long long> epoka;  // the instant the page is dated with
};

// The analysis of one grammar file that the scanner has opened. The
// messages and the summary go to os, the FIRST section (with first) to
// sekcja; with w.html the page goes to P.html, whatever the analysis found.
int analizuj(bryzas::Bryzas_Skan& skan, const bryzas::Nazwy_Projektu& n, bool first,
             std::ostream& os, std::ostream& sekcja, const Wywolanie& w) {
  const Analiza a(skan, n);
  a.gramatyki().wypisz(os, n.plik_we);
  a.tokenow().wypisz(os, n.plik_tok);
  if (first && a.przeczytana()) a.wypisz_sekcje_first(sekcja);
  a.gramatyki().wypisz_podsumowanie(os, a.tokenow());
  if (w.html) Strona_Html(a, n, w.epoka).pisz();
  return a.bledy() > 0 ? wspolne::status_blad_wejscia : wspolne::status_sukces;
}

// The analysis of one grammar file, as analizuj, with the file opened and
// closed around it; a file that cannot be read (or the page written) is
// reported to komunikaty.
int analizuj_plik(const bryzas::Nazwy_Projektu& n, bool first, std::ostream& komunikaty, std::ostream& sekcja,
                  const Wywolanie& w) {
  try {
    bryzas::Bryzas_Skan skan(nullptr);
    skan.otworz(n.plik_we);
    int status = analizuj(skan, n, first, komunikaty, sekcja, w);
    skan.zamknij();
    return status;
  } catch (const wspolne::Blad_Pliku& e) {
    komunikaty << e.opis() << '\n';
    return wspolne::status_awaria;
  }
}

// The computed section takes the place of the file's own, and the grammar so
// written is analysed as usual. When the syntax stops the analysis there is
// no section: the file stays as it was and the messages say why. The page
// is of the analysis the console reports.
int first_w_miejscu(const bryzas::Nazwy_Projektu& n, std::ostream& os, const Wywolanie& w) {
  const std::string& plik_we = n.plik_we;
  std::ostringstream komunikaty, sekcja;
  const int status = analizuj_plik(n, true, komunikaty, sekcja, w);
  std::string powod;
  if (status == wspolne::status_awaria) {
    os << komunikaty.str();
    return status;
  }
  if (sekcja.str().empty()) {
    powod = "bledy skladni nie pozwalaja obliczyc sekcji FIRST";
  } else {
    try {
      powod = wpisz_sekcje_first(plik_we, sekcja.str());
    } catch (const wspolne::Blad_Pliku& e) {
      os << e.opis() << '\n';
      return wspolne::status_awaria;
    }
  }
  if (!powod.empty()) {
    os << "*** " << plik_we << " bez zmian: " << powod << '\n' << komunikaty.str();
    return wspolne::status_blad_wejscia;
  }
  os << "*** sekcja FIRST zapisana w " << plik_we << '\n';
  return analizuj_plik(n, false, os, os, w);
}

}  // namespace

int bryzas_analiza_uruchom(const std::vector<std::string>& argumenty, std::ostream& wyjscie,
                           std::ostream& bledy, const char* source_date_epoch) {
  Wywolanie w;
  w.epoka = wspolne::czytaj_epoke_zrodel(source_date_epoch);
  std::vector<std::string> nazwy;
  for (const std::string& a : argumenty) {
    if (a == "--help") {
      for (std::string_view l : pomoc) wyjscie << l << '\n';
      return wspolne::status_sukces;
    }
    if (a == "--version") {
      wyjscie << "bryzas_analiza " << wspolne::wersja << '\n';
      return wspolne::status_sukces;
    }
    if (a == "--first")
      w.first = true;
    else if (a == "--first-w-miejscu")
      w.w_miejscu = true;
    else if (a == "--html")
      w.html = true;
    else if (!a.empty() && a[0] == '-')
      return odrzuc(wyjscie, "Nieznana opcja [" + a + "] !!");
    else
      nazwy.push_back(a);
  }
  if (nazwy.empty()) return odrzuc(wyjscie, "Brak parametru z nazwa projektu !!");
  if (nazwy.size() > 1) return odrzuc(wyjscie, "Za duzo parametrow !!");
  // The generator's own check of the project name.
  const bryzas::Nazwa_Projektu projekt = bryzas::sprawdz_nazwe_projektu(nazwy[0]);
  if (!projekt.odrzucenie.empty()) return odrzuc(wyjscie, projekt.odrzucenie);
  const bryzas::Nazwy_Projektu n(projekt.nazwa);
  if (w.w_miejscu) return first_w_miejscu(n, wyjscie, w);
  // With --first standard output holds the section alone, so that it can be
  // appended to the grammar; everything else goes to standard error.
  return analizuj_plik(n, w.first, w.first ? bledy : wyjscie, wyjscie, w);
}

}  // namespace bryzas_analiza
