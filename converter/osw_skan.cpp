// The converter's token rules: the general way of Skanuj, which the inline
// way in the header leaves every token to that it does not take whole.
#include "converter/osw_skan.h"

namespace ostrew {

namespace {

// The digits denote a value above the largest integer, 2147483647.
bool poza_zakresem(std::string_view cyfry) {
  constexpr std::string_view max_int = "2147483647";
  if (cyfry.size() < max_int.size()) return false;
  std::size_t zera = cyfry.find_first_not_of('0');
  if (zera == std::string_view::npos) return false;
  cyfry.remove_prefix(zera);
  return cyfry.size() > max_int.size() || (cyfry.size() == max_int.size() && cyfry > max_int);
}

}  // namespace

void Osw_Skan::blad(int nr, Wsk p) {
  p_ = p;
  nr_bledu_skan_ = nr;
  throw Blad_Skanera{nr};
}

// The general way, from the current character on: every case of the
// input, comments, the ends of the block, errors.
Token_Typ Osw_Skan::skanuj_dalej() {
  Wsk p = p_;
  // White space and comments; a tab is not white space. A comment drops the
  // rest of its piece.
  for (;;) {
    switch (klasa(*p)) {
      case blank:
        ++p;
        continue;
      case lf:
        p = za_koncem_linii(p, p + 1);
        continue;
      case srednik:
        p = koniec_kawalka(p);
        continue;
      case cr:
        p = podglad(p);
        if (cr_lf(p)) {
          p = za_koncem_linii(p, p + 2);
          continue;
        }
        break;
      case nul:
        if (koniec_) break;
        p = do_danych(p);
        continue;
      default:
        break;
    }
    break;
  }
  Token_Typ tok;
  switch (klasa(*p)) {
    case litera:
    case litera_8:
      p = nazwa(p, tok);
      break;
    case cyfra:
      p = liczba(p, tok);
      break;
    case cudzyslow:
      p = napis(p, tok);
      break;
    case rowne:
    case przecinek:
    case lewy:
    case prawy:
      tok.Kod = znaki[klasa(*p) - rowne];
      ++p;
      break;
    case nul:
      tok.Kod = Token_Kod::KONIECPL;  // the end is the lookahead for good
      return tok;
    default:
      blad(bledy_skanera::niedozwolony_znak, p);  // the character is not taken
  }
  // The lookahead and the byte after it stay at hand, so that its line can
  // be told; the text moves with the block.
  if (p + 1 >= kon() && moze_wiecej_) {
    Wsk q = doladuj(p);
    if (tok.dl > 0) tok.Wart -= p - q;
    p = q;
  }
  p_ = p;
  return tok;
}

// The text of a token from pocz on, read across the ends of blocks: it ends
// at the first character that bieg does not take, or once it is longer than
// Dl_Tok. Returns its end; pocz moves with the block.
template <class Bieg>
Osw_Skan::Wsk Osw_Skan::tekst(Wsk& pocz, Bieg bieg) {
  Wsk p = pocz;
  for (;;) {
    p = bieg(p);
    // The NUL after the data: the text may go on in the next block.
    if (p != kon() || !moze_wiecej_ || static_cast<std::size_t>(p - pocz) > Dl_Tok) return p;
    Wsk q = doladuj(p);
    pocz -= p - q;
    p = q;
  }
}

// name = (letter | "_") { letter | digit | "_" }
Osw_Skan::Wsk Osw_Skan::nazwa(Wsk p, Token_Typ& tok) {
  Wsk pocz = p;
  std::uint64_t wysokie = 0;
  p = tekst(pocz, [&wysokie](Wsk q) { return bieg_nazwy(q, wysokie); });
  if (static_cast<std::size_t>(p - pocz) > Dl_Tok) blad(bledy_skanera::za_dluga_nazwa, pocz + Dl_Tok);
  tok.Kod = Token_Kod::NAZWA;
  tok.Wart = reinterpret_cast<const char*>(pocz);
  tok.dl = static_cast<std::uint16_t>(p - pocz);
  tok.wysokie = (wysokie & gorne) != 0;
  return p;
}

// number = digit { digit }, at most 2147483647
Osw_Skan::Wsk Osw_Skan::liczba(Wsk p, Token_Typ& tok) {
  Wsk pocz = p;
  p = tekst(pocz, bieg_cyfr);
  if (static_cast<std::size_t>(p - pocz) > Dl_Tok) blad(bledy_skanera::za_dluga_liczba, pocz + Dl_Tok);
  tok.Kod = Token_Kod::LICZBA;
  tok.Wart = reinterpret_cast<const char*>(pocz);
  tok.dl = static_cast<std::uint16_t>(p - pocz);
  // The value is only checked, never kept: the text goes out as written.
  if (poza_zakresem(tok.tekst())) throw Blad_Zakresu{};
  return p;
}

// string = '"' (letter | "_") { letter | digit | "_" } '"'
Osw_Skan::Wsk Osw_Skan::napis(Wsk p, Token_Typ& tok) {
  p = podglad(p + 1);
  Klasa k = klasa(*p);
  if (k == nul) blad(bledy_skanera::koniec_pliku, p);
  if (k > litera_8) blad(bledy_skanera::poczatek_napisu, p);
  Wsk pocz = p;
  std::uint64_t wysokie = 0;
  p = tekst(pocz, [&wysokie](Wsk q) { return bieg_nazwy(q, wysokie); });
  // Every character has passed the test; a 101st does not fit.
  if (static_cast<std::size_t>(p - pocz) > Dl_Tok) throw Blad_Zakresu{};
  const auto dl = static_cast<std::uint16_t>(p - pocz);
  Wsk q = podglad(p);
  pocz -= p - q;
  p = q;
  if (*p == '"') {
    q = podglad(p + 1);
    pocz -= p + 1 - q;
    p = q;
    if (*p == '"') blad(bledy_skanera::koniec_napisu, p);  // a doubled quote is no character of a string
  } else if (*p == '\0') {
    blad(bledy_skanera::koniec_pliku, p);
  } else {
    blad(bledy_skanera::koniec_napisu, p);
  }
  tok.Kod = Token_Kod::NAPIS;
  tok.Wart = reinterpret_cast<const char*>(pocz);
  tok.dl = dl;
  tok.wysokie = (wysokie & gorne) != 0;
  return p;
}

}  // namespace ostrew
