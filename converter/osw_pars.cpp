#include "converter/osw_pars.h"

#include <ostream>
#include <string>

#include "wspolne/tekst.h"

namespace ostrew {

Osw_Pars::Osw_Pars(Osw_Skan& skan, Ostrew_Wy& wy, std::ostream& konsola)
    : skan_(skan), wy_(wy), konsola_(konsola) {}

void Osw_Pars::blad(int nr) {
  nr_bledu_pars_ = nr;
  throw Blad_Parsera{nr};
}

void Osw_Pars::sprawdz_nastepny(Token_Kod kod, int nr_bledu) {
  sprawdz(kod, nr_bledu);
  nastepny();
}

void Osw_Pars::init_zbiory() {
  Zeruj(first_plik);
  Zeruj(first_sekcja);
  Zeruj(first_element);
  Zeruj(first_wartosc);
  first_plik = first_plik + Token_Kod::LEWYNAWIASKW;
  first_sekcja = first_sekcja + Token_Kod::LEWYNAWIASKW;
  first_element = first_element + Token_Kod::NAZWA;
  first_wartosc = first_wartosc + Token_Kod::NAPIS + Token_Kod::LICZBA + Token_Kod::NAZWA;
}

bool Osw_Pars::Parsuj(const std::string& plik_we, const std::string& plik_wy) {
  init_zbiory();
  konsola_ << "** Poczatek\n";
  try {
    // The input is opened first, so a missing input leaves the output alone.
    skan_.otworz_plik_we(plik_we);
    wy_.otworz_plik_wy(plik_wy);
    wy_.pisz_plik_wy("<?xml version=\"1.0\"?>");
    nastepny();
    plik();
    // Anything after the last section would otherwise be dropped unread.
    sprawdz(Token_Kod::KONIECPL, bledy_parsera::nadmiarowe_dane);
    wy_.zamknij_plik_wy();
    skan_.zamknij_plik_we();
    konsola_ << "** Koniec\n";
    return false;
  } catch (const Blad_Skanera& b) {
    konsola_ << "Blad skanera:" << wspolne::obraz(b.nr) << " l:" << wspolne::obraz(skan_.nr_linii()) << '\n';
  } catch (const Blad_Parsera& b) {
    konsola_ << "Blad parsera:" << wspolne::obraz(b.nr) << " l:" << wspolne::obraz(skan_.nr_linii()) << '\n';
  }
  return true;
}

// plik = sekcja { sekcja }
void Osw_Pars::plik() {
  wy_.pisz_plik_wy("<plik_ini>");
  sekcja();
  while (Zawiera_Sie(tok.Kod, first_sekcja)) sekcja();
  wy_.pisz_plik_wy("</plik_ini>");
}

// sekcja = "[" NAZWA "]" element { element }
void Osw_Pars::sekcja() {
  sprawdz_nastepny(Token_Kod::LEWYNAWIASKW, bledy_parsera::brak_lnawiasu);
  sprawdz(Token_Kod::NAZWA, bledy_parsera::brak_nazwy_sekcji);
  wy_.pisz_plik_wy("<sekcja nazwa=\"", X(), "\" >");
  nastepny();
  sprawdz_nastepny(Token_Kod::PRAWYNAWIASKW, bledy_parsera::brak_pnawiasu);
  element();
  while (Zawiera_Sie(tok.Kod, first_element)) element();
  wy_.pisz_plik_wy("</sekcja>");
}

// element = NAZWA "=" wartosc { "," wartosc }
void Osw_Pars::element() {
  sprawdz(Token_Kod::NAZWA, bledy_parsera::brak_klucza);
  wy_.pisz_plik_wy("<element nazwa=\"", X(), "\">");
  nastepny();
  sprawdz_nastepny(Token_Kod::ROWNE, bledy_parsera::brak_rowne);
  wartosc();
  while (tok.Kod == Token_Kod::PRZECINEK) {
    nastepny();
    wartosc();
  }
  wy_.pisz_plik_wy("</element>");
}

// wartosc = NAPIS | LICZBA | NAZWA
void Osw_Pars::wartosc() {
  switch (tok.Kod) {
    case Token_Kod::NAPIS:
    case Token_Kod::LICZBA:
    case Token_Kod::NAZWA:
      wy_.pisz_plik_wy("<wartosc>", X(), "</wartosc>");
      nastepny();
      break;
    default:
      blad(bledy_parsera::brak_wartosci);
  }
}

}  // namespace ostrew
