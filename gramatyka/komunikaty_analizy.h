// Every message of the analysis of a grammar and its token file (errors,
// warnings, the notes under them, and the parser's notes that tell the rule
// a syntax error broke), each named here; the texts stand in one table
// beside it, in komunikaty_analizy.cpp, with numbered places {1}, {2}, ...
// for the arguments. A part is a phrase chosen to fill a place of another
// message. The notation's own errors stand in bledy.h.
#pragma once

#include <array>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

namespace bryzas_analiza {

enum class Rodzaj_Komunikatu {
  blad,
  ostrzezenie,
  // An error that blames a choice of the parser: a warning once the search
  // for sentences shows the choice harmless.
  blad_wyboru,
  // A warning in today's notation, an error in the extended one.
  ostrzezenie_lub_blad,
  uwaga,
  czesc,
};

enum class Komunikat_Analizy {
  // Reading the grammar.
  za_duzo_produkcji,
  zbedne_init_instr_po,
  // The parser's notes on the rule a syntax error broke.
  naglowek_za_produkcjami,
  wstawka_bez_slowa_raz,
  sekcja_raz,
  kolejnosc_naglowka,
  kolejnosc_naglowka_rozszerzonej,
  wstawka_w_naglowku,
  kreska_w_opcji,
  grupa_w_grupie,
  parametry_terminala,
  // Productions.
  terminal_ponad_limit,
  nieterminal_ponad_limit,
  bez_produkcji,
  nieosiagalny,
  nieproduktywny,
  rekursja_lewostronna,
  uzycie_bez_parametrow,
  uzycie_z_parametrami,
  parametry_startowego,
  // The end of the input after the start symbol.
  koniec_token_w_pliku,
  koniec_token_w_gramatyce,
  koniec_zakoncz_tokenem,
  koniec_nazwij_i_zakoncz,
  koniec_zakoncz_ostatnim,
  // Names that Ada cannot carry.
  nazwa_od_podkreslenia,
  nazwa_na_podkreslenie,
  nazwa_dwa_podkreslenia,
  slowo_zastrzezone,
  nazwa_wygenerowana,
  nazwa_standardu,
  wielkosc_liter,
  // Inserts over several lines.
  wstawka_komentarz,
  wstawka_sklejenie,
  // The parser's choices and the FIRST section.
  pusty_na_poczatku_galezi,
  pusty_na_poczatku_grupy,
  galaz_nie_wybrana,
  grupa_nie_wybrana,
  konflikt_opcji,
  konflikt_powtorzenia,
  konflikt_galezi,
  skutek_zbednych,
  first_bez_produkcji,
  brak_linii_first_grupy,
  brak_linii_first,
  first_nie_zawiera,
  first_nie_zawiera_nieuzywany,
  first_zbedne,
  tokeny_i_koniec,
  koniec_wejscia,
  // What the parser does at a choice that is harmless.
  robi_nie_wybiera_galezi,
  robi_nie_wchodzi_w_grupe,
  robi_wybiera_opcje,
  robi_powtarza_petle,
  robi_wybiera_galaz,
  robi_bez_brakujacych,
  // The proofs under the errors of a choice.
  zdanie_odrzucone_na,
  zdanie_odrzucone_na_koncu,
  zdanie_przed_koncem,
  zdanie_przez_bez_produkcji,
  zdanie_przez_nieproduktywny,
  zdanie_przez_rekursje,
  zdania_nie_pokazano,
  wybor_nieszkodliwy,
  wybor_nieszkodliwy_omija,
  przeszukiwanie_przerwane,
  puste_zdanie,
  wyliczenie_lub,
  wyliczenie_i,
  wyliczenie_lub_inne,
  wyliczenie_i_inne,
  // The token file.
  token_nieuzywany,
  koniec_nieuzywany,
  token_pusty,
  token_bez_definicji,
  ten_sam_tekst,
  slowo_nie_nazwa,
};

struct Wzor_Komunikatu {
  Komunikat_Analizy nazwa;
  Rodzaj_Komunikatu rodzaj;
  std::string_view tekst;
  // What each place stands for, as the README's table writes it: {1} is
  // the first; unused ones are empty.
  std::array<std::string_view, 3> argumenty;
};

// The whole table, in the order of the names.
std::span<const Wzor_Komunikatu> wzory_komunikatow();
const Wzor_Komunikatu& wzor_komunikatu(Komunikat_Analizy k);

// The text with each place {n} replaced by argumenty[n - 1]; the arguments
// are not read again for places. A place past the arguments is a fault of
// the caller (std::logic_error).
std::string wypelnij(std::string_view tekst, std::span<const std::string_view> argumenty);

// Message k with its arguments, as many as its table entry names.
std::string tresc(Komunikat_Analizy k, std::initializer_list<std::string_view> argumenty = {});

}  // namespace bryzas_analiza
