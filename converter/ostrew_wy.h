// The converter's output file: whole lines put straight into one large
// buffer, with one check of its room per line, and written out in blocks;
// every write and the close checked.
#pragma once

#include <cstddef>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "wspolne/blad_pliku.h"

namespace ostrew {

// The text in the middle of a line. Its bytes are ISO 8859-1 and the file is
// UTF-8: each byte above 127 goes out as its two-byte encoding.
struct Tekst_Wy {
  std::string_view tekst;
  bool wysokie = true;          // false only when no byte is above 127
  bool czytelny_dalej = false;  // Ostrew_Wy::krok bytes after the end may be read
};

class Ostrew_Wy {
public:
  // Half a megabyte: fewer and larger writes cost the file system less
  // time than the same bytes in smaller ones.
  static constexpr std::size_t domyslny_bufor = std::size_t{1} << 19;
  // Texts copied in strides of krok bytes; the longest text that goes the
  // short way, and the longest literal parts of one line.
  static constexpr std::size_t krok = 32;
  static constexpr std::size_t krotki_tekst = 100;
  static constexpr std::size_t najdluzsze_ramy = 64;

  // The buffer is written out when it holds rozmiar_bufora bytes or more.
  explicit Ostrew_Wy(std::size_t rozmiar_bufora = domyslny_bufor);
  Ostrew_Wy(const Ostrew_Wy&) = delete;
  Ostrew_Wy& operator=(const Ostrew_Wy&) = delete;

  // Creates the file, replacing an existing one; throws Blad_Pliku.
  void otworz_plik_wy(const std::string& nazwa);

  // Writes one whole line, a string literal of ASCII characters. A failed
  // write throws Blad_Pliku and closes the file.
  template <std::size_t N>
  void pisz_plik_wy(const char (&wiersz)[N]) {
    static_assert(N - 1 <= najdluzsze_ramy, "a short literal line");
    char* d = miejsce();
    d = kopiuj(d, wiersz);
    *d++ = '\n';
    uzyte_ = static_cast<std::size_t>(d - bufor_.get());
  }

  // Writes one whole line: the literal przed, the text, the literal po.
  template <std::size_t N, std::size_t M>
  void pisz_plik_wy(const char (&przed)[N], Tekst_Wy x, const char (&po)[M]) {
    static_assert(N - 1 + M - 1 <= najdluzsze_ramy, "short literal parts");
    if (x.tekst.size() > krotki_tekst || !x.czytelny_dalej) {
      pisz_dlugi({przed, N - 1}, x.tekst, {po, M - 1});
      return;
    }
    char* d = miejsce();
    d = kopiuj(d, przed);
    d = x.wysokie ? koduj(d, x.tekst) : kopiuj_krokami(d, x.tekst);
    d = kopiuj(d, po);
    *d++ = '\n';
    uzyte_ = static_cast<std::size_t>(d - bufor_.get());
  }

  // Writes out what is buffered and closes; does nothing when the file is not
  // open. Throws Blad_Pliku when either step fails.
  void zamknij_plik_wy();
  bool otwarty() const { return plik_.otwarty(); }

private:
  // Room enough for the longest short line, and the krok bytes that a
  // stride may write after it.
  static constexpr std::size_t najdluzszy_wiersz = najdluzsze_ramy + 2 * krotki_tekst + 1 + krok;

  // Where the next line goes: the buffer is written out first when full.
  char* miejsce() {
    if (uzyte_ >= rozmiar_) oproznij();
    return bufor_.get() + uzyte_;
  }
  template <std::size_t N>
  static char* kopiuj(char* d, const char (&s)[N]) {
    std::memcpy(d, s, N - 1);
    return d + N - 1;
  }
  // Whole strides: up to krok - 1 bytes after the text are read and written.
  static char* kopiuj_krokami(char* d, std::string_view t) {
    std::memcpy(d, t.data(), krok);
    for (std::size_t i = krok; i < t.size(); i += krok) std::memcpy(d + i, t.data() + i, krok);
    return d + t.size();
  }
  // Each byte is written as two, the second kept only for a byte above 127:
  // where such bytes fall in a text cannot be foreseen, so no branch asks.
  static char* koduj(char* d, std::string_view t) {
    for (char z : t) {
      const unsigned c = static_cast<unsigned char>(z);
      const unsigned dwa = c >> 7;  // 1 for a byte above 127
      const unsigned maska = 0u - dwa;
      d[0] = static_cast<char>((c & ~maska) | ((0xC0 | (c >> 6)) & maska));
      d[1] = static_cast<char>(0x80 | (c & 0x3F));
      d += 1 + dwa;
    }
    return d;
  }
  void pisz_dlugi(std::string_view przed, std::string_view x, std::string_view po);
  void oproznij();

  wspolne::Deskryptor plik_;
  std::string nazwa_;
  std::size_t rozmiar_;
  std::unique_ptr<char[]> bufor_;
  std::size_t uzyte_ = 0;
};

}  // namespace ostrew
