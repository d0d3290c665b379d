// Every byte value at every place of the scanner's eight-byte steps: names,
// numbers and strings end exactly where the character classes say, and a
// text knows whether it holds a byte above 127 (which the XML encodes).
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "osw_skan.h"
#include "pomoc.h"

namespace ostrew {
namespace {

// The classes as ISO 8859-1 defines them.
bool litera(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= 192 && c <= 214) ||
         (c >= 216 && c <= 246) || c >= 248;
}
bool cyfra(int c) { return c >= '0' && c <= '9'; }
bool w_nazwie(int c) { return litera(c) || cyfra(c) || c == '_'; }

// A text as drugi shows it: marked "+8" when a byte is above 127.
std::string oznacz(const std::string& tekst) {
  for (char z : tekst) {
    if (static_cast<unsigned char>(z) > 127) return tekst + "+8";
  }
  return tekst;
}

// The token after "x " (the first token is read before the block holds
// anything, always the general way), with a comment after it so that the
// quick way sees enough bytes: "n:", "l:" or "s:" and its text marked as by
// oznacz, or the lexical error it raises, "!5".
std::string drugi(const test::Katalog& kat, const std::string& tresc, std::size_t blok) {
  // A new file each time: rewriting one in place makes the file system
  // flush it, thousands of times.
  std::filesystem::remove(kat / "a.ini");
  std::string wejscie = "x ";
  test::zapisz(kat / "a.ini", (wejscie += tresc) += " ;komentarz\n");
  std::ostringstream konsola;
  osw_skan skan(konsola, blok);
  skan.otworz_plik_we(kat / "a.ini");
  try {
    if (skan.Skanuj().tekst() != "x") return "?";
    Token_Typ t = skan.Skanuj();
    std::string s = t.Kod == Token_Kod::NAZWA    ? "n:"
                    : t.Kod == Token_Kod::LICZBA ? "l:"
                    : t.Kod == Token_Kod::NAPIS  ? "s:"
                                                 : "?:";
    s += t.tekst();
    return t.wysokie ? s + "+8" : s;
  } catch (const Blad_Skanera& b) {
    return std::string("!") + std::to_string(b.nr);
  }
}

TEST(KlasyZnakow, KazdyBajtNaKazdymMiejscuSlowa) {
  test::Katalog kat;
  // A block that holds the whole input takes the quick way; a tiny one the
  // general way.
  for (std::size_t blok : {std::size_t{64}, std::size_t{5}}) {
    for (int c = 1; c < 256; ++c) {
      const std::string z(1, static_cast<char>(c));
      for (std::size_t k = 0; k < 17; ++k) {
        const std::string b(k, 'b'), zera(k, '0');
        const std::string nazwa = w_nazwie(c) ? "a" + b + z + "z" : "a" + b;
        EXPECT_EQ(drugi(kat, "a" + b + z + "z", blok), "n:" + oznacz(nazwa))
            << "znak " << c << ", miejsce " << k << ", blok " << blok;
        // Zeros keep every number in range.
        const std::string liczba = cyfra(c) ? "0" + zera + z + "0" : "0" + zera;
        EXPECT_EQ(drugi(kat, "0" + zera + z + "0", blok), "l:" + liczba)
            << "znak " << c << ", miejsce " << k << ", blok " << blok;
        std::string napis = "!5";
        if (w_nazwie(c)) napis = "s:" + oznacz("a" + b + z + "z");
        if (c == '"') napis = "s:a" + b;
        EXPECT_EQ(drugi(kat, "\"a" + b + z + "z\"", blok), napis)
            << "znak " << c << ", miejsce " << k << ", blok " << blok;
      }
    }
  }
}

}  // namespace
}  // namespace ostrew
