// Fuzz target: one whole run of the generator on the input as the grammar
// Fuzz.gpa. Beside the sanitizers' findings it checks what a run promises
// whatever the grammar holds: a status of 0 or 1, the listing of every line
// read, a marker under the reported column, and on success a log whose
// terminals are the scanner specification's token kinds.
#include <cstdint>
#include <sstream>

#include "generator/bryzas_uruchom.h"
#include "gramatyka/bryzas_skan.h"
#include "fuzz/wspolne.h"
#include "wspolne/status.h"

namespace {

using fuzz::sprawdz;

std::string plik(const std::string& nazwa, bool wymagany = true) {
  bool jest = false;
  std::string tresc = fuzz::czytaj(nazwa, jest);
  sprawdz(jest == wymagany, wymagany ? "a file is missing" : "a file should not exist", nazwa);
  return tresc;
}

// The number after `po` in the line, as its integer image " 12".
int liczba_po(std::string_view w, std::string_view po) {
  const std::size_t a = w.find(po);
  sprawdz(a != w.npos && w.substr(a + po.size()).starts_with(' '), "no integer image", w);
  return std::atoi(std::string(w.substr(a + po.size())).c_str());
}

// The token kinds of the scanner specification, Pusty excluded, and the
// terminals of the log: the same names in the same order.
void tablice_zgodne(const std::string& skan, const std::string& log) {
  const std::size_t a = skan.find("type Token_Kod is (") + 19, b = skan.find("Pusty);\n");
  sprawdz(a > 19 && b != skan.npos, "no token kind declaration", skan);
  std::string kody, terminale;
  for (char c : skan.substr(a, b - a))
    if (c != ' ' && c != '\n') kody += c;
  const std::size_t t = log.find("Tablica symboli terminalnych:\n");
  sprawdz(t != log.npos && log.ends_with("\n\n"), "log tables", log);
  for (std::string_view w : fuzz::wiersze(std::string_view(log).substr(t + 30)))
    if (!w.empty()) terminale += std::string(w) + ",";
  sprawdz(kody == terminale, "token kinds differ from the terminal table", skan + log);
}

// The extended notation: the listing ends with the analyser's count, which
// the console ends with too; after an error nothing but the listing is
// written, after success the parser package.
void rozszerzona(int status, const std::string& konsola, const std::string& lst) {
  const std::vector<std::string_view> w = fuzz::wiersze(konsola);
  const std::string_view podsumowanie = w[w.size() - (status == wspolne::status_sukces ? 3 : 2)];
  std::string koniec_listy(1, '\n');
  koniec_listy.append(podsumowanie).push_back('\n');
  sprawdz(podsumowanie.starts_with("*** bledy: ") && lst.ends_with(koniec_listy),
          "the count of the console and of the listing", konsola + lst);
  sprawdz((status == wspolne::status_blad_wejscia) == !podsumowanie.starts_with("*** bledy: 0,"),
          "status and errors disagree", konsola);
  if (status == wspolne::status_sukces) {
    sprawdz(plik("Fuzz_pars.adb").ends_with("\nend Fuzz_Pars;\n"), "parser body end");
    return;
  }
  for (const char* nazwa : {"Fuzz_pars.ads", "Fuzz_pars.adb", "Fuzz_skan_t.ads", "Fuzz.adb", "Fuzz_bledy.ads"})
    plik(nazwa, false);
}

// Whether the grammar takes the extended notation's road: its first token
// is the marker.
bool rozszerzona_notacja(const std::string& plik) {
  bryzas::Bryzas_Skan skan(nullptr);
  skan.otworz(plik);
  return skan.pierwszy() == bryzas::Token_Kod::ROZSZERZONA;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  fuzz::wejscie("Fuzz.gpa", wejscie);
  std::ostringstream wyjscie;
  const int status = bryzas::bryzas_uruchom({"--bez-gnat", "Fuzz"}, wyjscie, "1796461507");
  const std::string konsola = wyjscie.str();
  // With a working disk only the grammar can be at fault.
  sprawdz(status == wspolne::status_sukces || status == wspolne::status_blad_wejscia,
          "unexpected exit status", konsola);
  sprawdz(konsola.ends_with("\n*** koniec parsowania\n"), "console end", konsola);
  const std::vector<std::string_view> w = fuzz::wiersze(konsola);
  const std::string_view ostatni = w[w.size() - 2];  // the line before the closing one

  const std::vector<std::string_view> oczekiwane = fuzz::linie(wejscie);
  const std::string lst = plik("Fuzz.lst");
  if (rozszerzona_notacja("Fuzz.gpa")) {
    rozszerzona(status, konsola, lst);
    return 0;
  }
  const std::vector<std::string_view> l = fuzz::wiersze(lst);
  sprawdz(l.size() >= 2 && l.size() - 2 <= oczekiwane.size(), "listing length", lst);
  const std::size_t n = l.size() - 2;
  for (std::size_t i = 0; i < n; ++i)
    sprawdz(l[i] == std::string(" ").append(std::to_string(i + 1)).append(": ").append(oczekiwane[i]),
            "listing line differs from the grammar line", l[i]);
  const std::string skan = plik("Fuzz_skan_t.ads");
  sprawdz(skan.ends_with("\nend  Fuzz_Skan;\n"), "scanner specification end", skan);
  if (status == wspolne::status_sukces) {
    sprawdz(ostatni == "*** generacja kodu ...", "console after success", konsola);
    sprawdz(liczba_po(w[w.size() - 3], "*** wczytane linie :") == static_cast<int>(oczekiwane.size()) &&
                n == oczekiwane.size() && l[n].empty() && l[n + 1] == "Bez bledu",
            "a successful listing misses lines", lst);
    sprawdz(plik("Fuzz_pars.adb").ends_with("\nend Fuzz_Pars;\n"), "parser body end");
    tablice_zgodne(skan, plik("Fuzz.log"));
  } else {
    // "Blad skanera ( 9) - l: 3, k: 7: Niedozwolony znak", and in the
    // listing a marker under that column and the message.
    sprawdz(ostatni.starts_with("Blad skanera (") || ostatni.starts_with("Blad parsera ("),
            "no error report", konsola);
    const int linia = liczba_po(ostatni, "- l:"), kol = liczba_po(ostatni, ", k:");
    sprawdz(linia <= static_cast<int>(n), "error line beyond the lines read", konsola);
    sprawdz(l[n] == std::string(static_cast<std::size_t>(kol) + 5, '-') + "^", "marker line", lst);
    const std::size_t m = ostatni.find(": ", ostatni.find(", k:") + 4);
    sprawdz(l[n + 1] == std::string(ostatni.substr(0, 12)) + ": " + std::string(ostatni.substr(m + 2)),
            "listing error line", lst);
    plik("Fuzz.log", false);
  }
  return 0;
}
