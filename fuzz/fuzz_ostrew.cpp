// Fuzz target: one whole run of the converter on the input as a.ini, in each
// dialect. Beside the sanitizers' findings it checks the console report, the
// exit status and a.xml, which must be a complete document after success and
// a prefix of one after an error; and that the scan does not depend on where
// the blocks it reads end: with blocks of a few bytes and around 1000, a
// block ends inside every CR LF pair and every 1000-character piece. The
// free dialect (--swobodny, into b.xml) must write a well-formed document
// of valid UTF-8 after success and nothing at all after an error, and read
// the same lines whatever its block size.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <cstdint>
#include <sstream>

#include "converter/osw.h"
#include "converter/osw_skan.h"
#include "converter/swob_we.h"
#include "fuzz/wspolne.h"
#include "wspolne/status.h"

namespace {

using fuzz::sprawdz;

// The text of a name, string or number in a.xml: UTF-8 of ISO 8859-1
// letters, digits and "_", 1 to 100 characters; a number is digits only and
// names a value, never a section or a key.
void sprawdz_tekst(std::string_view x, std::string_view wiersz, bool tylko_nazwa) {
  std::string z;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const auto c = static_cast<unsigned char>(x[i]);
    const auto d = i + 1 < x.size() ? static_cast<unsigned char>(x[i + 1]) : 0;
    sprawdz(c < 0x80 || ((c == 0xC2 || c == 0xC3) && (d & 0xC0) == 0x80), "bad UTF-8", wiersz);
    z += static_cast<char>(c < 0x80 ? c : ((c & 3) << 6) | (d & 0x3F));
    i += c >= 0x80;
  }
  sprawdz(!z.empty() && z.size() <= 100, "text length in a.xml", wiersz);
  auto litera = [](unsigned char c) { return std::isalpha(c) || c == '_' || (c >= 192 && c != 215 && c != 247); };
  const bool liczba = std::isdigit(static_cast<unsigned char>(z[0]));
  sprawdz(!(liczba && tylko_nazwa), "a number as a section or key name", wiersz);
  for (unsigned char c : z)
    sprawdz(std::isdigit(c) || (!liczba && litera(c)), "character in a.xml text", wiersz);
}

// a.xml against  declaration <plik_ini> { <sekcja> { <element> { <wartosc> }
// </element> } </sekcja> } </plik_ini>,  each at least once where it opens.
// Returns whether the document is complete.
bool sprawdz_xml(const std::string& xml) {
  sprawdz(xml.empty() || xml.ends_with('\n'), "a.xml ends inside a line", xml);
  const std::vector<std::string_view> w = fuzz::wiersze(xml);
  std::size_t i = 0;
  auto jest = [&](std::string_view przed, std::string_view po, int rodzaj) {
    if (i == w.size() || !w[i].starts_with(przed) || !w[i].ends_with(po) ||
        w[i].size() < przed.size() + po.size())
      return false;
    if (rodzaj >= 0) sprawdz_tekst(w[i].substr(przed.size(), w[i].size() - przed.size() - po.size()), w[i], rodzaj);
    return ++i, true;
  };
  auto koniec = [&] { return i == w.size(); };
  if (!jest("<?xml version=\"1.0\"?>", "", -1) || !jest("<plik_ini>", "", -1)) return sprawdz(koniec(), "head", xml), false;
  for (bool sekcja = true; sekcja; sekcja = !jest("</plik_ini>", "", -1)) {
    if (!jest("<sekcja nazwa=\"", "\" >", 1)) return sprawdz(koniec(), "section expected", xml), false;
    for (bool element = true; element; element = !jest("</sekcja>", "", -1)) {
      if (!jest("<element nazwa=\"", "\">", 1)) return sprawdz(koniec(), "element expected", xml), false;
      for (bool wartosc = true; wartosc; wartosc = !jest("</element>", "", -1))
        if (!jest("<wartosc>", "</wartosc>", 0)) return sprawdz(koniec(), "value expected", xml), false;
    }
  }
  sprawdz(koniec(), "lines after the root's end", xml);
  return true;
}

