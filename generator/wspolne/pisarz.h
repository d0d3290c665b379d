// The line writer of generated text: every line reaches its file whole and
// starts with the current indentation, so no emitter counts blanks itself.
#pragma once

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "gramatyka/pozycja.h"
#include "wspolne/plik_wy.h"

namespace bryzas {

// Where the text of a generated file came from in the grammar: pieces of
// its lines, each the grammar's text from a place on, so that a compiler's
// message about the file can be told at the grammar's line and column.
class Mapa_Zrodel {
public:
  // Columns od to do (1-based, do excluded) of the file's line linia hold
  // the grammar's text from zrodlo on.
  void dodaj(int linia, int od, int do_, Pozycja zrodlo) { odcinki_.push_back({linia, od, do_, zrodlo}); }
  // The grammar's place of the file's line and column (in bytes), or none
  // when the text there is generated.
  std::optional<Pozycja> znajdz(int linia, int kol) const;

private:
  struct Odcinek {
    int linia;
    int od;
    int do_;
    Pozycja zrodlo;
  };
  std::vector<Odcinek> odcinki_;  // in the order written, so by line
};

class Pisarz {
public:
  explicit Pisarz(wspolne::Plik_Wy& plik) : plik_(plik) {}
  Pisarz(const Pisarz&) = delete;
  Pisarz& operator=(const Pisarz&) = delete;

  // One whole line made of the pieces written one after another, after the
  // indentation. With no pieces an empty line, which carries no indentation.
  template <class... Kawalki>
  void linia(const Kawalki&... kawalki) {
    (dopisz(kawalki), ...);
    koniec_linii();
  }

  // Appends to the line being built; its first piece brings the indentation.
  void dopisz(std::string_view kawalek) {
    if (!w_linii_) {
      plik_.pisz_znaki(static_cast<std::size_t>(wciecie_), ' ');
      kolumna_ = wciecie_;
      w_linii_ = true;
    }
    plik_.pisz(kawalek);
    kolumna_ += static_cast<int>(kawalek.size());
  }

  // The same for a piece of the grammar's text that begins at zrodlo: the
  // map, when there is one, learns where it stands.
  void dopisz(std::string_view kawalek, Pozycja zrodlo) {
    if (!w_linii_) dopisz("");
    if (mapa_ && !kawalek.empty()) mapa_->dodaj(linia_, kolumna_ + 1, kolumna_ + 1 + static_cast<int>(kawalek.size()), zrodlo);
    dopisz(kawalek);
  }

  // The pieces of the grammar's text written from now on are entered in m.
  void mapuj(Mapa_Zrodel& m) { mapa_ = &m; }

  // A fixed text, line by line, each at the current indentation and its
  // own blanks after it. Written as a raw string, the text starts with a
  // line end, which is dropped; an empty line carries no indentation.
  void blok(std::string_view tekst) {
    if (tekst.starts_with('\n')) tekst.remove_prefix(1);
    while (!tekst.empty()) {
      const std::size_t koniec = std::min(tekst.find('\n'), tekst.size());
      if (koniec > 0) dopisz(tekst.substr(0, koniec));
      koniec_linii();
      tekst.remove_prefix(std::min(koniec + 1, tekst.size()));
    }
  }

  void koniec_linii() {
    plik_.nowa_linia();
    w_linii_ = false;
    ++linia_;
  }

private:
  friend class Wciecie;
  wspolne::Plik_Wy& plik_;
  int wciecie_ = 0;
  bool w_linii_ = false;
  int linia_ = 1;    // of the line being built, from 1
  int kolumna_ = 0;  // bytes of it written
  Mapa_Zrodel* mapa_ = nullptr;
};

// Lines started while it lives are indented by `kolumny` more blanks. It may
// be handed on: an emitter that opens a construct returns the indentation of
// its inside to the recogniser that closes it.
class Wciecie {
public:
  Wciecie(Pisarz& w, int kolumny) : w_(&w), kolumny_(kolumny) { w_->wciecie_ += kolumny_; }
  Wciecie(Wciecie&& inne) noexcept : w_(inne.w_), kolumny_(std::exchange(inne.kolumny_, 0)) {}
  Wciecie& operator=(Wciecie&&) = delete;
  ~Wciecie() { w_->wciecie_ -= kolumny_; }

private:
  Pisarz* w_;
  int kolumny_;
};

// One level of nesting in the generated Ada text.
constexpr int krok_wciecia = 2;

// A table as a positional aggregate, w_linii values to a line, one step
// deeper than the line before it; `koniec` closes its last line.
void agregat(Pisarz& w, const std::vector<std::string>& wartosci, std::string_view koniec, std::size_t w_linii = 16);

// Creates the file, writes it through a line writer and closes it.
template <class Tresc>
void pisz_plik(const std::string& nazwa, Tresc tresc) {
  wspolne::Plik_Wy plik;
  plik.utworz(nazwa);
  {
    Pisarz w(plik);
    tresc(w);
  }
  plik.zamknij();
}

// Whether no file of that name opens for reading (a directory or a device
// there counts as a file); one that exists but cannot be opened throws
// Blad_Pliku.
bool brak_pliku(const std::string& nazwa);

// The same as pisz_plik, only when brak_pliku: the main procedure and the
// project file, so that a user's edited version survives later runs.
void pisz_plik_gdy_brak(const std::string& nazwa, const std::function<void(Pisarz&)>& tresc);

}  // namespace bryzas
