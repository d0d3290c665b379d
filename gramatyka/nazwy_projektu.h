// The project name of the command line and every name it gives: which
// characters it may hold, how long it may be, the blanks around it, which
// never reach a file name; then the files bryzas reads and writes and the
// Ada units it writes, built here once (nothing else joins a suffix to P).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace bryzas {

// Longest project name that fits every name field (260 characters less the
// longest suffix, "_skan_t.ads"); counted in bytes.
constexpr std::size_t max_dl_nazwy_proj = 249;

struct Nazwa_Projektu {
  std::string nazwa;         // trimmed of blanks on both sides
  std::string_view odrzucenie;  // the rejection line, empty when accepted
};

// Checks the characters first, then trims, then checks the length.
Nazwa_Projektu sprawdz_nazwe_projektu(const std::string& argument);

// True when the name can name an Ada unit and a GNAT project: letters and
// digits of ASCII with single underscores between them, a letter first, no
// reserved word of Ada or of the project files.
bool identyfikator_ady(std::string_view nazwa);

// An Ada reserved word, in any letter case.
bool slowo_zastrzezone_ady(std::string_view nazwa);
// A type, exception or package of Standard, in any letter case.
bool nazwa_standardu_ady(std::string_view nazwa);

// Every name that a project name P gives.
struct Nazwy_Projektu {
  Nazwy_Projektu() = default;
  explicit Nazwy_Projektu(const std::string& p);

  std::string nazwa_proj;    // P, also the main procedure
  std::string plik_we;       // P.gpa
  std::string plik_tok;      // P.tok
  std::string plik_lst;      // P.lst
  std::string plik_tok_lst;  // P_tok.lst
  std::string plik_log;      // P.log
  std::string plik_html;     // P.html, the analyser's report
  // The Ada units and their files.
  std::string nazwa_pars;    // P_Pars
  std::string plik_wys;      // P_pars.ads
  std::string plik_wyb;      // P_pars.adb
  std::string nazwa_zbiory;  // P_zbiory, in P_zbiory.ads and P_zbiory.adb
  std::string nazwa_skan;    // P_Skan
  std::string plik_wyskans;  // P_skan_t.ads
  std::string plik_skan;     // P_skan.adb
  std::string nazwa_bledy;   // P_Bledy
  std::string plik_bledy;    // P_bledy, with .ads and .adb
  std::string nazwa_pozycji; // P_Pozycja
  // In lower case, as GNAT looks for it by default, so that a project file
  // written before the token file existed finds it too.
  std::string plik_pozycji;  // p_pozycja.ads
  std::string plik_main;     // P.adb
  std::string plik_gpr;      // P.gpr
};

}  // namespace bryzas
