// The scanner written from a token file, for either notation: the body of
// P_Skan (P_skan.adb, a table-driven automaton over the input's bytes), the
// position package p_pozycja.ads and the listing P_tok.lst. It writes from
// what the token file's reading built (its description and the automaton
// of the grammar's terminals) and from what the road decided of the
// scanner; it reads nothing.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "generator/wspolne/bryzas_pak.h"
#include "gramatyka/plik_tokenow.h"

namespace bryzas {

class Pisarz;

// The first line of every scanner written from a token file; a P_skan.adb
// that does not begin with it is the user's and is never replaced.
inline constexpr std::string_view znacznik_skanera = "-- wygenerowano przez bryzas z pliku tokenow ";

// Whether the scanner body P_skan.adb is bryzas's to write: absent, or
// written by it before.
bool skaner_do_napisania(const std::string& plik_skan);

// The console line that tells that the user's P_skan.adb stays.
std::string skaner_uzytkownika(const Bryzas_Pak& pak);

// The errors a generated scanner raises (Nr_Bledu_Skan): P_skan.adb declares
// each number as a constant of the given name and raises it by that name,
// P_Bledy.Opis_Skanera tells it in words.
struct Blad_Skanera_Ady {
  int nr;
  std::string_view stala;
  std::string_view tekst;
};
inline constexpr Blad_Skanera_Ady zly_znak_ady{1, "Zly_Znak_We", "nieoczekiwany znak"};
inline constexpr Blad_Skanera_Ady za_dlugi_token_ady{2, "Za_Dlugi_Token_We", "token dluzszy niz 100 znakow"};
inline constexpr Blad_Skanera_Ady komentarz_bez_konca_ady{3, "Komentarz_Bez_Konca_We", "komentarz bez konca"};
inline constexpr Blad_Skanera_Ady bledy_skanera_ady[] = {zly_znak_ady, za_dlugi_token_ady, komentarz_bez_konca_ady};
// The extended notation's scanner also names a token begun and not finished.
inline constexpr Blad_Skanera_Ady niedokonczony_ady{4, "Niedokonczony_We", "niedokonczony"};

// What the road decided of the scanner it has a token file for.
struct Plan_Skanera {
  const Plik_Tokenow& tokeny;  // read and built without an error
  // P_skan.adb is bryzas's to write; a scanner of the user's stays.
  bool pisz_cialo = true;
  // The extended notation: a token has any length and Tekst gives its
  // whole text.
  bool rozszerzona = false;
  // The token is built in place, in P_Skan.Biezacy, where the parser reads it.
  bool token_w_miejscu = false;
  // ... and its text copied into Wart, which the grammar's inserts read.
  bool wart_czytany = true;
  // A lexical error is reported through P_Bledy and the scan goes on.
  bool odtwarzanie = false;
  // The end token is a kind of P_Skan; otherwise the end of the input is Pusty.
  bool koniec_jest_tokenem = false;
};

class Skaner {
public:
  Skaner(const Bryzas_Pak& pak, const Plan_Skanera& plan);

  // P_tok.lst with "Bez bledu", P_skan.adb (unless the user's stays),
  // p_pozycja.ads, where pak puts files.
  void pisz();

private:
  void pisz_pozycje(Pisarz& w);
  void pisz_skaner(Pisarz& w);
  void tablice(Pisarz& w);
  void przejscia(Pisarz& w);
  void wejscie(Pisarz& w);
  void komentarze(Pisarz& w);
  void do_konca_linii(Pisarz& w);
  void pomin_komentarz(Pisarz& w);
  void skanuj(Pisarz& w);
  // What Skanuj's text depends on.
  struct Cechy {
    bool lf_w_tokenie = false;    // a token can hold a line feed
    bool miejsce_wprost = false;  // the line counted in P_Pozycja itself
    bool bez_granicy = false;     // a token has any length
    bool w_miejscu = false;       // built in Biezacy
    bool wart = true;             // its text copied into Wart
    bool odtwarzanie = false;     // lexical errors reported, the scan goes on
    bool scalony = false;         // ... by the scan itself, without Skanuj_Token
    std::string_view rdzen;       // the subprogram that scans
    std::string_view powrot;      // how it returns the token
  };
  Cechy cechy() const;
  void zmienne_wejscia(Pisarz& w, const Cechy& c);
  void dolej(Pisarz& w, const Cechy& c);
  void blok_pliku(Pisarz& w, const Cechy& c);
  void token_ostatni(Pisarz& w, const Cechy& c);
  void pomijanie(Pisarz& w);
  void miejsce_tokenu(Pisarz& w, std::string_view od, const Cechy& c);
  void koniec_wejscia(Pisarz& w, const Cechy& c);
  void token_konca(Pisarz& w, const Cechy& c);
  void automat_tablicami(Pisarz& w, const Cechy& c);
  void brak_dopasowania(Pisarz& w, const Cechy& c);
  void dopasowanie(Pisarz& w, const Cechy& c);
  void skanuj_z_zewnatrz(Pisarz& w, const Cechy& c);
  // The automaton as code (skaner_kod.cpp).
  std::vector<int> zastepcy() const;
  int ruch(int stan, unsigned znak) const;
  std::vector<int> niedokonczone() const;
  bool bez_wyjscia(int stan) const;
  std::vector<bool> petla(int stan) const;
  std::vector<std::string> wyjscia_biegu(int stan) const;
  void tablice_petli(Pisarz& w);
  std::string token_wprost(int stan, const Cechy& c) const;
  bool wydaje_wprost(const std::vector<int>& stany, const Cechy& c) const;
  void ruch_kodem(Pisarz& w, int z, int cel, const Cechy& c);
  void stop_kodem(Pisarz& w, int z);
  void petla_kodem(Pisarz& w, const std::vector<std::string>& wyjscia, bool z_c);
  void pomijane_kodem(Pisarz& w);
  void spacja_kodem(Pisarz& w);
  void stan_kodem(Pisarz& w, int stan, const Cechy& c);
  bool czyta_c(const std::vector<int>& stany) const;
  void automat_kodem(Pisarz& w, const Cechy& c);
  void bufor_ulozony(Pisarz& w);
  void dalej_kodem(Pisarz& w, const Cechy& c);
  bool miejsce_komentarza(const Cechy& c) const;
  void skanuj_kodem(Pisarz& w, const Cechy& c);
  // Whether the file declares a comment to the end of the line (or one
  // between delimiters).
  bool jest_komentarz(bool liniowy) const;
  bool zawsze_pomijany(unsigned znak) const;

  const Bryzas_Pak& pak_;
  const Plan_Skanera& plan_;
  const Opis_Tokenow& opis_;
  const Skaner_Tokenow& skaner_;  // of the terminals the grammar uses
  // For each state of the automaton the one that stands for it in the
  // code (the extended notation's; empty in today's).
  std::vector<int> zastepca_;
};

// The token file's lines numbered, then "Bez bledu", or those up to the
// error's line, a marker under its column and the error.
void pisz_liste_tokenow(const std::string& plik_lst, const Plik_Tokenow& tokeny);

}  // namespace bryzas
