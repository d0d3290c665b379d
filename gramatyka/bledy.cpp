#include "gramatyka/bledy.h"

#include <algorithm>
#include <span>

namespace bryzas {

namespace {

struct Tekst_Bledu {
  int nr;
  std::string_view tekst;
};

constexpr Tekst_Bledu teksty_skanera[] = {
    {bledy_skanera::koniec_pliku, "Nieoczekiwany koniec pliku"},
    {bledy_skanera::brak_minusa, "Brak '-' w znaku komentarza"},
    {bledy_skanera::znak_nieterminala, "Niedozwolony znak w symbolu nieterminalnym"},
    {bledy_skanera::znak_terminala, "Niedozwolony znak w symbolu terminalnym"},
    {bledy_skanera::slowo_sekcji, "Blad przedrostka kodu"},
    {bledy_skanera::brak_procentu, "Brak '%' w znaczniku sekcji '%%'"},
    {bledy_skanera::niedozwolony_znak, "Niedozwolony znak"},
    {bledy_skanera::brak_dolara, "Brak '$' po '#'"},
    {bledy_skanera::za_dlugi_tekst, "Za dluga nazwa lub wstawka (max 100 znakow)"},
    {bledy_skanera::brak_dolara_parametrow, "Brak '$' po '<'"},
    {bledy_skanera::wstawka_bez_konca, "Wstawka bez zamykajacego '$#'"},
    {bledy_skanera::parametry_bez_konca, "Parametry bez zamykajacego '$>'"},
};

constexpr std::string_view brak_wstawki = "Spodziewany kod wstawki pomiedzy '#$' i '$#'";

constexpr Tekst_Bledu teksty_parsera[] = {
    {bledy::powtorzona_lewa_strona, "Powtorzenie lewej strony produkcji"},
    {bledy::nadmiarowe_dane, "Nadmiarowe dane w pliku wejsciowym"},
    {bledy::brak_lewej_strony, "Bledna (brak) lewa strona produkcji"},
    {bledy::brak_rowna, "Spodziewany znak '='"},
    {bledy::brak_kropki_produkcji, "Spodziewana '.' konczaca produkcje"},
    {bledy::brak_wyrazenia, "Spodziewany symbol gramatyki albo '{', '[', '('"},
    {bledy::brak_lnawkl, "Spodziewany znak '{'"},
    {bledy::brak_pnawkl, "Spodziewany znak '}'"},
    {bledy::brak_lnawkw, "Spodziewany znak '['"},
    {bledy::brak_pnawkw, "Spodziewany znak ']'"},
    {bledy::brak_lnaw, "Spodziewany znak '('"},
    {bledy::brak_pnaw, "Spodziewany znak ')'"},
    {bledy::brak_nazwy, "Spodziewana nazwa symbolu gramatyki w \" lub '"},
    {bledy::brak_procent2, "Spodziewany znak '%%'"},
    {bledy::brak_nieterminala_first, "Spodziewany symbol nieterminalny w \""},
    {bledy::brak_dwukropka, "Spodziewany znak ':'"},
    {bledy::brak_terminala_first, "Spodziewany symbol terminalny w ' '"},
    {bledy::brak_kropki_first, "Spodziewany znak '.'"},
    {bledy::brak_wstawki_with_use, brak_wstawki},
    {bledy::brak_wstawki_pak_dekl, brak_wstawki},
    {bledy::brak_wstawki_init_dekl, brak_wstawki},
    {bledy::brak_wstawki_init_instr, brak_wstawki},
    {bledy::brak_wstawki_except_skan, brak_wstawki},
    {bledy::brak_wstawki_except_pars, brak_wstawki},
    {bledy::brak_kreski, "Spodziewany znak '|'"},
    {bledy::sekcja_nie_na_miejscu, "Sekcja naglowka nie na swoim miejscu"},
    {bledy::parametry_terminala, "Parametry '<$ $>' ma tylko symbol nieterminalny"},
};

constexpr Tekst_Bledu teksty_tokenow[] = {
    {bledy_tok::oczekiwano_definicji, "Oczekiwano definicji tokenu lub opcji"},
    {bledy_tok::brak_rowna, "Oczekiwano '='"},
    {bledy_tok::brak_kropki, "Oczekiwano '.' na koncu definicji"},
    {bledy_tok::brak_czynnika, "Oczekiwano napisu, kodu znaku, nazwy lub nawiasu"},
    {bledy_tok::brak_pnawkl, "Oczekiwano '}'"},
    {bledy_tok::brak_pnawkw, "Oczekiwano ']'"},
    {bledy_tok::brak_pnaw, "Oczekiwano ')'"},
    {bledy_tok::napis_bez_konca, "Napis bez zamykajacego '\"'"},
    {bledy_tok::pusty_napis, "Pusty napis"},
    {bledy_tok::zly_kod, "Kod znaku poza zakresem 0..255"},
    {bledy_tok::zakres_dlugi, "Konce zakresu musza byc pojedynczymi znakami"},
    {bledy_tok::zakres_odwrocony, "Poczatek zakresu za jego koncem"},
    {bledy_tok::nieznana_nazwa, "Nieznana nazwa"},
    {bledy_tok::powtorna_definicja, "Powtorna definicja"},
    {bledy_tok::nieznana_opcja, "Nieznana opcja"},
    {bledy_tok::zle_argumenty, "Bledne argumenty opcji"},
    {bledy_tok::za_duzy_automat, "Za duzy automat"},
    {bledy_tok::zly_znak, "Niedozwolony znak"},
    {bledy_tok::za_dluga_nazwa, "Za dluga nazwa (max 100 znakow)"},
};

std::string_view tekst(std::span<const Tekst_Bledu> teksty, int nr) {
  auto t = std::find_if(teksty.begin(), teksty.end(), [nr](const Tekst_Bledu& b) { return b.nr == nr; });
  return t == teksty.end() ? "Nieznany blad" : t->tekst;
}

}  // namespace

std::string_view komunikat_skanera(int nr) { return tekst(teksty_skanera, nr); }
std::string_view komunikat_parsera(int nr) { return tekst(teksty_parsera, nr); }
std::string_view komunikat_tokenow(int nr) { return tekst(teksty_tokenow, nr); }

}  // namespace bryzas
