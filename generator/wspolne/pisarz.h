// The line writer of generated text: every line reaches its file whole and
// starts with the current indentation, so no emitter counts blanks itself.
#pragma once

#include <algorithm>
#include <functional>
#include <string>
#include <string_view>
#include <utility>

#include "wspolne/plik_wy.h"

namespace bryzas {

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
      w_linii_ = true;
    }
    plik_.pisz(kawalek);
  }

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
  }

private:
  friend class Wciecie;
  wspolne::Plik_Wy& plik_;
  int wciecie_ = 0;
  bool w_linii_ = false;
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

// The same, only when no file of that name opens for reading: the main
// procedure and the project file, so that a user's edited version survives
// later runs.
void pisz_plik_gdy_brak(const std::string& nazwa, const std::function<void(Pisarz&)>& tresc);

}  // namespace bryzas
