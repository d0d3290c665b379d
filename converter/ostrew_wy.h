// The converter's output file: whole lines gathered in one large buffer and
// written out in blocks, every write and the close checked.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace ostrew {

class ostrew_wy {
public:
  static constexpr std::size_t domyslny_bufor = std::size_t{1} << 18;

  explicit ostrew_wy(std::size_t rozmiar_bufora = domyslny_bufor);
  ~ostrew_wy();
  ostrew_wy(const ostrew_wy&) = delete;
  ostrew_wy& operator=(const ostrew_wy&) = delete;

  // Creates the file, replacing an existing one; throws Blad_Pliku.
  void otworz_plik_wy(const std::string& nazwa);

  // Writes one whole line made of the pieces, one after another. The texts
  // are ISO 8859-1 and the file is UTF-8: each byte above 127 goes out as its
  // two-byte encoding. A failed write throws Blad_Pliku and closes the file.
  void pisz_plik_wy(std::string_view tekst) { pisz_plik_wy(tekst, {}, {}); }
  void pisz_plik_wy(std::string_view przed, std::string_view x, std::string_view po);

  // Writes out what is buffered and closes; does nothing when the file is not
  // open. Throws Blad_Pliku when either step fails.
  void zamknij_plik_wy();
  bool otwarty() const { return fd_ >= 0; }

private:
  void dopisz(std::string_view tekst);
  void oproznij();

  int fd_ = -1;
  std::string nazwa_;
  std::size_t rozmiar_;
  std::unique_ptr<char[]> bufor_;
  std::size_t uzyte_ = 0;
};

// The text without the blanks at both of its ends.
std::string_view us(std::string_view tekst);

}  // namespace ostrew