// The scan as text, one line per token and how it ended, with the line
// count after each.
std::string przebieg(std::size_t blok, int& linie_na_koncu) {
  std::ostringstream konsola;
  ostrew::Osw_Skan skan(konsola, blok);
  skan.otworz_plik_we("a.ini");
  std::string opis;
  linie_na_koncu = -1;
  try {
    for (ostrew::Token_Typ t; t.Kod != ostrew::Token_Kod::KONIECPL;) {
      t = skan.Skanuj();
      opis += std::to_string(static_cast<int>(t.Kod)) + " [" + std::string(t.tekst()) + "] l" +
              std::to_string(skan.nr_linii()) + "\n";
    }
    linie_na_koncu = skan.nr_linii();
  } catch (const ostrew::Blad_Skanera& b) {
    opis += "blad skanera " + std::to_string(b.nr) + " l" + std::to_string(skan.nr_linii()) + "\n";
  } catch (const ostrew::Blad_Zakresu&) {
    opis += "blad zakresu\n";  // reported without a line number
  }
  skan.zamknij_plik_we();
  sprawdz(konsola.str().empty(), "the scanner wrote to the console", konsola.str());
  return opis;
}

// The lines as Python reads a text file: ended by LF, CR LF or CR, a byte
// order mark first skipped.
std::vector<std::string_view> linie_pythona(std::string_view d) {
  if (d.starts_with("\xEF\xBB\xBF")) d.remove_prefix(3);
  std::vector<std::string_view> wynik;
  while (!d.empty()) {
    const std::size_t k = d.find_first_of("\r\n");
    wynik.push_back(d.substr(0, k));
    if (k == std::string_view::npos) break;
    d.remove_prefix(k + (d.substr(k, 2) == "\r\n" ? 2 : 1));
  }
  return wynik;
}

std::vector<std::string> linie_swobodne(std::size_t blok) {
  ostrew::Swob_We we(blok);
  we.otworz("a.ini");
  std::vector<std::string> wynik;
  std::string_view l;
  bool ascii;
  while (we.nastepna(l, ascii)) {
    sprawdz(ascii == std::none_of(l.begin(), l.end(), [](char c) { return (c & 0x80) != 0; }),
            "the line's ascii flag", l);
    wynik.emplace_back(l);
  }
  return wynik;
}

// One text of b.xml, valid UTF-8 that XML holds, with "&" only in the five
// references the writer uses and none of the characters they stand for.
void sprawdz_tekst_xml(std::string_view t, bool atrybut, std::string_view xml) {
  for (std::size_t i = 0; i < t.size(); ++i) {
    const auto c = static_cast<unsigned char>(t[i]);
    sprawdz(c != '<' && c != '>' && c != '"' && (c >= 0x20 || c == '\t' || (c == '\n' && !atrybut)), "a raw character", xml);
    sprawdz(!(atrybut && c == '\t'), "a raw tab in an attribute", xml);
    if (c == '&') {
      const std::string_view r = t.substr(i);
      sprawdz(r.starts_with("&amp;") || r.starts_with("&lt;") || r.starts_with("&gt;") || r.starts_with("&quot;") ||
                  (atrybut && r.starts_with("&#9;")),
              "an unknown reference", xml);
    }
  }
}

// b.xml against  declaration <plik_ini> { <sekcja> { <element> <wartosc>
// </element> } </sekcja> } </plik_ini>, a value spanning lines.
void sprawdz_xml_swobodny(std::string_view x) {
  const std::string_view pelny = x;
  auto wez = [&](std::string_view s) {
    if (!x.starts_with(s)) return false;
    x.remove_prefix(s.size());
    return true;
  };
  auto do_ = [&](std::string_view koniec, bool atrybut) {
    const std::size_t k = x.find(koniec);
    sprawdz(k != std::string_view::npos, "an unended text", pelny);
    sprawdz_tekst_xml(x.substr(0, k), atrybut, pelny);
    x.remove_prefix(k + koniec.size());
  };
  sprawdz(wez("<?xml version=\"1.0\"?>\n<plik_ini>\n"), "head", pelny);
  while (wez("<sekcja nazwa=\"")) {
    do_("\" >\n", true);
    while (wez("<element nazwa=\"")) {
      do_("\">\n<wartosc>", true);
      do_("</wartosc>\n</element>\n", false);
    }
    sprawdz(wez("</sekcja>\n"), "section end", pelny);
  }
  sprawdz(x == "</plik_ini>\n", "document end", pelny);
}

