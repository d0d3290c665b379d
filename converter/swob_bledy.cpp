#include "converter/swob_bledy.h"

#include <string_view>

namespace ostrew {

namespace {

struct Tekst_Bledu {
  int nr;
  std::string_view tekst;
};

// Every error of the dialect, its words where "{}" stands.
constexpr Tekst_Bledu teksty[] = {
    {bledy_swobodne::klucz_poza_sekcja, "klucz poza sekcja"},
    {bledy_swobodne::brak_separatora, "brak = lub : po kluczu"},
    {bledy_swobodne::brak_nawiasu, "brak ] po nazwie sekcji"},
    {bledy_swobodne::pusta_nazwa_sekcji, "pusta nazwa sekcji"},
    {bledy_swobodne::pusty_klucz, "pusty klucz przed {}"},
    {bledy_swobodne::powtorzona_sekcja, "powtorzona sekcja [{}], pierwsza w linii {}"},
    {bledy_swobodne::powtorzony_klucz, "powtorzony klucz {} w sekcji [{}], pierwszy w linii {}"},
    {bledy_swobodne::zly_utf8, "niepoprawny UTF-8 od bajtu {}"},
    {bledy_swobodne::znak_poza_xml, "znak {} niedozwolony w XML"},
};

}  // namespace

std::string opis(const Blad_Swobodny& b, const std::string& plik) {
  std::string_view tekst = "nieznany blad";
  for (const Tekst_Bledu& t : teksty)
    if (t.nr == b.nr) tekst = t.tekst;
  std::string wynik = plik + ":" + std::to_string(b.linia) + ":" + std::to_string(b.kolumna) + ": ";
  std::size_t slowo = 0;
  for (std::size_t i = 0; i < tekst.size(); ++i) {
    if (tekst.substr(i, 2) == "{}" && slowo < b.slowa.size()) {
      wynik += b.slowa[slowo++];
      ++i;
    } else {
      wynik += tekst[i];
    }
  }
  return wynik;
}

}  // namespace ostrew
