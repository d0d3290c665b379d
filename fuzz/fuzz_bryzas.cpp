// Fuzz target: one whole run of the generator (scanner, grammar parser, code
// emitters and package emitters, through the driver) on the input as the
// grammar file Fuzz.gpa, in a private directory. Beside the sanitizers'
// findings it checks what the run promises whatever the grammar holds.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "bryzas_uruchom.h"
#include "wspolne.h"

namespace {

using fuzz::sprawdz;

constexpr std::string_view poczatek_konsoli =
    "Bryza - generator parserow\n"
    "Zespol autorski zestawu Bryza\n"
    "    (generator parserow LL(1) i konwerter INI do XML)\n"
    "wersja 0.1.1 \n"
    "\n"
    "Pomoc dydaktyczna do przedmiotu:\n"
    "  'Metody translacji'\n"
    "\n"
    "Sposob uzycia:  bryzas <nazwa_projektu>\n"
    " gramatyka w pliku <nazwa_projektu>.gpa\n"
    "\n"
    "*** czytam gramatyke z pliku: [Fuzz.gpa]\n"
    "\n"
    "*** parsujemy .....\n"
    "\n";

std::string plik(const std::string& nazwa, bool wymagany) {
  bool jest = false;
  std::string tresc = fuzz::czytaj(nazwa, jest);
  sprawdz(jest == wymagany, wymagany ? "a file is missing" : "a file should not exist", nazwa);
  return tresc;
}

// " 12" -> 12; the integer image of a count, which is never negative.
int liczba(std::string_view obraz) {
  sprawdz(obraz.size() >= 2 && obraz[0] == ' ', "not an integer image", obraz);
  int n = 0;
  for (char c : obraz.substr(1)) {
    sprawdz(c >= '0' && c <= '9', "not an integer image", obraz);
    n = n * 10 + (c - '0');
  }
  return n;
}

// The error report line: "Blad skanera ( 9) - l: 3, k: 7: Niedozwolony znak".
struct Raport {
  std::string_view zrodlo;  // "skanera" or "parsera"
  int linia = 0;
  int kol = 0;
  std::string_view komunikat;
};

Raport czytaj_raport(std::string_view w) {
  Raport r;
  sprawdz(fuzz::zaczyna_sie(w, "Blad "), "no error report", w);
  std::size_t a = w.find(" (");
  std::size_t l = w.find(") - l:");
  std::size_t k = w.find(", k:", l);
  std::size_t m = w.find(": ", k + 4);
  sprawdz(a != w.npos && l != w.npos && k != w.npos && m != w.npos, "malformed error report", w);
  r.zrodlo = w.substr(5, a - 5);
  sprawdz(r.zrodlo == "skanera" || r.zrodlo == "parsera", "unknown error source", w);
  liczba(w.substr(a + 2, l - a - 2));
  r.linia = liczba(w.substr(l + 6, k - l - 6));
  r.kol = liczba(w.substr(k + 4, m - k - 4));
  r.komunikat = w.substr(m + 2);
  sprawdz(!r.komunikat.empty(), "an error report without its message", w);
  return r;
}

// Names of the enumeration in the scanner specification, Pusty excluded.
std::vector<std::string> literaly(const std::string& specyfikacja) {
  constexpr std::string_view otwarcie = "type Token_Kod is (";
  std::size_t a = specyfikacja.find(otwarcie);
  std::size_t b = specyfikacja.find("Pusty);\n", a);
  sprawdz(a != specyfikacja.npos && b != specyfikacja.npos, "no token kind declaration", specyfikacja);
  std::string lista = specyfikacja.substr(a + otwarcie.size(), b - a - otwarcie.size());
  const std::string ciag = "\n" + std::string(19, ' ');
  for (std::size_t p; (p = lista.find(ciag)) != lista.npos;) lista.erase(p, ciag.size());
  std::vector<std::string> nazwy;
  for (std::size_t p = 0; p < lista.size();) {
    std::size_t q = lista.find(',', p);
    sprawdz(q != lista.npos, "a literal without its comma", specyfikacja);
    nazwy.push_back(lista.substr(p, q - p));
    p = q + 1;
  }
  return nazwy;
}

// The two tables of the log, each up to its closing empty line.
void tablice_logu(const std::string& log, std::vector<std::string>& nterm,
                  std::vector<std::string>& term) {
  std::vector<std::string_view> w = fuzz::wiersze(log);
  sprawdz(w.size() >= 6 && w[0] == "Plik: [ Fuzz.gpa]" && w[1].empty() &&
              w[2] == "Tablica symboli nieterminalnych:",
          "log head", log);
  std::size_t i = 3;
  for (; i < w.size() && !w[i].empty(); ++i) nterm.emplace_back(w[i]);
  sprawdz(i + 2 < w.size() && w[i + 1] == "Tablica symboli terminalnych:", "log middle", log);
  for (i += 2; i < w.size() && !w[i].empty(); ++i) term.emplace_back(w[i]);
  sprawdz(i + 1 == w.size() && fuzz::konczy_sie(log, "\n\n"), "log end", log);
}

void sprawdz_listing(const std::string& lst, std::string_view wejscie, bool sukces,
                     const Raport* raport, int wczytane) {
  const std::vector<std::string_view> oczekiwane = fuzz::linie(wejscie);
  std::vector<std::string_view> w = fuzz::wiersze(lst);
  sprawdz(w.size() >= 2, "listing too short", lst);
  const std::size_t n = w.size() - 2;  // the grammar lines, before the two closing ones
  sprawdz(n <= oczekiwane.size(), "listing has more lines than the grammar", lst);
  for (std::size_t i = 0; i < n; ++i) {
    const std::string numer = " " + std::to_string(i + 1) + ": ";
    sprawdz(fuzz::zaczyna_sie(w[i], numer) && w[i].substr(numer.size()) == oczekiwane[i],
            "listing line differs from the grammar line", std::string(w[i]));
  }
  if (sukces) {
    sprawdz(n == oczekiwane.size(), "a successful listing misses grammar lines", lst);
    sprawdz(static_cast<int>(n) == wczytane, "line count on the console differs from the listing");
    sprawdz(w[n].empty() && w[n + 1] == "Bez bledu" && fuzz::konczy_sie(lst, "\n"),
            "listing end after success", lst);
    return;
  }
  sprawdz(raport->linia <= static_cast<int>(n), "error line beyond the lines read");
  // The column is that of the last character delivered: on the error's line,
  // or, when the file ended after empty lines, on the last non-empty one.
  std::size_t dl = 0;
  for (int i = raport->linia; i > 0 && dl == 0; --i) dl = oczekiwane[static_cast<std::size_t>(i - 1)].size();
  if (dl == 0)
    sprawdz(raport->kol == 0, "an error column before any character");
  else
    sprawdz(raport->kol >= 1 && raport->kol <= static_cast<int>(dl), "error column outside its line");
  sprawdz(w[n] == std::string(static_cast<std::size_t>(raport->kol) + 5, '-') + "^",
          "marker line", lst);
  sprawdz(w[n + 1] == "Blad " + std::string(raport->zrodlo) + ": " + std::string(raport->komunikat),
          "listing error line", lst);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::przygotuj_katalog();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  fuzz::wyczysc_katalog();
  fuzz::zapisz("Fuzz.gpa", wejscie);

  std::ostringstream wyjscie;
  const int status = bryzas::bryzas_uruchom({"Fuzz"}, wyjscie, "1796461507");
  const std::string konsola = wyjscie.str();

  // With a working disk only the grammar can be at fault.
  sprawdz(status == bryzas::status_sukces || status == bryzas::status_blad_gramatyki,
          "unexpected exit status", konsola);
  sprawdz(fuzz::zaczyna_sie(konsola, poczatek_konsoli), "console head", konsola);
  sprawdz(fuzz::konczy_sie(konsola, "\n*** koniec parsowania\n"), "console end", konsola);
  const bool sukces = status == bryzas::status_sukces;

  // The console between its head and the closing line.
  std::vector<std::string_view> w = fuzz::wiersze(
      std::string_view(konsola).substr(poczatek_konsoli.size()));
  w.pop_back();
  std::size_t i = 0;
  if (i < w.size() && fuzz::zaczyna_sie(w[i], "*** symbol poczatkowy gramatyki: '")) ++i;
  if (i < w.size() && w[i] == "*** ostrzezenie: Brak sekcji FIRST !") ++i;
  Raport raport;
  int wczytane = 0;
  if (sukces) {
    sprawdz(i + 2 == w.size(), "console lines after success", konsola);
    sprawdz(fuzz::zaczyna_sie(w[i], "*** wczytane linie : "), "no line count", konsola);
    wczytane = liczba(w[i].substr(21));
    sprawdz(w[i + 1] == "*** generacja kodu ...", "no generation line", konsola);
  } else {
    sprawdz(i + 1 == w.size(), "console lines after an error", konsola);
    raport = czytaj_raport(w[i]);
  }

  const std::string lst = plik("Fuzz.lst", true);
  sprawdz_listing(lst, wejscie, sukces, sukces ? nullptr : &raport, wczytane);

  const std::string specyfikacja = plik("Fuzz_pars.ads", true);
  const std::string tresc = plik("Fuzz_pars.adb", true);
  const std::string log = plik("Fuzz.log", sukces);
  const std::string skan = plik("Fuzz_skan_t.ads", true);
  sprawdz(fuzz::konczy_sie(specyfikacja, "\nend Fuzz_Pars;\n") == sukces, "parser specification end",
          specyfikacja);
  if (sukces) {
    sprawdz(fuzz::konczy_sie(tresc, "\nend Fuzz_Pars;\n"), "parser body end", tresc);
    std::vector<std::string> nterm, term;
    tablice_logu(log, nterm, term);
    sprawdz(literaly(skan) == term, "token kinds differ from the terminal table", skan);
    for (const std::string& n : nterm)
      sprawdz(specyfikacja.find("\nFirst_" + n + ": Zbior_Tok;\n") != specyfikacja.npos,
              "a nonterminal without its FIRST set", n);
  }
  sprawdz(fuzz::konczy_sie(skan, "\nend  Fuzz_Skan;\n"), "scanner specification end", skan);
  sprawdz(fuzz::wiersze(plik("Fuzz_zbiory.ads", true)).size() == 19, "sets specification length");
  sprawdz(fuzz::wiersze(plik("Fuzz_zbiory.adb", true)).size() == 33, "sets body length");
  sprawdz(fuzz::wiersze(plik("Fuzz.adb", true)).size() == 10, "main procedure length");
  return 0;
}
