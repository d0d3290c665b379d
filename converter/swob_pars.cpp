#include "converter/swob_pars.h"

#include <cstdio>

#include "converter/swob_tekst.h"

namespace ostrew {

namespace {

// "0xFF", the byte an error names.
std::string szesnastkowo(unsigned char c) {
  char t[8];
  std::snprintf(t, sizeof t, "0x%02X", c);
  return t;
}

// "U+0001", the character an error names.
std::string kod_znaku(char32_t z) {
  char t[16];
  std::snprintf(t, sizeof t, "U+%04X", static_cast<unsigned>(z));
  return t;
}

}  // namespace

void Swob_Pars::plik() {
  wy_.pisz("<?xml version=\"1.0\"?>\n<plik_ini>\n");
  std::string_view l;
  bool ascii;
  while (we_.nastepna(l, ascii)) linia(l, ascii);
  zamknij_klucz();
  if (w_sekcji_) wy_.pisz("</sekcja>\n");
  wy_.pisz("</plik_ini>\n");
}

void Swob_Pars::blad(int nr, std::size_t bajt, std::vector<std::string> slowa) {
  throw Blad_Swobodny{nr, we_.nr_linii(), kolumna(linia_, bajt), std::move(slowa)};
}

void Swob_Pars::pisz(std::string_view tekst, bool atrybut) {
  const std::size_t z = pisz_xml(wy_, tekst, atrybut);
  if (z == std::string_view::npos) return;
  const auto bajt = static_cast<std::size_t>(tekst.data() - linia_.data()) + z;
  blad(bledy_swobodne::znak_poza_xml, bajt, {kod_znaku(znak(linia_, bajt))});
}

// One line, in configparser's order: white space only, a comment, a
// continuation of the open value, a section header, a key.
void Swob_Pars::linia(std::string_view l, bool ascii) {
  linia_ = l;
  if (!ascii) {
    const std::size_t z = zly_utf8(l);
    if (z != std::string_view::npos)
      blad(bledy_swobodne::zly_utf8, z, {szesnastkowo(static_cast<unsigned char>(l[z]))});
  }
  // The indentation counts characters, as Python's string positions do.
  std::size_t i = 0;
  long long wciecie = 0;
  for (std::size_t k; (k = bialy_od(l, i)) != 0; i += k) ++wciecie;
  if (i == l.size()) {
    // configparser joins the parts of a value with line ends and then
    // drops the trailing ones: an empty line counts once text follows.
    if (klucz_) ++puste_;
    return;
  }
  if (l[i] == '#' || l[i] == ';') return;
  std::size_t j = l.size();
  for (std::size_t k; (k = bialy_do(l, j)) != 0;) j -= k;
  const std::string_view tresc = l.substr(i, j - i);
  if (klucz_ && wciecie > wciecie_) {
    ciag_dalszy(tresc);
    return;
  }
  wciecie_ = wciecie;
  // "[" name "]" and anything after the last "]": the name runs to it.
  const std::size_t zamkniecie = tresc[0] == '[' ? tresc.rfind(']') : std::string_view::npos;
  if (zamkniecie != std::string_view::npos && zamkniecie >= 2) {
    sekcja(tresc.substr(1, zamkniecie - 1), i + 1);
    return;
  }
  std::size_t separator = 0;
  while (separator < tresc.size() && tresc[separator] != '=' && tresc[separator] != ':') ++separator;
  if (separator == tresc.size()) separator = std::string_view::npos;
  if (separator == std::string_view::npos) {
    if (tresc[0] == '[')
      blad(zamkniecie == 1 ? bledy_swobodne::pusta_nazwa_sekcji : bledy_swobodne::brak_nawiasu,
           zamkniecie == 1 ? i : j);
    blad(w_sekcji_ ? bledy_swobodne::brak_separatora : bledy_swobodne::klucz_poza_sekcja, w_sekcji_ ? j : i);
  }
  if (!w_sekcji_) blad(bledy_swobodne::klucz_poza_sekcja, i);
  std::size_t koniec_klucza = separator;
  for (std::size_t k; (k = bialy_do(tresc, koniec_klucza)) != 0;) koniec_klucza -= k;
  if (koniec_klucza == 0) blad(bledy_swobodne::pusty_klucz, i + separator, {std::string(1, tresc[separator])});
  std::size_t wartosc = separator + 1;
  for (std::size_t k; (k = bialy_od(tresc, wartosc)) != 0;) wartosc += k;
  klucz(tresc.substr(0, koniec_klucza), tresc.substr(wartosc), i);
}

void Swob_Pars::sekcja(std::string_view nazwa, std::size_t od) {
  zamknij_klucz();
  if (w_sekcji_) wy_.pisz("</sekcja>\n");
  wy_.pisz("<sekcja nazwa=\"");
  pisz(nazwa, true);
  wy_.pisz("\" >\n");
  // DEFAULT may open again; its keys stay one set, as configparser keeps
  // them.
  w_default_ = nazwa == "DEFAULT";
  if (!w_default_) {
    if (const long long p = sekcje_.dodaj(nazwa, we_.nr_linii()))
      blad(bledy_swobodne::powtorzona_sekcja, od, {std::string(nazwa), std::to_string(p)});
    klucze_.wyczysc();
  }
  sekcja_ = nazwa;
  w_sekcji_ = true;
}

void Swob_Pars::klucz(std::string_view nazwa, std::string_view wartosc, std::size_t od) {
  zamknij_klucz();
  wy_.pisz("<element nazwa=\"");
  pisz(nazwa, true);
  wy_.pisz("\">\n<wartosc>");
  if (const long long p = (w_default_ ? klucze_default_ : klucze_).dodaj(nazwa, we_.nr_linii()))
    blad(bledy_swobodne::powtorzony_klucz, od, {std::string(nazwa), sekcja_, std::to_string(p)});
  pisz(wartosc, false);
  klucz_ = true;
  puste_ = 0;
}

void Swob_Pars::ciag_dalszy(std::string_view tekst) {
  wy_.pisz_znaki(puste_ + 1, '\n');
  puste_ = 0;
  pisz(tekst, false);
}

void Swob_Pars::zamknij_klucz() {
  if (!klucz_) return;
  wy_.pisz("</wartosc>\n</element>\n");
  klucz_ = false;
}

}  // namespace ostrew
