#include "gramatyka/nazwy_projektu.h"

#include <algorithm>
#include <array>

#include "wspolne/tekst.h"

namespace bryzas {

namespace {

constexpr std::string_view znaki_zabronione = "-+=[]{}.,/\\|<>!@#$%^&*()~`';:?";

// Ada 2012's reserved words.
constexpr std::array<std::string_view, 73> zastrzezone_ady = {
    "abort", "abs", "abstract", "accept", "access", "aliased", "all", "and", "array", "at",
    "begin", "body", "case", "constant", "declare", "delay", "delta", "digits", "do", "else",
    "elsif", "end", "entry", "exception", "exit", "for", "function", "generic", "goto", "if",
    "in", "interface", "is", "limited", "loop", "mod", "new", "not", "null", "of",
    "or", "others", "out", "overriding", "package", "pragma", "private", "procedure", "protected", "raise",
    "range", "record", "rem", "renames", "requeue", "return", "reverse", "select", "separate", "some",
    "subtype", "synchronized", "tagged", "task", "terminate", "then", "type", "until", "use", "when",
    "while", "with", "xor"};

// The types, exceptions and packages of Standard: a token kind of that name
// hides them where the generated code uses them, or makes a use of its own
// name ambiguous.
constexpr std::array<std::string_view, 26> nazwy_standardu = {
    "Boolean", "Integer", "Natural", "Positive", "Short_Short_Integer", "Short_Integer",
    "Long_Integer", "Long_Long_Integer", "Float", "Short_Float", "Long_Float", "Long_Long_Float",
    "Character", "Wide_Character", "Wide_Wide_Character", "String", "Wide_String",
    "Wide_Wide_String", "Duration", "Constraint_Error", "Program_Error", "Storage_Error",
    "Tasking_Error", "Numeric_Error", "ASCII", "Standard"};

bool litera_ascii(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

Nazwa_Projektu sprawdz_nazwe_projektu(const std::string& argument) {
  if (argument.find_first_of(znaki_zabronione) != std::string::npos)
    return {{}, "Bledna postac nazwy projektu (sprawdz uzyte znaki) !!"};
  Nazwa_Projektu n{std::string(wspolne::usun_spacje(argument)), {}};
  if (n.nazwa.size() > max_dl_nazwy_proj) n.odrzucenie = "Za dluga nazwa projektu (max 249 znakow) !!";
  return n;
}

bool identyfikator_ady(std::string_view nazwa) {
  if (nazwa.empty() || !litera_ascii(nazwa.front()) || nazwa.back() == '_') return false;
  for (std::size_t i = 0; i < nazwa.size(); ++i) {
    const char c = nazwa[i];
    if (c == '_' ? nazwa[i - 1] == '_' : !litera_ascii(c) && !wspolne::cyfra(c)) return false;
  }
  // The project files reserve two words more.
  return !slowo_zastrzezone_ady(nazwa) && !wspolne::rowne_bez_wielkosci(nazwa, "project") &&
         !wspolne::rowne_bez_wielkosci(nazwa, "extends");
}

bool nazwa_standardu_ady(std::string_view nazwa) {
  return std::any_of(nazwy_standardu.begin(), nazwy_standardu.end(),
                     [&](std::string_view s) { return wspolne::rowne_bez_wielkosci(s, nazwa); });
}

bool slowo_zastrzezone_ady(std::string_view nazwa) {
  return std::any_of(zastrzezone_ady.begin(), zastrzezone_ady.end(),
                     [&](std::string_view s) { return wspolne::rowne_bez_wielkosci(s, nazwa); });
}

Nazwy_Projektu::Nazwy_Projektu(const std::string& p)
    : nazwa_proj(p),
      plik_we(p + ".gpa"),
      plik_tok(p + ".tok"),
      plik_lst(p + ".lst"),
      plik_tok_lst(p + "_tok.lst"),
      plik_log(p + ".log"),
      plik_html(p + ".html"),
      nazwa_pars(p + "_Pars"),
      plik_wys(p + "_pars.ads"),
      plik_wyb(p + "_pars.adb"),
      nazwa_zbiory(p + "_zbiory"),
      nazwa_skan(p + "_Skan"),
      plik_wyskans(p + "_skan_t.ads"),
      plik_skan(p + "_skan.adb"),
      nazwa_bledy(p + "_Bledy"),
      plik_bledy(p + "_bledy"),
      nazwa_pozycji(p + "_Pozycja"),
      plik_pozycji(wspolne::male_litery(p + "_pozycja.ads")),
      plik_main(p + ".adb"),
      plik_gpr(p + ".gpr") {}

}  // namespace bryzas