void swobodnie(std::string_view wejscie) {
  const std::vector<std::string> wzor = linie_swobodne(ostrew::Swob_We::domyslny_blok);
  const std::vector<std::string_view> python = linie_pythona(wejscie);
  sprawdz(std::equal(wzor.begin(), wzor.end(), python.begin(), python.end()), "lines unlike Python's");
  for (std::size_t blok : {8, 9, 13, 1000})
    sprawdz(linie_swobodne(blok) == wzor, "the lines depend on the block size", std::to_string(blok));

  std::ostringstream wyjscie;
  const int status = ostrew::Osw(wyjscie).uruchom({"--swobodny", "a.ini", "b.xml"});
  const std::string konsola = wyjscie.str();
  bool jest = false;
  const std::string xml = fuzz::czytaj("b.xml", jest);
  std::size_t plikow = 0;
  for ([[maybe_unused]] const auto& w : std::filesystem::directory_iterator(".")) ++plikow;
  if (status == wspolne::status_sukces) {
    sprawdz(konsola.empty() && jest && plikow == 2, "console or files after success", konsola);
    sprawdz_xml_swobodny(xml);
    return;
  }
  sprawdz(status == wspolne::status_blad_wejscia, "unexpected exit status", konsola);
  sprawdz(!jest && plikow == 1, "output left after an error", konsola);
  // "a.ini:3:1: klucz poza sekcja": the line is one of the input's.
  sprawdz(konsola.starts_with("a.ini:") && konsola.ends_with("\n") && konsola.find('\n') + 1 == konsola.size(),
          "error report", konsola);
  const long linia = std::atol(konsola.c_str() + 6);
  sprawdz(linia >= 1 && linia <= static_cast<long>(python.size()), "error line beyond the input", konsola);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  fuzz::wejscie("a.ini", wejscie);
  swobodnie(wejscie);
  int linie = 0;
  const std::string wzor = przebieg(ostrew::Osw_Skan::domyslny_blok, linie);
  sprawdz(linie < 0 || linie == static_cast<int>(fuzz::linie(wejscie).size()),
          "line count at the end of the input", wzor);
  for (std::size_t blok : {2, 3, 5, 999, 1001})
    sprawdz(przebieg(blok, linie) == wzor, "the scan depends on the block size", std::to_string(blok));

  std::ostringstream wyjscie;
  const int status = ostrew::Osw(wyjscie).uruchom();
  const std::string konsola = wyjscie.str();
  // With a working disk only the input can be at fault.
  sprawdz(status == wspolne::status_sukces || status == wspolne::status_blad_wejscia,
          "unexpected exit status", konsola);
  bool jest = false;
  const bool kompletny = sprawdz_xml(fuzz::czytaj("a.xml", jest));
  sprawdz(jest, "a.xml was not created", konsola);
  if (status == wspolne::status_sukces) {
    sprawdz(konsola == "** Poczatek\n** Koniec\n" && kompletny, "console or a.xml after success", konsola);
    return 0;
  }
  const std::vector<std::string_view> w = fuzz::wiersze(konsola);
  sprawdz(w.size() == 2 && w[0] == "** Poczatek", "console after an error", konsola);
  if (w[1] == "Blad!") return 0;  // a number or string out of range
  // "Blad skanera: 9 l: 3": the line is one of the input's.
  sprawdz(w[1].starts_with("Blad skanera: ") || w[1].starts_with("Blad parsera: "), "error report", konsola);
  const std::size_t l = w[1].find(" l: ");
  sprawdz(l != w[1].npos && std::atoi(std::string(w[1].substr(l + 4)).c_str()) <=
                                static_cast<int>(fuzz::linie(wejscie).size()),
          "error line beyond the input", konsola);
  return 0;
}
