// What the parser of the grammar notation recognises, told to its caller in
// the order it reads it: the generator writes Ada from it as it comes, the
// analyser builds its model. Unless said otherwise, a call comes before the
// token after what it reports is read, so that everything before a later
// error has been told.
#pragma once

#include "gramatyka/bryzas_skan.h"

namespace bryzas {

// The parts of the header, in their fixed order, each told when it ends
// (also when it is empty).
enum class Czesc_Naglowka {
  with_use,     // ++with_use
  deklaracje,   // ++pak_dekl and the insert without a keyword
  init_dekl,    // ++init_dekl
};

class Odbiorca {
public:
  virtual ~Odbiorca() = default;

  // The file is in the extended notation: it began with ++rozszerzona.
  virtual void rozszerzona() = 0;
  // A header section: its keyword and its insert; the insert without a
  // keyword comes as its own keyword (KODSYM). In the extended notation
  // ++koniec comes with its terminal, ++bez_odtwarzania with nothing (Kod
  // PUSTY).
  virtual void naglowek(const Token_Typ& slowo, const Token_Typ& wstawka) = 0;
  virtual void koniec_czesci(Czesc_Naglowka czesc) = 0;

  // A production: its left side, the insert after it (its declarations),
  // then, once the token after them has been read, the start of its body,
  // the insert after "=", its right side, and its end at ".".
  virtual void lewa_strona(const Token_Typ& nazwa) = 0;
  // In the extended notation, the left side's formal parameters, when it
  // has them, right after it.
  virtual void parametry(const Token_Typ& parametry) = 0;
  virtual void deklaracje(const Token_Typ& wstawka) = 0;
  virtual void cialo() = 0;
  virtual void wstawka_poczatkowa(const Token_Typ& wstawka) = 0;
  virtual void koniec_produkcji() = 0;
  // After the first production, once the token after it has been read.
  virtual void po_pierwszej_produkcji() = 0;

  // A name with its actual parameters and its insert (each Kod PUSTY when
  // absent), told once the token after them has been read.
  virtual void symbol(const Token_Typ& nazwa, const Token_Typ& parametry, const Token_Typ& wstawka) = 0;
  // A group: its opening bracket, each "|", its closing bracket, and the
  // insert after it. In the extended notation groups nest, and a "|" with
  // no group open divides the alternatives of a whole right side.
  virtual void grupa(const Token_Typ& nawias) = 0;
  virtual void galaz() = 0;
  virtual void koniec_grupy(const Token_Typ& nawias) = 0;
  virtual void wstawka_po_grupie(const Token_Typ& wstawka) = 0;

  // After the last production, once the token after it has been read; then
  // either the FIRST section's lines or brak_sekcji_first, and koniec_first
  // before the end of the file is checked.
  virtual void po_produkcjach() = 0;
  virtual void brak_sekcji_first() = 0;
  virtual void linia_first(const Token_Typ& nieterminal) = 0;
  virtual void terminal_first(const Token_Typ& terminal) = 0;
  // The line's terminals are over; its "." is checked next.
  virtual void koniec_terminali_first() = 0;
  virtual void koniec_first() = 0;
};

}  // namespace bryzas
