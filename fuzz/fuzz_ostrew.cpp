// Fuzz target: one whole run of the converter (scanner, parser and XML
// writer) on the input as a.ini, in a private directory. Beside the
// sanitizers' findings it checks the console report, the exit status and the
// shape of a.xml, which must be a complete document after success and a
// prefix of one after an error.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "osw.h"
#include "wspolne.h"

namespace {

using fuzz::sprawdz;

bool litera(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 192 && c != 215 && c != 247);
}
bool cyfra(unsigned char c) { return c >= '0' && c <= '9'; }

// The text of a name, string or number as written to a.xml: UTF-8 of
// ISO 8859-1 letters, digits and "_", 1 to 100 characters; a name or string
// begins with a letter or "_", a number is digits only. Sections and keys
// are always names.
void sprawdz_tekst(std::string_view x, std::string_view wiersz, bool tylko_nazwa) {
  std::string znaki;
  for (std::size_t i = 0; i < x.size(); ++i) {
    const auto c = static_cast<unsigned char>(x[i]);
    if (c < 0x80) {
      znaki.push_back(static_cast<char>(c));
      continue;
    }
    sprawdz((c == 0xC2 || c == 0xC3) && i + 1 < x.size(), "bad UTF-8 in a.xml", wiersz);
    const auto d = static_cast<unsigned char>(x[++i]);
    sprawdz((d & 0xC0) == 0x80, "bad UTF-8 in a.xml", wiersz);
    znaki.push_back(static_cast<char>(((c & 0x03) << 6) | (d & 0x3F)));
  }
  sprawdz(!znaki.empty() && znaki.size() <= 100, "text length in a.xml", wiersz);
  const auto pierwszy = static_cast<unsigned char>(znaki[0]);
  const bool liczba = cyfra(pierwszy);
  sprawdz(!(liczba && tylko_nazwa), "a number as a section or key name", wiersz);
  for (char z : znaki) {
    const auto c = static_cast<unsigned char>(z);
    sprawdz(liczba ? cyfra(c) : (litera(c) || cyfra(c) || c == '_'), "character in a.xml text",
            wiersz);
  }
}

// The text between `przed` and `po` when the line has that shape.
bool postac(std::string_view w, std::string_view przed, std::string_view po, std::string_view& x) {
  if (!fuzz::zaczyna_sie(w, przed) || !fuzz::konczy_sie(w, po) ||
      w.size() < przed.size() + po.size())
    return false;
  x = w.substr(przed.size(), w.size() - przed.size() - po.size());
  return true;
}

// a.xml line by line against
//   plik = declaration "<plik_ini>" sekcja { sekcja } "</plik_ini>"
//   sekcja = section-line element { element } "</sekcja>"
//   element = element-line wartosc { wartosc } "</element>"
// Returns true when the document is complete; an incomplete one must still
// be a prefix of a document.
bool sprawdz_xml(const std::string& xml) {
  sprawdz(xml.empty() || fuzz::konczy_sie(xml, "\n"), "a.xml ends inside a line", xml);
  enum class Stan { deklaracja, korzen, sekcja, element, wartosc, po_wartosci, po_elemencie,
                    po_sekcji, koniec };
  Stan s = Stan::deklaracja;
  for (std::string_view w : fuzz::wiersze(xml)) {
    std::string_view x;
    switch (s) {
      case Stan::deklaracja:
        sprawdz(w == "<?xml version=\"1.0\"?>", "declaration line", xml);
        s = Stan::korzen;
        break;
      case Stan::korzen:
        sprawdz(w == "<plik_ini>", "root line", xml);
        s = Stan::sekcja;
        break;
      case Stan::sekcja:
      case Stan::po_sekcji:
        if (s == Stan::po_sekcji && w == "</plik_ini>") {
          s = Stan::koniec;
          break;
        }
        sprawdz(postac(w, "<sekcja nazwa=\"", "\" >", x), "section line expected", xml);
        sprawdz_tekst(x, w, true);
        s = Stan::element;
        break;
      case Stan::element:
      case Stan::po_elemencie:
        if (s == Stan::po_elemencie && w == "</sekcja>") {
          s = Stan::po_sekcji;
          break;
        }
        sprawdz(postac(w, "<element nazwa=\"", "\">", x), "element line expected", xml);
        sprawdz_tekst(x, w, true);
        s = Stan::wartosc;
        break;
      case Stan::wartosc:
      case Stan::po_wartosci:
        if (s == Stan::po_wartosci && w == "</element>") {
          s = Stan::po_elemencie;
          break;
        }
        sprawdz(postac(w, "<wartosc>", "</wartosc>", x), "value line expected", xml);
        sprawdz_tekst(x, w, false);
        s = Stan::po_wartosci;
        break;
      case Stan::koniec:
        fuzz::naruszenie("lines after the root's end", xml);
    }
  }
  return s == Stan::koniec;
}

// "Blad skanera: 9 l: 3" or "Blad parsera: 14 l: 12": the line number.
int linia_raportu(std::string_view w) {
  std::size_t l = w.find(" l: ");
  sprawdz(l != w.npos && w.size() > l + 4, "malformed error report", w);
  int n = 0;
  for (char c : w.substr(l + 4)) {
    sprawdz(c >= '0' && c <= '9', "malformed error report", w);
    n = n * 10 + (c - '0');
  }
  std::string_view nr = w.substr(13, l - 13);
  sprawdz(nr.size() >= 2 && nr[0] == ' ', "malformed error number", w);
  return n;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz::przygotuj_katalog();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dane, std::size_t rozmiar) {
  const std::string_view wejscie(reinterpret_cast<const char*>(dane), rozmiar);
  fuzz::wyczysc_katalog();
  fuzz::zapisz("a.ini", wejscie);

  std::ostringstream wyjscie;
  const int status = ostrew::osw(wyjscie).uruchom();
  const std::string konsola = wyjscie.str();

  // With a working disk only the input can be at fault.
  sprawdz(status == ostrew::status_sukces || status == ostrew::status_blad_wejscia,
          "unexpected exit status", konsola);
  bool jest = false;
  const std::string xml = fuzz::czytaj("a.xml", jest);
  sprawdz(jest, "a.xml was not created", konsola);
  const bool kompletny = sprawdz_xml(xml);

  if (status == ostrew::status_sukces) {
    sprawdz(konsola == "** Poczatek\n** Koniec\n", "console after success", konsola);
    sprawdz(kompletny, "a.xml incomplete after success", xml);
    return 0;
  }
  std::vector<std::string_view> w = fuzz::wiersze(konsola);
  sprawdz(w.size() == 2 && w[0] == "** Poczatek", "console after an error", konsola);
  if (w[1] == "Blad!") return 0;  // a number or string out of range
  sprawdz(fuzz::zaczyna_sie(w[1], "Blad skanera:") || fuzz::zaczyna_sie(w[1], "Blad parsera:"),
          "error report", konsola);
  const int n = linia_raportu(w[1]);
  sprawdz(n <= static_cast<int>(fuzz::linie(wejscie).size()), "error line beyond the input",
          konsola);
  return 0;
}
